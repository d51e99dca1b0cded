#include "app/loop/RunOptions.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace lenvari {
namespace {

// Qt's own options: read before Qt starts (to refuse a bad command line without a display),
// they are passed over here and left to Qt.
constexpr std::string_view kQtOptionsWithValue[] = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-display", "-geometry",
    "-qwindowgeometry", "-title", "-qwindowtitle", "-qwindowicon", "-name", "-style",
    "-stylesheet", "-session", "-qmljsdebugger"};
constexpr std::string_view kQtFlags[] = {"-reverse", "-nograb", "-dograb", "-sync", "-widgetcount"};

int QtOptionLength(std::string_view arg) {
  if (arg.starts_with("--")) arg.remove_prefix(1);  // Qt takes "--platform" as "-platform"
  for (std::string_view option : kQtOptionsWithValue)
    if (arg == option) return 2;
  for (std::string_view option : kQtFlags)
    if (arg == option) return 1;
  return 0;
}

}  // namespace

RunOptions ParseCommandLine(int argc, char** argv) {
  RunOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (const int qtLength = QtOptionLength(arg)) {
      i += qtLength - 1;
      continue;
    }
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) {
        options.error = arg + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--data-dir") {
      // An empty name would quietly mean the real data folder of this computer.
      if (value(options.dataDir) && options.dataDir.empty())
        options.error = "--data-dir needs a folder name";
    } else if (arg == "--keys") {
      options.hasKeys = value(options.keys);
    } else if (arg == "--answers") {
      options.hasAnswers = value(options.answers);
    } else if (arg == "--frames") {
      // Start-up makes the data folder the current one; the frames belong where the run began.
      std::error_code error;
      if (value(options.framesDir) && !options.framesDir.empty())
        options.framesDir = std::filesystem::absolute(options.framesDir, error).string();
    } else if (arg == "--seed") {
      std::string text;
      if (value(text)) {
        char* end = nullptr;
        const unsigned long seed = std::strtoul(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0') {
          options.error = "--seed needs a whole number, not \"" + text + "\"";
        } else {
          options.seed = static_cast<unsigned>(seed);
          options.hasSeed = true;
        }
      }
    } else {
      options.error = "unknown option \"" + arg + "\" (see --help)";
    }
    if (!options.error.empty()) break;
  }
  return options;
}

std::string HelpText() {
  return "Usage: LenvariMain [options]\n"
         "Lenvari Acuity: a computerised visual-acuity chart.\n"
         "\n"
         "  --help             lists these options\n"
         "  --version          prints the version\n"
         "  --data-dir DIR     uses DIR as the data folder (created when missing)\n"
         "  --keys SCRIPT      feeds the input from a key script and ends once it is used up\n"
         "                     (characters as themselves, {{ for a brace, {Enter} {Esc} {F1}\n"
         "                     {Ctrl+A} {Alt+S} {Click:X,Y} {Remote:TEXT} {Burst:TEXT}\n"
         "                     {Wait:S} and the other named inputs of the README)\n"
         "  --answers A;B;...  answers the modal windows in order: a button, radio button or\n"
         "                     check box caption to press, caption=value for a list, edit box\n"
         "                     or track bar, ?N for the N-th help button, or a text to type\n"
         "                     before OK (see the README)\n"
         "  --frames DIR       writes every frame of the patient display as PNG and JSON\n"
         "  --seed N           makes every random draw repeatable\n"
         "  -platform NAME     the window system platform, for example offscreen\n";
}

}  // namespace lenvari
