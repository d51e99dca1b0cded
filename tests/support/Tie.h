#pragma once
// Several related values checked in one assertion: EXPECT_EQ(Tie(a, b, c), Tie(1, "x", 2.5))
// reports both whole lists when any of them differs. The values are taken by reference, so
// all are read after every argument has been worked out: no argument may change another.

#include <tuple>
#include <utility>

namespace lenvari {

template <class... Values>
auto Tie(Values&&... values) {
  return std::forward_as_tuple(std::forward<Values>(values)...);
}

}  // namespace lenvari
