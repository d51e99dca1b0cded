#include "store/FieldReader.h"

#include <algorithm>

#include <cmath>
#include <limits>

#include "common/NumberText.h"

namespace lenvari {
namespace {

bool AtEnd(const FieldReader& r) { return r.pos >= r.bytes.size(); }
char Peek(const FieldReader& r) { return r.bytes[r.pos]; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

void SkipBlanks(FieldReader& r) {
  while (!AtEnd(r) && Peek(r) == ' ') ++r.pos;
}

// Before a text field tabs go with the blanks: a tab is dropped from every text anyway, and a
// double quote after one must open a quoted text as it would without it, or the field would
// begin with a quote that no writer can put back.
void SkipBlanksAndTabs(FieldReader& r) {
  while (!AtEnd(r) && (Peek(r) == ' ' || Peek(r) == '\t')) ++r.pos;
}

// Consumes one line end: CR LF, a lone CR or a lone LF.
void ConsumeLineEnd(FieldReader& r) {
  if (AtEnd(r)) return;
  if (Peek(r) == '\r') {
    ++r.pos;
    if (!AtEnd(r) && Peek(r) == '\n') ++r.pos;
  } else if (Peek(r) == '\n') {
    ++r.pos;
  }
}

void EndField(FieldReader& r) {
  while (!AtEnd(r) && (Peek(r) == ' ' || Peek(r) == '\t')) ++r.pos;
  if (AtEnd(r)) return;
  if (Peek(r) == ',') {
    ++r.pos;
  } else {
    ConsumeLineEnd(r);
  }
}

// A quoted text from the opening quote at the reader's position. An unbalanced quote ends at
// the end of its line, so one stray quote cannot swallow the rest of the file.
void ReadQuoted(FieldReader& r, std::string& field) {
  ++r.pos;
  while (!AtEnd(r) && Peek(r) != '"' && !IsLineEnd(Peek(r))) {
    if (Peek(r) != '\t' && field.size() < kLongestField) field += Peek(r);
    ++r.pos;
  }
  if (!AtEnd(r) && Peek(r) == '"') ++r.pos;
}

}  // namespace

bool ReadStringField(FieldReader& r, std::string& field) {
  field.clear();
  SkipBlanksAndTabs(r);
  if (AtEnd(r)) return false;
  if (Peek(r) == '"') {
    ReadQuoted(r, field);
  } else {
    while (!AtEnd(r) && Peek(r) != ',' && !IsLineEnd(Peek(r))) {
      if (Peek(r) != '\t' && field.size() < kLongestField) field += Peek(r);
      ++r.pos;
    }
  }
  EndField(r);
  return true;
}

bool ReadNumberField(FieldReader& r, double& value) {
  value = 0;
  SkipBlanks(r);
  if (AtEnd(r)) return false;
  const std::size_t start = r.pos;
  while (!AtEnd(r) && Peek(r) != ' ' && Peek(r) != ',' && !IsLineEnd(Peek(r))) ++r.pos;
  // No number needs more characters than this; a longer field is not copied whole.
  constexpr std::size_t kLongestNumber = 64;
  value = LeadingNumber(std::string(r.bytes.substr(start, std::min(r.pos - start, kLongestNumber))));
  EndField(r);
  return true;
}

bool ReadLineField(FieldReader& r, std::string& field) {
  field.clear();
  SkipBlanksAndTabs(r);
  if (AtEnd(r)) return false;
  if (Peek(r) == '"') {
    ReadQuoted(r, field);
    // Whatever follows the closing quote on its line is not part of the value.
    while (!AtEnd(r) && !IsLineEnd(Peek(r))) ++r.pos;
  } else {
    while (!AtEnd(r) && !IsLineEnd(Peek(r))) {
      if (Peek(r) != '\t' && field.size() < kLongestField) field += Peek(r);
      ++r.pos;
    }
  }
  ConsumeLineEnd(r);
  return true;
}

int IntegerOf(double value) {
  const long long rounded = RoundHalfEven(value);
  if (rounded > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (rounded < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(rounded);
}

int IntegerOf(const std::string& text) { return IntegerOf(LeadingNumber(text)); }

float RealOf(double value) {
  const float single = static_cast<float>(value);
  return std::isfinite(single) ? single : 0.0f;
}

float RealOf(const std::string& text) { return RealOf(LeadingNumber(text)); }

int ClampedInteger(int value, int lo, int hi) { return std::clamp(value, lo, hi); }

int StoredInteger(int value) {
  return ClampedInteger(value, -kLargestStoredInteger, kLargestStoredInteger);
}

float StoredReal(float value) {
  constexpr float kLargest = static_cast<float>(kLargestStoredInteger);
  if (!(value == value)) return 0;  // NaN
  return std::clamp(value, -kLargest, kLargest);
}

}  // namespace lenvari
