#pragma once
// Saves that failed, kept until the examiner has been told. Each file is named once for each
// reason it failed for: a folder that stays read-only is said once, not at every store, but a
// second file failing, or the same file failing for another reason, is said again.

#include <set>
#include <string>
#include <vector>

namespace lenvari {

struct SaveFailures {
  std::vector<std::string> pending;  // "path: reason", not yet told
  std::set<std::string> told;
};

// Notes that `path` could not be saved; an empty reason reads "the file could not be written".
void NoteSaveFailure(SaveFailures& failures, const std::string& path, const std::string& reason);

// The failures not yet told, each once; they count as told from now on.
std::vector<std::string> TakeUntoldSaveFailures(SaveFailures& failures);

}  // namespace lenvari
