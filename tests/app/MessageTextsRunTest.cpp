// The sentences of the program's boxes, word for word, in one place: one run of the real program
// raises each box once. Other tests name a box by its title and check what its answer does.

#include <gtest/gtest.h>

#include "support/ProgramRun.h"

namespace lenvari {

TEST(MessageTexts, EveryBoxSaysItsSentenceWordForWord) {
  // A first start (calibration, a refused distance, the square), then one monitor asked to
  // swap, the export cancelled, a configuration edit cancelled and the exit.
  ProgramRunRequest request = ScriptRequest("{Enter}{Ctrl+A}{Ctrl+Z}{Ctrl+C}{Esc}", "",
                                            "OK;41;OK;20;OK;OK;Cancel;Max Rows Displayed:=2;Cancel;OK;Yes");
  request.calibratedScale = 0;
  const ProgramRunResult run = RunWell(request);
  const std::pair<const char*, const char*> boxes[] = {
      {"Calibration Required",
       "It appears that this is either a new installation or your screen resolution has changed. "
       "Calibration is now required."},
      {"Calibrate Lenvari Acuity", "Enter optical distance (spectacle plane to monitor):"},
      {" ", "You must enter a valid optical distance (between 1 and 40 feet or 0.3 and 12 meters)"},
      {"Calibrate",
       "Once you begin, you will see a white screen with a black square outlined on the screen. "
       "Use the up and down arrows or the '+' and '-' keys to adjust the size of the square until "
       "it measures 8.87 centimeters square. Once you have achieved the correct size of the "
       "square, press <Enter> to save the calibration"},
      {"Lenvari Acuity", "Only one monitor detected.  Unable to change to alternate monitor."},
      {"Lenvari Export to ZIP File",
       "Please select the directory to save the Lenvari Archive.  The file will be named 'Lenvari "
       "Archive.zip' and can be copied back to the Program Data directory to migrate your "
       "system's configuration to another computer"},
      {" ", "Discard all configuration changes?"},
      {"Quit Lenvari Now?", "Do you want to exit?"}};
  for (const auto& [title, text] : boxes)
    EXPECT_TRUE(Printed(run, std::string("[") + title + "] " + text + "\n")) << title << "\n" << run.output;
}

}  // namespace lenvari
