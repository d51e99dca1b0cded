#include "phone/MessageAuth.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QMessageAuthenticationCode>

namespace lenvari {

std::string HmacSha256(const std::string& key, const std::string& message) {
  const QByteArray mac = QMessageAuthenticationCode::hash(
      QByteArray::fromStdString(message), QByteArray::fromStdString(key),
      QCryptographicHash::Sha256);
  return mac.toStdString();
}

std::string HexOf(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    hex += kDigits[c >> 4];
    hex += kDigits[c & 15];
  }
  return hex;
}

bool BytesOfHex(const std::string& hex, std::string& bytes) {
  if (hex.size() % 2 != 0) return false;
  const auto value = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::string out;
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int high = value(hex[i]), low = value(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    out += static_cast<char>(high * 16 + low);
  }
  bytes = out;
  return true;
}

bool SameBytesConstantTime(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  // Every byte is looked at whatever the earlier ones were; volatile keeps the compiler from
  // turning the loop into an early exit.
  volatile unsigned char difference = 0;
  for (size_t i = 0; i < a.size(); ++i)
    difference = difference | static_cast<unsigned char>(a[i] ^ b[i]);
  return difference == 0;
}

}  // namespace lenvari
