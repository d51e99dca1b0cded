#pragma once
// The one-slot mailbox between the virtual remote's thread and the input loop: at most four
// characters, written whole by the remote, taken and cleared by the input wait. A command
// written while the previous one is still pending replaces it.

#include <atomic>
#include <cstdint>
#include <string>

namespace lenvari {

class VirtualRemoteMailbox {
 public:
  // Writes up to four characters (more are cut); an empty text clears the slot.
  void Write(const std::string& text);
  // The pending text, or "" when none; the slot is empty afterwards.
  std::string Take();
  bool Empty() const;

 private:
  // The five-byte buffer packed into one word so the hand-over is one atomic exchange.
  std::atomic<std::uint64_t> slot_{0};
};

}  // namespace lenvari
