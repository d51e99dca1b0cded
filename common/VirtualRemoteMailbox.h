#pragma once
// The one-slot mailbox between the virtual remote and the input loop: at most four characters
// and a terminating zero in five bytes, written whole by the remote, taken and cleared by the
// input wait. A command written while the previous one is still pending replaces it. Both
// deliverables use it: the storage belongs to the main program, the dialog library writes it.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

namespace lenvari {

class VirtualRemoteMailbox {
 public:
  // Writes up to four characters (more are cut) followed by zero bytes up to the fifth; an
  // empty text clears the slot.
  void Write(const std::string& text);
  // The pending text, or "" when none; the slot is empty afterwards.
  std::string Take();
  bool Empty() const;
  // The five bytes as they stand, without taking them.
  std::array<unsigned char, 5> Bytes() const;

 private:
  // The five-byte buffer packed into one word so the hand-over is one atomic exchange.
  std::atomic<std::uint64_t> slot_{0};
};

}  // namespace lenvari
