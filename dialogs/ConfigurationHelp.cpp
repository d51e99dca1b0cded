#include <QMessageBox>

#include "dialogs/ConfigurationSession.h"

namespace lenvari {
namespace {

struct HelpTopic {
  const char* title;
  const char* text;  // paragraphs apart by a blank line
};

// In the order of the help buttons.
const HelpTopic kHelpTexts[kHelpTopics] = {
    {"Exam Room Configuration Help",
     "You can select 'Direct View' for exam rooms that do not use a mirror, or 'Mirrored Room' "
     "to reverse the letters.  You can also select the monitor for the patient display.  "},
    {"Acuity Notation Help",
     "Lenvari Acuity allows you to select your preferred acuity notation.  This can be the 20 "
     "foot standard (20/20), the 6 meter standard (6/6), or the decimal standard (1.0).\n\n"
     "Show Numerator writes the whole fraction beside each row (20/40 instead of 40).  It "
     "applies only to the 20 foot and 6 meter standards; decimal acuities have no numerator."},
    {"Display Options Help",
     "Display option settings allow you to set the size of the labels that show the current "
     "letter size, the color of these labels, as well as the maximum number of rows to be "
     "displayed at one time.\n\n"
     "Status Bar shows a line at the foot of the chart with the letter set, the contrast and the "
     "preset in use.  Patients rarely notice it, but you may turn it off.\n\n"
     "Show Monitor Window opens a small window on your own screen that lists what the patient "
     "monitor shows.  Include Thumbnail adds a small picture of the chart to it, and Always On "
     "Top keeps it above your other windows.\n\n"
     "Smoothing draws letter edges without jagged steps.  On a slow computer it may slow "
     "drawing down; turn it off if the chart lags behind the keys.\n\n"
     "Luminance-True Contrast draws each contrast level at the luminance it names (10 % "
     "contrast is 90 % of the background's light), mixing two neighbouring grey values in a "
     "fine pattern where the screen has no grey that exact.  Off, the levels keep their usual "
     "grey values.\n\n"
     "Match Gamma finds how your screen turns grey values into light, so that these levels are "
     "true on it.  The patient monitor shows fine checkerboards, each beside a plain grey.  "
     "Sit where the patient sits (or ask the patient) and press the up and down arrows until "
     "the checkerboards melt into the greys beside them, then press Enter to keep the setting, "
     "or Escape to leave it as it was.  In a mirrored room, judge them at the patient's chair, "
     "through the mirror, not up close: up close the checkerboard does not blur."},
    {"Calibration Help",
     "To perform the calibration procedure, you will need a measuring tape to measure the "
     "optical distance from the spectacle plane to the surface of the display monitor.\n\n"
     "Enter that distance in feet or meters (through a mirror, add both legs of the path) and "
     "press Calibrate.  A black square appears on the patient monitor: make it the size shown "
     "on the screen with the + and - keys (both sides) or the arrow keys (one side at a time), "
     "measuring it with a ruler, then press Enter to accept it."},
    {"Astigmatism Target Help",
     "This control allows you to select a clock dial target either with or without labels for "
     "the clock hours.  Select 'Dial With Labels' or 'Dial No Labels' as appropriate."},
    {"JCC Size Help",
     "This control allows you to set the initial size of the Jackson Cross Cylinder 'Shower "
     "Drain' target. \n\n"
     "Choose a size a line or two larger than the patient's best acuity, so the dots stay easy "
     "to see while you compare the two lens positions."},
    {"Contrast Mode Help",
     "This control allows you to set the default contrast level when activating the low "
     "contrast testing mode.\n\n"
     "The percentage is the contrast of the letters against the background; lower values make "
     "the test harder.  You can still step the contrast up and down during the test."},
    {"Worth Dot Size Help",
     "This control allows you to set the initial size of the Worth Dot Supression test. \n\n"
     "Larger dots test fusion in the periphery, smaller dots test it near the center of "
     "vision."},
    {"Worth Dot Mode Help",
     "This control allows you to select your preferred supression check, the traditional Worth "
     "4 Dot test, or the 3 Dot test\n\n"
     "Both are seen through red/green (or red/blue) glasses; set the glasses under Color "
     "Calibration."},
    {"Fixation Disparity Fusion Lock Help",
     "The Fixation Disparity target can be displayed with a central fusion lock, or without.  A "
     "white circle will be drawn in the center of the disparity pattern that will be seen by "
     "both eyes."},
    {"Timer Delay Help",
     "This setting sets the amount of time, in seconds, between random presentation of letters "
     "when the Timed Randomize feature is active.  \n\n"
     "Timed Randomize is activated by pressing the quick-key <t> or pressing and holding the "
     "'Random' button on the handheld remote"},
    {"Audio Notification Help",
     "Selecting Audio Notification will cause the system to produce an alert sound each time "
     "the program accepts a command from the keyboard or the remote control.\n\n"
     "The sound confirms a press of the remote when you cannot see the chart."},
    {"Select Video Help",
     "Lenvari Acuity can launch a video file to be used as a fixation target for pediatric "
     "patients.\n\n"
     "Press Select Video to choose the file (MP4, MOV, WMV, MPG or AVI).  The video plays full "
     "screen on the patient monitor and any key returns to the chart."},
    {"Color Calibration Help",
     "Use these controls to ensure complete cancellation when using Worth Dot Testing Or "
     "Fixation Disparity Testing.  \n\n"
     "Put on the red/green (or red/blue) glasses and look at the boxes above through one eye "
     "at a time.  Lower the Red intensity until the red box disappears through the green (or "
     "blue) lens, and the Green (or Blue) intensity until that box disappears through the red "
     "lens; adjust the Background if a box still shows.  Repeat this after changing "
     "monitors."},
    {"Phone Remote Help",
     "Phone Remote lets a phone on this computer's network drive the chart with the remote's "
     "buttons and show you the letters the patient sees, so you need not turn round.\n\n"
     "After Save the control window shows a QR code: scan it with the phone's camera and open "
     "the page.  Each code pairs one phone and then a new code appears for the next; a code "
     "not used within 10 minutes is replaced.  Unpair in the control window forgets every "
     "paired phone.\n\n"
     "The phone and this computer must be on the same network, and the computer's firewall "
     "must let the phone reach the port in lvphoneremote.cfg (8765 unless changed).  Nothing "
     "leaves the room's network.  Off, the program opens no network port at all."},
};

constexpr int kTimerDelayTopic = 10;

}  // namespace

void ShowConfigurationHelp(QWidget* parent, int topic) {
  const HelpTopic& help = kHelpTexts[topic];
  QMessageBox box(QMessageBox::NoIcon, help.title, help.text, QMessageBox::Ok, parent);
  box.setWindowModality(Qt::ApplicationModal);
  if (topic == kTimerDelayTopic) box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
}

}  // namespace lenvari
