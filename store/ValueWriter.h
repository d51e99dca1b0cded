#pragma once
// How values are written into the data folder's text files. Every line ends with CR LF.

#include <string>

namespace lenvari {

// An integer value: one blank before a non-negative number (the minus sign otherwise) and one
// blank after it: " 40 ", "-1280 ".
std::string IntegerValue(long long value);

// A real value in single precision, like an integer value: up to seven significant digits,
// a decimal point only when there is a fraction, no trailing zeros: " 12.5 ", " 10 ".
std::string RealValue(double value);

// The value of "TimerDelay!:": right-aligned in five characters with one decimal ("  2.0").
std::string TimerDelayValue(double value);

// A text on a line of its own, written so the line reader gives it back: one that begins with
// a blank or a double quote goes into double quotes (without its own double quotes, which the
// format cannot hold there and the reader never gives there), and line ends, which would split
// it and shift every later line, are dropped.
std::string LineText(const std::string& text);

// Appends `text` and the line end.
void AppendLine(std::string& out, const std::string& text);

// Appends a setting as its key line and its value line.
void AppendSetting(std::string& out, const std::string& key, const std::string& value);

}  // namespace lenvari
