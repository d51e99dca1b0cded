#include <gtest/gtest.h>

#include "platform/KeyScript.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

// A menu step names its menu and command by number; a number no menu can have is refused, not
// converted (a huge one, found by fuzzing, overflowed the conversion to int).
TEST(KeyScript, MenuStepsTakeOnlyNumbersAMenuCanHave) {
  std::string error;
  const auto steps = ParseKeyScript("{Menu:11/180}{Menu:300}", error);
  ASSERT_TRUE(steps) << error;
  EXPECT_EQ(Tie((*steps)[0].menu, (*steps)[0].id, (*steps)[1].menu, (*steps)[1].id), Tie(11, 180, 0, 300));
  EXPECT_FALSE(ParseKeyScript("{Menu:}", error));
  EXPECT_FALSE(ParseKeyScript("{Menu:2/18888888888888888888}", error));
  EXPECT_EQ(error, "{Menu:N} needs a command id");
  EXPECT_FALSE(ParseKeyScript("{Menu:1e30/180}", error));
  EXPECT_EQ(error, "{Menu:M/N} needs a menu number");
}

}  // namespace
}  // namespace lenvari
