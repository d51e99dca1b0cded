// The program's own small key/value files: the control window's place, the display's light
// and the phone remote's switch, written, read back and read when damaged.

#include <gtest/gtest.h>

#include <filesystem>

#include "store/ControlWindowFile.h"
#include "store/DataFolder.h"
#include "store/DisplayFile.h"
#include "store/OwnFiles.h"
#include "store/PhoneRemoteFile.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {

TEST(ControlWindowFile, WrittenAsKeyAndValueLinesAndReadBack) {
  const ControlWindowRecord record{-1270, 40, 760, 260};
  const std::string text = ControlWindowFileText(record);
  EXPECT_EQ(text,
            "ControlWindowLeft&:\r\n-1270 \r\nControlWindowTop&:\r\n 40 \r\n"
            "ControlWindowWidth&:\r\n 760 \r\nControlWindowHeight&:\r\n 260 \r\n");

  const std::string folder = FreshFolder("data");
  EXPECT_FALSE(LoadControlWindowPlace(folder).has_value());
  ASSERT_TRUE(SaveControlWindowPlace(folder, record));
  EXPECT_EQ(Tie(ReadWholeFile(folder + "/lvcontrolwindow.cfg"), LoadControlWindowPlace(folder)),
            Tie(text, record));

  // A file cut short, one with no size, or a place far off every desktop gives no place: the
  // window then gets the default.
  for (const std::string& damaged : {text.substr(0, text.size() / 2), ControlWindowFileText({10, 10, 0, 260}),
                                     std::string(), ControlWindowFileText({2147483000, 0, 2000, 600})})
    EXPECT_FALSE(ParseControlWindowFile(damaged).has_value()) << damaged;
  EXPECT_TRUE(ParseControlWindowFile(ControlWindowFileText({-1270, 0, 2000, 600})));
}

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
  EXPECT_EQ(Tie(ParseDisplayFile("DisplayGamma!:\r\n 22 \r\n"),
                ParseDisplayFile("DisplayGamma!:\r\n 0.5 \r\n"),
                ParseDisplayFile("LuminanceContrast&:\r\n 7 \r\n"),
                ParseDisplayFile(text.substr(0, 26)).LuminanceContrast,
                ParseDisplayFile("Other&:\r\n 3 \r\n" + text).LuminanceContrast, ParseDisplayFile("")),
            Tie(DisplayOptions{}, DisplayOptions{}, DisplayOptions{}, 1, 1, DisplayOptions{}));
}

TEST(PhoneRemoteFile, OffByDefaultAndWrittenAsKeyAndValueLines) {
  const PhoneRemoteOptions on{1, 0};
  const std::string text = PhoneRemoteFileText(on);
  EXPECT_EQ(Tie(text, ParsePhoneRemoteFile(text)), Tie("PhoneRemote&:\r\n 1 \r\nPhonePort&:\r\n 0 \r\n", on));
  const std::string folder = FreshFolder("data");
  EXPECT_EQ(LoadPhoneRemoteOptions(folder), (PhoneRemoteOptions{0, 8765}));
  ASSERT_TRUE(SavePhoneRemoteOptions(folder, on));
  EXPECT_EQ(Tie(ReadWholeFile(folder + "/lvphoneremote.cfg"), LoadPhoneRemoteOptions(folder)),
            Tie(text, on));
  EXPECT_TRUE(IsOwnFileName("LVPhoneRemote.cfg"));
  // A damaged value keeps its default: a switch that is neither 0 nor 1, a port no socket has.
  EXPECT_EQ(ParsePhoneRemoteFile("PhoneRemote&:\r\n 2 \r\nPhonePort&:\r\n 70000 \r\n"),
            PhoneRemoteOptions{});
  EXPECT_EQ(ParsePhoneRemoteFile("PhonePort&:\r\n -1 \r\n").PhonePort, 8765);
  EXPECT_EQ(ParsePhoneRemoteFile("PhonePort&:\r\n 9000 \r\n").PhonePort, 9000);
}

}  // namespace lenvari
