// The platform core's text readers: menu definitions and key scripts.

#include <gtest/gtest.h>

#include "platform/KeyScript.h"
#include "platform/MenuDefinitionText.h"
#include "support/Tie.h"

namespace lenvari {

TEST(MenuDefinition, ReadsCommandsSubmenusSeparatorsColumnBreaksAndHints) {
  std::vector<MenuItemDefinition> items;
  using Kind = MenuItemDefinition::Kind;
  ASSERT_TRUE(ParseMenuDefinition(
      "Display Astigmatism Target\\t[a]=701-|Display JCC Target (Shower Drain)\\t[j]=702-|"
      "Low Contrast Mode\\t[s]=703|-|Save to Memory>10|^|13=113|",
      items));
  ASSERT_EQ(items.size(), 9u);
  EXPECT_EQ(Tie(items[0].kind, items[0].text, items[0].hint, items[0].number),
            Tie(Kind::Command, "Display Astigmatism Target", "[a]", 701));
  EXPECT_EQ(items[1].kind, Kind::Separator);  // the "-" written right after an item
  EXPECT_EQ(Tie(items[3].kind, items[4].number, items[5].kind, items[6].kind, items[6].number,
                items[7].kind, items[8].text),
            Tie(Kind::Separator, 703, Kind::Separator, Kind::Submenu, 10, Kind::ColumnBreak, "13"));
  // An empty definition is an empty menu; an item without an id is refused.
  EXPECT_TRUE(ParseMenuDefinition("", items));
  EXPECT_TRUE(items.empty());
  EXPECT_FALSE(ParseMenuDefinition("Broken item|", items));
  EXPECT_FALSE(ParseMenuDefinition("Huge=99999999999999", items));
}

// A menu step names its menu and command by number; a number no menu can have is refused, not
// converted (a huge one, found by fuzzing, overflowed the conversion to int).
TEST(KeyScript, MenuStepsTakeOnlyNumbersAMenuCanHave) {
  std::string error;
  const auto steps = ParseKeyScript("{Menu:11/180}{Menu:300}", error);
  ASSERT_TRUE(steps) << error;
  EXPECT_EQ(Tie((*steps)[0].menu, (*steps)[0].id, (*steps)[1].menu, (*steps)[1].id),
            Tie(11, 180, 0, 300));
  EXPECT_FALSE(ParseKeyScript("{Menu:}", error));
  EXPECT_FALSE(ParseKeyScript("{Menu:2/18888888888888888888}", error));
  EXPECT_EQ(error, "{Menu:N} needs a command id");
  EXPECT_FALSE(ParseKeyScript("{Menu:1e30/180}", error));
  EXPECT_EQ(error, "{Menu:M/N} needs a menu number");
}

}  // namespace lenvari
