#pragma once
// The proof a phone gives with every message: HMAC-SHA256 of the message text, keyed with the
// pairing code's sixteen bytes, compared in time that does not depend on where the bytes differ
// (a comparison that stops at the first wrong byte lets a sender guess the proof byte by byte).

#include <string>

namespace lenvari {

// The 32-byte HMAC-SHA256 of `message` under `key`.
std::string HmacSha256(const std::string& key, const std::string& message);

// Lower-case hexadecimal of `bytes`, and its inverse (nothing for odd length or another digit).
std::string HexOf(const std::string& bytes);
bool BytesOfHex(const std::string& hex, std::string& bytes);

// True when `a` and `b` are the same bytes; the time taken depends only on their lengths.
bool SameBytesConstantTime(const std::string& a, const std::string& b);

}  // namespace lenvari
