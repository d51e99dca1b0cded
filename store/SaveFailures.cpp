#include "store/SaveFailures.h"

#include <algorithm>

namespace lenvari {

void NoteSaveFailure(SaveFailures& failures, const std::string& path, const std::string& reason) {
  const std::string entry = path + ": " + (reason.empty() ? "the file could not be written" : reason);
  if (failures.told.contains(entry)) return;
  if (std::find(failures.pending.begin(), failures.pending.end(), entry) != failures.pending.end())
    return;
  failures.pending.push_back(entry);
}

std::vector<std::string> TakeUntoldSaveFailures(SaveFailures& failures) {
  std::vector<std::string> untold;
  untold.swap(failures.pending);
  failures.told.insert(untold.begin(), untold.end());
  return untold;
}

}  // namespace lenvari
