// The program's own check boxes of the configuration dialog: the luminance-true contrast of
// Display Options and the phone remote.

#include "dialogs/ConfigurationDialogRun.h"

namespace lenvari {

TEST(ConfigurationDialog, LuminanceContrastBoxEditsTheOptionOnSaveOnly) {
  int option = 0;
  ConfigurationArguments args;
  args.luminanceOption = &option;
  args.Run([](QDialog& d) {
    EXPECT_TRUE(Control<QCheckBox>(d, kLuminanceContrastId)->isEnabled());
    EXPECT_FALSE(Control<QCheckBox>(d, kLuminanceContrastId)->isChecked());
    Click(d, kLuminanceContrastId);
    auto discard = ExpectMessage([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
    Click(d, kCancelId);
  });
  EXPECT_EQ(option, 0);
  args.Run([](QDialog& d) {
    Click(d, kLuminanceContrastId);
    Click(d, kSaveId);
  });
  EXPECT_EQ(option, 1);
  args.Run([](QDialog& d) {
    EXPECT_TRUE(Control<QCheckBox>(d, kLuminanceContrastId)->isChecked());
    Click(d, kSaveId);
  });
  EXPECT_EQ(option, 1);

  // A caller without the option sees the box, but cannot tick it.
  ConfigurationArguments plain;
  plain.Run([](QDialog& d) {
    EXPECT_FALSE(Control<QCheckBox>(d, kLuminanceContrastId)->isEnabled());
    Click(d, kSaveId);
  });
}

TEST(ConfigurationDialog, PhoneRemoteBoxSwitchesTheServerOnSaveOnly) {
  int option = 0;
  ConfigurationArguments args;
  args.phoneOption = &option;
  args.Run([](QDialog& d) {
    EXPECT_FALSE(Control<QCheckBox>(d, kPhoneRemoteId)->isChecked());
    Click(d, kPhoneRemoteId);
    auto discard = ExpectMessage([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
    Click(d, kCancelId);
  });
  EXPECT_EQ(option, 0);
  args.Run([](QDialog& d) {
    Click(d, kPhoneRemoteId);
    Click(d, kSaveId);
  });
  EXPECT_EQ(option, 1);
  ConfigurationArguments plain;
  plain.Run([](QDialog& d) {
    EXPECT_FALSE(Control<QCheckBox>(d, kPhoneRemoteId)->isEnabled());
    Click(d, kSaveId);
  });
}

}  // namespace lenvari
