#include "app/commands/MenuCommands.h"

#include "app/examiner/AboutBox.h"
#include "app/commands/MemoryKeys.h"
#include "app/commands/MenuDefinitions.h"
#include "app/commands/SnellenEntry.h"
#include "platform/qt/Shell.h"

namespace lenvari {
namespace {

constexpr const char* kOwnInputPrefix = "Menu:";

void ChooseLetterSetFile(ChartState& chart, const LetterSets& letters, int file) {
  chart.DispFlag = 0;
  chart.Mode = ChartMode::Letter;
  chart.LetterSetFileNum = file;
  if (letters.NumLetterSets[file] < chart.LetterSet) chart.LetterSet = 1;
  chart.JustOneLetter = "";
}

}  // namespace

MenuItemInput MenuInput(int menu, int id) {
  const MenuEntry* item = FindMenuCommand(menu, id);
  if (!item) return {};
  if (item->own) return {kOwnInputPrefix + std::to_string(menu) + "/" + std::to_string(id)};
  return {item->key, item->ctrl};
}

bool IsMenuCommandInput(const std::string& input) { return input.rfind(kOwnInputPrefix, 0) == 0; }

bool RunMenuCommand(ProgramContext& context, const std::string& input) {
  const std::string numbers = input.substr(std::string(kOwnInputPrefix).size());
  const size_t slash = numbers.find('/');
  if (slash == std::string::npos) return false;
  const int menu = std::atoi(numbers.c_str());
  const int id = std::atoi(numbers.c_str() + slash + 1);
  if (const MenuEntry* item = FindMenuCommand(menu, id); !item || !item->own) return false;
  ChartState& chart = context.state.chart;
  switch (menu) {
    case 1:
      context.console.ShowMenuBar(false);
      return false;
    case 2:
      OpenWithDefaultHandler(kCompanyAddress);
      return false;
    case 3:
      for (const MenuSize& size : kMenuSizes)
        if (300 + size.offset == id)
          ApplySnellenEntry(chart, context.state.letters, std::to_string(size.denominator));
      return true;
    case 5:
      ChooseLetterSetFile(chart, context.state.letters, id - 500);
      return true;
    case 10:
      chart.CurrentMemory = id - 100;
      StoreCurrentMemory(context);
      return true;
    case 11:
      chart.CurrentMemory = id - 150;
      RecallCurrentMemory(context);
      return true;
    case 12:
      ShowAboutBox(context);
      return false;
  }
  return false;
}

}  // namespace lenvari
