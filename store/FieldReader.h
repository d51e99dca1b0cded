#pragma once
// Reading the data folder's text files as a stream of fields: the one reading rule shared by
// the settings files, the monitor data file, the preset files and the letter-set files.
//
// Blanks before a field are skipped, and so are tabs before a string field. A string field
// that begins with a double quote runs to the next double quote (or the end of its line);
// otherwise it runs to the next comma or the end of the line, keeping blanks and dropping tabs.
// A numeric field runs to the next blank, comma or end of line and is worth its leading
// number, 0 if there is none. After a field, blanks and tabs are skipped, then one comma or one
// line end is consumed. CR LF, a lone LF and a lone CR all end a line, so files edited on
// another system read the same.
//
// Every read either consumes at least one byte or reports the end of the data, so no byte
// sequence can make a reader loop forever.

#include <cstddef>
#include <string>
#include <string_view>

namespace lenvari {

struct FieldReader {
  std::string_view bytes;
  std::size_t pos = 0;
};

// One string field. False, with `field` empty, when the data ends before a field begins.
bool ReadStringField(FieldReader& reader, std::string& field);

// One numeric field. False, with `value` 0, when the data ends before a field begins.
bool ReadNumberField(FieldReader& reader, double& value);

// The rest of the current line as one field (commas included; a value that begins with a
// double quote runs to the closing quote), then the line end. Used for value lines, where
// the writer puts exactly one value on each line. False when the data ends before a field.
bool ReadLineField(FieldReader& reader, std::string& field);

// The longest field kept: a full path of any system fits, and no legitimate value comes near
// it. The rest of a longer field is skipped, and the fields after it are read as usual.
constexpr std::size_t kLongestField = 4096;

// The largest magnitude a stored integer is held to when it is read (desktop coordinates,
// scales, sizes and counts are far below it), so no arithmetic on a value read from a file can
// overflow.
constexpr int kLargestStoredInteger = 1000000;

// `value` held within lo .. hi.
int ClampedInteger(int value, int lo, int hi);
// `value` held within -kLargestStoredInteger .. kLargestStoredInteger.
int StoredInteger(int value);
// `value` held within the same range; NaN becomes 0.
float StoredReal(float value);

// Conversions of a field's text the way every reader here converts them: the leading number,
// 0 when there is none; integers rounded to the nearest (ties to even) and held within the
// 32-bit range; reals in single precision, 0 for a value single precision cannot hold.
int IntegerOf(const std::string& text);
int IntegerOf(double value);
float RealOf(const std::string& text);
float RealOf(double value);

}  // namespace lenvari
