#include <gtest/gtest.h>

#include "store/DataFolder.h"
#include "store/OwnFiles.h"
#include "store/PhoneRemoteFile.h"
#include "support/ProgramRun.h"

namespace lenvari {

TEST(PhoneRemoteFile, OffByDefaultAndWrittenAsKeyAndValueLines) {
  EXPECT_EQ(PhoneRemoteOptions{}.PhoneRemote, 0);
  EXPECT_EQ(PhoneRemoteOptions{}.PhonePort, 8765);
  const PhoneRemoteOptions on{1, 0};
  const std::string text = PhoneRemoteFileText(on);
  EXPECT_EQ(text, "PhoneRemote&:\r\n 1 \r\nPhonePort&:\r\n 0 \r\n");
  EXPECT_EQ(ParsePhoneRemoteFile(text), on);
  const std::string folder = FreshFolder("data");
  EXPECT_EQ(LoadPhoneRemoteOptions(folder), PhoneRemoteOptions{});
  ASSERT_TRUE(SavePhoneRemoteOptions(folder, on));
  EXPECT_EQ(ReadWholeFile(folder + "/lvphoneremote.cfg"), text);
  EXPECT_EQ(LoadPhoneRemoteOptions(folder), on);
  EXPECT_TRUE(IsOwnFileName("LVPhoneRemote.cfg"));
  // A damaged value keeps its default: a switch that is neither 0 nor 1, a port no socket has.
  EXPECT_EQ(ParsePhoneRemoteFile("PhoneRemote&:\r\n 2 \r\nPhonePort&:\r\n 70000 \r\n"),
            PhoneRemoteOptions{});
  EXPECT_EQ(ParsePhoneRemoteFile("PhonePort&:\r\n -1 \r\n").PhonePort, 8765);
  EXPECT_EQ(ParsePhoneRemoteFile("PhonePort&:\r\n 9000 \r\n").PhonePort, 9000);
}

}  // namespace lenvari
