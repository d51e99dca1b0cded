#include <gtest/gtest.h>

#include <filesystem>

#include "store/DataFolder.h"
#include "store/DisplayFile.h"
#include "support/ProgramRun.h"

namespace lenvari {

TEST(DisplayFile, WrittenAsKeyAndValueLinesAndReadBackWithDefaultsForWhatIsMissing) {
  const DisplayOptions measured{1, 2.2};
  const std::string text = DisplayFileText(measured);
  EXPECT_EQ(text, "LuminanceContrast&:\r\n 1 \r\nDisplayGamma!:\r\n 2.2 \r\n");
  EXPECT_EQ(ParseDisplayFile(text).LuminanceContrast, 1);
  EXPECT_FLOAT_EQ(static_cast<float>(ParseDisplayFile(text).DisplayGamma), 2.2f);
  EXPECT_EQ(DisplayFileText(DisplayOptions{}), "LuminanceContrast&:\r\n 0 \r\nDisplayGamma!:\r\n 0 \r\n");

  // A missing folder file, or one that cannot be read, gives the defaults: grey values as
  // always, on the sRGB curve.
  const std::string folder = FreshFolder("data");
  EXPECT_EQ(LoadDisplayOptions(folder), DisplayOptions{});
  ASSERT_TRUE(SaveDisplayOptions(folder, measured));
  EXPECT_EQ(ReadWholeFile(folder + "/lvdisplay.cfg"), text);
  EXPECT_EQ(LoadDisplayOptions(folder), ParseDisplayFile(text));
  std::filesystem::remove(folder + "/lvdisplay.cfg");
  std::filesystem::create_directory(folder + "/lvdisplay.cfg");
  EXPECT_EQ(LoadDisplayOptions(folder), DisplayOptions{});
  EXPECT_FALSE(SaveDisplayOptions(folder, measured));  // a folder in the way: not written

  // Damaged values keep their defaults: a gamma no display has, a flag that is neither 0 nor 1,
  // a file cut short; keys it does not know are passed over.
  EXPECT_EQ(ParseDisplayFile("DisplayGamma!:\r\n 22 \r\n"), DisplayOptions{});
  EXPECT_EQ(ParseDisplayFile("DisplayGamma!:\r\n 0.5 \r\n"), DisplayOptions{});
  EXPECT_EQ(ParseDisplayFile("LuminanceContrast&:\r\n 7 \r\n"), DisplayOptions{});
  EXPECT_EQ(ParseDisplayFile(text.substr(0, 26)).LuminanceContrast, 1);
  EXPECT_EQ(ParseDisplayFile("Other&:\r\n 3 \r\n" + text).LuminanceContrast, 1);
  EXPECT_EQ(ParseDisplayFile(""), DisplayOptions{});
}

}  // namespace lenvari
