#pragma once
// Notices the monitors changing under the program: one switched off or unplugged, one switched
// on or plugged in, one moved or given another resolution. The input wait asks every pass, so
// the question costs nothing while nothing changes.

#include <memory>

namespace lenvari {

class MonitorChanges {
 public:
  // Needs the application object.
  MonitorChanges();
  ~MonitorChanges();
  MonitorChanges(const MonitorChanges&) = delete;
  MonitorChanges& operator=(const MonitorChanges&) = delete;

  // True once after any change since the last call.
  bool TakeChange();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace lenvari
