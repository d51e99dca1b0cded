#pragma once
// The letter-set tables, indexed by letter-set file 0 .. 10, letter set 0 .. 8 and size 0 .. 20.

#include <array>
#include <string>
#include <vector>

namespace lenvari {

constexpr int kLetterSetFiles = 10;   // files 1 .. 10 (file 0 is LV0.LET)
constexpr int kMaxSizes = 20;
constexpr int kMaxLetterSets = 8;

struct LetterSets {
  std::array<int, kLetterSetFiles + 1> NumSizes{};
  // Snellen denominator of each size; column 0 holds the custom size.
  std::array<std::array<float, kMaxSizes + 1>, kLetterSetFiles + 1> LetterSize{};
  std::array<int, kLetterSetFiles + 1> MaxColumns{};
  std::array<std::string, kLetterSetFiles + 1> LetterSetName;
  std::array<int, kLetterSetFiles + 1> NumLetterSets{};
  std::array<std::array<std::array<std::string, kMaxSizes + 1>, kMaxLetterSets + 1>,
             kLetterSetFiles + 1>
      LetterLines;
  std::array<int, kLetterSetFiles + 1> SnellenNumerator{};
  // Why file f could not be read (empty: it could). Such a file is never written over.
  std::array<std::string, kLetterSetFiles + 1> FileUnreadable{};
  // After a start that replaced the files by the built-in sets: the files that could not be
  // used (path, and why), and where what each replaced file held is kept (its backup's path).
  std::vector<std::string> Unusable;
  std::vector<std::string> KeptAs;
};

}  // namespace lenvari
