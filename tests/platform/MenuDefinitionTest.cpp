#include <gtest/gtest.h>

#include "platform/MenuDefinitionText.h"

namespace lenvari {

TEST(MenuDefinition, ReadsCommandsSubmenusSeparatorsColumnBreaksAndHints) {
  std::vector<MenuItemDefinition> items;
  using Kind = MenuItemDefinition::Kind;
  ASSERT_TRUE(ParseMenuDefinition(
      "Display Astigmatism Target\\t[a]=701-|Display JCC Target (Shower Drain)\\t[j]=702-|"
      "Low Contrast Mode\\t[s]=703|-|Save to Memory>10|^|13=113|",
      items));
  ASSERT_EQ(items.size(), 9u);
  EXPECT_EQ(items[0].kind, Kind::Command);
  EXPECT_EQ(items[0].text, "Display Astigmatism Target");
  EXPECT_EQ(items[0].hint, "[a]");
  EXPECT_EQ(items[0].number, 701);
  EXPECT_EQ(items[1].kind, Kind::Separator);  // the "-" written right after an item
  EXPECT_EQ(items[3].kind, Kind::Separator);
  EXPECT_EQ(items[4].number, 703);
  EXPECT_EQ(items[5].kind, Kind::Separator);
  EXPECT_EQ(items[6].kind, Kind::Submenu);
  EXPECT_EQ(items[6].number, 10);
  EXPECT_EQ(items[7].kind, Kind::ColumnBreak);
  EXPECT_EQ(items[8].text, "13");
  // An empty definition is an empty menu; an item without an id is refused.
  EXPECT_TRUE(ParseMenuDefinition("", items));
  EXPECT_TRUE(items.empty());
  EXPECT_FALSE(ParseMenuDefinition("Broken item|", items));
  EXPECT_FALSE(ParseMenuDefinition("Huge=99999999999999", items));
}

}  // namespace lenvari
