#pragma once
// The head of an HTTP/1.1 request as the phone page's browser sends it: the request line and
// the header fields up to the empty line. Only what serving one page and one WebSocket needs.

#include <map>
#include <optional>
#include <string>

namespace lenvari {

// A head longer than this is refused: no browser sends one to this server.
inline constexpr size_t kLongestRequestHead = 8192;

struct HttpRequestHead {
  std::string method;
  std::string path;  // without the query
  std::map<std::string, std::string> fields;  // names in lower case, values trimmed
  size_t length = 0;  // bytes of the head, the empty line included

  bool AsksForWebSocket() const;
};

enum class HeadStatus { Incomplete, Complete, Bad };

// Reads the head at the start of `bytes` (what has arrived so far).
HeadStatus ReadRequestHead(const std::string& bytes, HttpRequestHead& head);

}  // namespace lenvari
