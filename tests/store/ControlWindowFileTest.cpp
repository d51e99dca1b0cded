#include <gtest/gtest.h>

#include "store/ControlWindowFile.h"
#include "store/DataFolder.h"
#include "support/ProgramRun.h"

namespace lenvari {

TEST(ControlWindowFile, WrittenAsKeyAndValueLinesAndReadBack) {
  const ControlWindowRecord record{-1270, 40, 760, 260};
  const std::string text = ControlWindowFileText(record);
  EXPECT_EQ(text,
            "ControlWindowLeft&:\r\n-1270 \r\nControlWindowTop&:\r\n 40 \r\n"
            "ControlWindowWidth&:\r\n 760 \r\nControlWindowHeight&:\r\n 260 \r\n");
  EXPECT_EQ(ParseControlWindowFile(text), record);

  const std::string folder = FreshFolder("data");
  EXPECT_FALSE(LoadControlWindowPlace(folder).has_value());
  ASSERT_TRUE(SaveControlWindowPlace(folder, record));
  EXPECT_EQ(ReadWholeFile(folder + "/lvcontrolwindow.cfg"), text);
  EXPECT_EQ(LoadControlWindowPlace(folder), record);

  // A file cut short, or one with no size, gives no place: the window then gets the default.
  EXPECT_FALSE(ParseControlWindowFile(text.substr(0, text.size() / 2)).has_value());
  EXPECT_FALSE(ParseControlWindowFile(ControlWindowFileText({10, 10, 0, 260})).has_value());
  EXPECT_FALSE(ParseControlWindowFile("").has_value());
}

}  // namespace lenvari
