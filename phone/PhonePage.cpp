#include "phone/PhonePage.h"

#include <QFile>

namespace lenvari {
namespace {

struct PageEntry {
  const char* path;
  const char* resource;
  const char* contentType;
};

constexpr PageEntry kPageFiles[] = {
    {"/", ":/phone/remote.html", "text/html; charset=utf-8"},
    {"/remote.css", ":/phone/remote.css", "text/css; charset=utf-8"},
    {"/sha256.js", ":/phone/sha256.js", "text/javascript; charset=utf-8"},
    {"/remote.js", ":/phone/remote.js", "text/javascript; charset=utf-8"},
};

std::string ResourceBytes(const char* name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return "";
  return file.readAll().toStdString();
}

}  // namespace

std::optional<PageFile> PhonePageFile(const std::string& path) {
  for (const PageEntry& entry : kPageFiles)
    if (path == entry.path) return PageFile{entry.contentType, ResourceBytes(entry.resource)};
  return std::nullopt;
}

size_t PhonePageSize() {
  size_t size = 0;
  for (const PageEntry& entry : kPageFiles) size += ResourceBytes(entry.resource).size();
  return size;
}

}  // namespace lenvari
