#pragma once
// The files of the phone page, compiled into the program: the page, its style and its scripts.
// Nothing else is ever served.

#include <optional>
#include <string>

namespace lenvari {

struct PageFile {
  std::string contentType;
  std::string bytes;
};

// The file a request path names ("/" is the page), or nothing.
std::optional<PageFile> PhonePageFile(const std::string& path);

// Bytes of every file together: what a phone loads on its first visit.
size_t PhonePageSize();

}  // namespace lenvari
