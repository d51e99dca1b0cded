#pragma once
// Shuffled rows: which letters a random row draws from and how one letter is drawn.

#include <random>
#include <string>

#include "store/ChartMode.h"

namespace lenvari {

// The pool for a random row. Letter mode starts from the Sloan letters (D, V and K listed
// twice); HOTV, picture and number files use their own optotypes whatever the mode. Any other
// case keeps the previous pool.
std::string RandomPoolFor(ChartMode mode, const std::string& letterSetName,
                          const std::string& previousPool);

// Picks a key from the pool, uniformly by position, that the row has not drawn yet (HOTV rows
// may draw each letter twice) and appends it to `drawnKeys`. When the pool has no acceptable
// key left, the row starts a fresh round so that the draw always ends. An empty pool gives "".
std::string DrawRandomKey(const std::string& pool, bool hotv, std::string& drawnKeys,
                          std::mt19937& random);

}  // namespace lenvari
