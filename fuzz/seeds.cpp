// Writes the seed corpora of the harnesses into the folder named on the command line: the
// files a first start writes, one folder per reader, and pictures of the shapes a picture
// slot meets.

#include <QColor>
#include <QImage>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <fstream>
#include <string>

#include "FolderStart.h"
#include "phone/PhoneMessage.h"
#include "platform/qtgui/Bitmap.h"
#include "store/BuiltInLetterSets.h"
#include "store/ControlWindowFile.h"
#include "store/DisplayFile.h"
#include "store/BuiltInPresets.h"
#include "store/LetterSetFiles.h"
#include "store/MonitorDataFile.h"
#include "store/PresetFile.h"
#include "store/ScreenIdentity.h"
#include "store/SettingsFiles.h"

using namespace lenvari;
namespace fs = std::filesystem;

namespace {

void Put(const fs::path& folder, const std::string& name, const std::string& text) {
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << text;
}

// A picture the program writes itself: 24 bits, bottom-up rows, padded to four bytes.
std::string WrittenPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(40 * x, 60 * y, (x * y) & 0xFF));
  return Bitmap::FromImage(image).BmpBytes();
}

void Put16(std::string& bytes, std::uint32_t value) {
  bytes += static_cast<char>(value & 0xFF);
  bytes += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& bytes, std::uint32_t value) {
  Put16(bytes, value & 0xFFFF);
  Put16(bytes, value >> 16);
}

// A bitmap file of another writer: headers for the given shape, then the palette and pixels.
std::string OtherPicture(std::int32_t width, std::int32_t height, int bits, int compression,
                         const std::string& palette, const std::string& pixels) {
  std::string bytes = "BM";
  const auto offset = static_cast<std::uint32_t>(54 + palette.size());
  Put32(bytes, static_cast<std::uint32_t>(offset + pixels.size()));
  Put32(bytes, 0);
  Put32(bytes, offset);
  Put32(bytes, 40);
  Put32(bytes, static_cast<std::uint32_t>(width));
  Put32(bytes, static_cast<std::uint32_t>(height));
  Put16(bytes, 1);
  Put16(bytes, static_cast<std::uint32_t>(bits));
  Put32(bytes, static_cast<std::uint32_t>(compression));
  Put32(bytes, static_cast<std::uint32_t>(pixels.size()));
  Put32(bytes, 2835);
  Put32(bytes, 2835);
  Put32(bytes, static_cast<std::uint32_t>(palette.size() / 4));
  Put32(bytes, 0);
  return bytes + palette + pixels;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += static_cast<char>(v);
  return bytes;
}

void PutPictures(const fs::path& folder) {
  Put(folder, "1x1.bmp", WrittenPicture(1, 1));
  Put(folder, "3x2.bmp", WrittenPicture(3, 2));
  Put(folder, "7x5.bmp", WrittenPicture(7, 5));
  Put(folder, "1x9.bmp", WrittenPicture(1, 9));
  // Rows stored top-down (a negative height).
  Put(folder, "topdown.bmp",
      OtherPicture(2, -2, 24, 0, "", Bytes({0, 0, 255, 255, 0, 0, 0, 0,  //
                                            0, 255, 0, 0, 255, 255, 0, 0})));
  // One, four and eight bits a pixel, with a palette of black, grey, white and red.
  const std::string palette = Bytes({0, 0, 0, 0, 128, 128, 128, 0, 255, 255, 255, 0, 0, 0, 255, 0});
  Put(folder, "1bit.bmp",
      OtherPicture(9, 2, 1, 0, palette.substr(0, 8), Bytes({0xaa, 0x80, 0, 0, 0x55, 0, 0, 0})));
  Put(folder, "4bit.bmp",
      OtherPicture(3, 2, 4, 0, palette, Bytes({0x01, 0x20, 0, 0, 0x32, 0x10, 0, 0})));
  Put(folder, "8bit.bmp", OtherPicture(2, 2, 8, 0, palette, Bytes({1, 2, 0, 0, 3, 0, 0, 0})));
  // Run-length coded: two runs, an end of line, a literal run, the end of the picture.
  Put(folder, "rle8.bmp",
      OtherPicture(4, 2, 8, 1, palette, Bytes({2, 1, 2, 2, 0, 0, 0, 4, 3, 2, 1, 0, 0, 1})));
  // Thirty-two bits a pixel.
  Put(folder, "32bit.bmp",
      OtherPicture(2, 1, 32, 0, "", Bytes({0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0})));
}

// Inputs that once read a value a save wrote back as something the next start read
// differently (the values they read are checked by tests/store/FuzzFindingsTest.cpp).
void PutFindings(const fs::path& root) {
  for (const char* delay : {".51", "2.25", "0.04", "1e9"})
    Put(root / "settings", std::string("timer") + delay, std::string("TimerDelay!:\r\n") + delay + "\r\n");
  // Texts that begin with a blank or a quote, and a number in quotes with blanks before it.
  Presets presets;
  presets.PresetTable[1][8] = " A", presets.PresetTable[2][8] = "   ", presets.PresetTable[3][8] = "\"B\"C";
  presets.PresetTable[4][8] = "\t\"D", presets.PresetTable[5][1] = " Letter";
  presets.PresetTable[5][20] = "\"spare\" one\r\nline", presets.PresetTable[6][6] = " 999";
  std::string quoted = PresetFileText(presets);
  Put(root / "presets", "quotes", quoted);
  Put(root / "presets", "quoted-number", quoted.replace(quoted.find("\r\n 999\r\n"), 8, "\r\n\"   7\"\r\n"));
  Put(root / "lettersets", "tab-quote",
      "Set\r\n 2 , 2 , 20 \r\n 40 ,\t \"0 5\",AB\r\n 20 ,\t\t\"C,D\" ,\tEF\r\n");
}

// The folder a first start leaves, as one input of the start harness. The second seed has a
// stored preset and a monitor window placed left of the primary monitor, which give the files
// their less common forms.
void PutStartedFolders(const fs::path& root) {
  const fs::path folder = root / "started";
  for (int seed = 1; seed <= 2; ++seed) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    State state = StartOn(folder.string());
    if (seed == 2) {
      state.chart.JustOneLetter = "Q", state.monitors.MonitorRect[2] = {0, -1280, -20, 0, 1004};
      state.settings.MonitorWindowX[1] = -900;
      int preset = 36;
      MemoryPreset(state, PresetAction::Store, preset);
    }
    std::string input;
    for (const std::string& name : StartFileNames())
      input += ReadWholeFile((folder / name).string()).value_or("") + kFileSeparator;
    input.pop_back();
    Put(root / "startup", "started" + std::to_string(seed), input);
  }
  fs::remove_all(folder);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const fs::path root = argv[1];
  State state;
  state.monitors.NumberOfMonitors = 2;
  state.monitors.MonitorRect[1] = {0, 0, 0, 1920, 1080};
  state.monitors.MonitorRect[2] = {0, -1280, 0, 0, 1024};
  state.monitors.MasterScaleX[1] = state.monitors.MasterScaleY[1] = 348;
  ApplyDefaultSettings(state.settings, state.monitors, 1);
  state.settings.TimerDelay = 12.5f;
  Put(root / "settings", "1lvconfig.cfg", SettingsFileText(state.settings, state.monitors, 1));
  Put(root / "monitordata", "lvmonitordata.cfg", MonitorDataText(state.monitors, state.settings));
  FillBuiltInPresets(state.presets);
  Put(root / "presets", "1presets.cfg", PresetFileText(state.presets));
  for (int f = 0; f <= kLetterSetFiles; ++f) {
    FillBuiltInLetterSet(state.letters, f);
    Put(root / "lettersets", "lv" + std::to_string(f) + ".let", LetterSetFileText(state.letters, f));
  }
  PutPictures(root / "bmp");
  PutFindings(root);
  PutStartedFolders(root);
  Put(root / "controlwindow", "lvcontrolwindow.cfg",
      ControlWindowFileText({-1270, 40, 900, 620}));
  Put(root / "display", "lvdisplay.cfg", DisplayFileText({1, 2.2}));
  PerMonitor<ScreenRecord> screens{};
  screens[1] = {true, "DEL", "U2419H", "7XK2", 1920, 1080, 1.25, 90, 0, 0};
  screens[2] = {true, "", "", "", 1280, 1024, 1, 0, 0, 0};
  Put(root / "screenidentity", "lvscreenidentity.cfg", ScreenIdentityFileText(screens));
  Put(root / "keyscript", "keys", "+m{Ctrl+F3}%{F3}{Backspace}{Enter}{Wait:1}{Click:10,-20}"
                                  "{Remote:m5}{Burst:ControlRemoteF12}{Menu:2/105}{{x");
  const std::string code(16, '\x42');
  const std::string phone = "0123456789abcdef0123456789abcdef";
  Put(root / "phonemessage", "greeting", SignPhoneMessage(code, phone, 1700000000000, ""));
  Put(root / "phonemessage", "input", SignPhoneMessage(code, phone, 6, "m12"));
  Put(root / "phonemessage", "other", SignPhoneMessage(code, phone, 7, "\r"));
  return 0;
}
