#pragma once
// The answer key as the page receives it: what the monitor window prints for the frame just
// presented (a special test's caption, the optotype's heading, one line per row).

#include <string>
#include <vector>

namespace lenvari {

struct AnswerKey {
  std::string caption;
  std::string heading;
  std::vector<std::string> lines;
};

// {"t":"key","frame":N,"caption":"..","heading":"..","rows":[".."]}
std::string AnswerKeyMessage(const AnswerKey& key, int frame);

}  // namespace lenvari
