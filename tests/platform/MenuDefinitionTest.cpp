#include <gtest/gtest.h>

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
  EXPECT_EQ(Tie(items[3].kind, items[4].number, items[5].kind, items[6].kind, items[6].number, items[7].kind,
                items[8].text),
            Tie(Kind::Separator, 703, Kind::Separator, Kind::Submenu, 10, Kind::ColumnBreak, "13"));
  // An empty definition is an empty menu; an item without an id is refused.
  EXPECT_TRUE(ParseMenuDefinition("", items));
  EXPECT_TRUE(items.empty());
  EXPECT_FALSE(ParseMenuDefinition("Broken item|", items));
  EXPECT_FALSE(ParseMenuDefinition("Huge=99999999999999", items));
}

}  // namespace lenvari
