#include "app/MenuCommands.h"

#include <map>

#include "app/AboutBox.h"
#include "app/MemoryKeys.h"
#include "app/MenuDefinitions.h"
#include "app/SnellenEntry.h"
#include "platform/KeyTranslation.h"
#include "platform/qt/Shell.h"

namespace lenvari {
namespace {

constexpr const char* kOwnInputPrefix = "Menu:";

std::string Ctrl(char letter) { return std::string(1, static_cast<char>(letter - 'A' + 1)); }

std::string FunctionKey(int n) {
  if (n == 11) return ExtendedKey(keycode::F11);
  if (n == 12) return ExtendedKey(keycode::F12);
  return ExtendedKey(keycode::F1 + n - 1);
}

// Items whose label names a quick key, by command id.
const std::map<int, std::string>& QuickKeyItems() {
  using namespace keycode;
  static const std::map<int, std::string> items = {
      {100, Ctrl('Q')},        {1300, Ctrl('C')},       {300, "-"},
      {381, "+"},              {382, "g"},              {201, "|"},
      {202, "="},              {206, ExtendedKey(Up)},  {207, ExtendedKey(Down)},
      {203, "/"},              {208, ExtendedKey(Right)}, {209, ExtendedKey(Left)},
      {204, "."},              {205, "m"},              {511, "r"},
      {701, "a"},              {702, "j"},              {703, "s"},
      {704, "w"},              {710, "d"},              {705, "b"},
      {708, "*"},              {706, "e"},              {707, "c"},
      {712, "v"},              {137, Ctrl('Y')},        {187, "y"},
      {1001, "q"},             {1002, "q"}};
  return items;
}

// The items that have an action of their own (the others of the unreachable menus have none).
bool HasOwnAction(int menu, int id) {
  if (menu == 2 && id == 180) return true;                 // the company's web page
  if (menu == 3 && id >= 302 && id <= 380) return true;    // sizes
  if (menu == 5 && id >= 501 && id <= 510) return true;    // letter-set files
  if (menu == 10 && id >= 113 && id <= 136) return true;   // store 13 .. 36
  if (menu == 11 && id >= 163 && id <= 186) return true;   // recall 13 .. 36
  return (menu == 1 && id == 1000) || (menu == 12 && id == 1003);
}

void ChooseLetterSetFile(ChartState& chart, const LetterSets& letters, int file) {
  chart.DispFlag = 0;
  chart.Mode = "Letter";
  chart.LetterSetFileNum = file;
  if (letters.NumLetterSets[file] < chart.LetterSet) chart.LetterSet = 1;
  chart.JustOneLetter = "";
}

}  // namespace

MenuItemInput MenuInput(int menu, int id) {
  const auto& keys = QuickKeyItems();
  // Id 180 also names item "30" of the recall menu; that one recalls preset 30.
  if (!(menu == 11 && id == 180)) {
    if (auto found = keys.find(id); found != keys.end()) return {found->second, false};
    if (id >= 101 && id <= 112) return {FunctionKey(id - 100), true};
    if (id >= 151 && id <= 162) return {FunctionKey(id - 150), false};
    if (id >= 1665 && id <= 1690) return {std::string(1, static_cast<char>('A' + id - 1665))};
  }
  if (!HasOwnAction(menu, id)) return {};
  return {kOwnInputPrefix + std::to_string(menu) + "/" + std::to_string(id)};
}

bool IsMenuCommandInput(const std::string& input) { return input.rfind(kOwnInputPrefix, 0) == 0; }

bool RunMenuCommand(ProgramContext& context, const std::string& input) {
  const std::string numbers = input.substr(std::string(kOwnInputPrefix).size());
  const size_t slash = numbers.find('/');
  if (slash == std::string::npos) return false;
  const int menu = std::atoi(numbers.c_str());
  const int id = std::atoi(numbers.c_str() + slash + 1);
  if (!HasOwnAction(menu, id)) return false;
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
