#include "phone/HttpRequestHead.h"

#include "common/TextCase.h"

namespace lenvari {
namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool HasToken(const std::string& list, const std::string& token) {
  const std::string lower = LowerCase(list);
  size_t start = 0;
  while (start <= lower.size()) {
    size_t end = lower.find(',', start);
    if (end == std::string::npos) end = lower.size();
    if (Trimmed(lower.substr(start, end - start)) == token) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

bool HttpRequestHead::AsksForWebSocket() const {
  const auto upgrade = fields.find("upgrade");
  const auto connection = fields.find("connection");
  return method == "GET" && upgrade != fields.end() && connection != fields.end() &&
         HasToken(upgrade->second, "websocket") && HasToken(connection->second, "upgrade");
}

HeadStatus ReadRequestHead(const std::string& bytes, HttpRequestHead& head) {
  const size_t end = bytes.find("\r\n\r\n");
  if (end == std::string::npos)
    return bytes.size() >= kLongestRequestHead ? HeadStatus::Bad : HeadStatus::Incomplete;
  if (end + 4 > kLongestRequestHead) return HeadStatus::Bad;
  HttpRequestHead read;
  read.length = end + 4;
  size_t lineStart = 0;
  bool first = true;
  while (lineStart < end + 2) {
    const size_t lineEnd = bytes.find("\r\n", lineStart);
    const std::string line = bytes.substr(lineStart, lineEnd - lineStart);
    lineStart = lineEnd + 2;
    if (first) {
      first = false;
      const size_t a = line.find(' ');
      const size_t b = a == std::string::npos ? a : line.find(' ', a + 1);
      if (b == std::string::npos || line.compare(b + 1, 5, "HTTP/") != 0) return HeadStatus::Bad;
      read.method = line.substr(0, a);
      const std::string target = line.substr(a + 1, b - a - 1);
      if (target.empty() || target[0] != '/') return HeadStatus::Bad;
      read.path = target.substr(0, target.find('?'));
      continue;
    }
    const size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0) return HeadStatus::Bad;
    read.fields[LowerCase(line.substr(0, colon))] = Trimmed(line.substr(colon + 1));
  }
  head = read;
  return HeadStatus::Complete;
}

}  // namespace lenvari
