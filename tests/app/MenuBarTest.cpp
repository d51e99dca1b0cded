// The menu bar: its labels, what each item hands to the input wait, and the items
// chosen through the real program.

#include <gtest/gtest.h>

#include <set>

#include "app/commands/MenuCommands.h"
#include "app/commands/MenuDefinitions.h"
#include "platform/KeyTranslation.h"
#include "platform/MenuDefinitionText.h"
#include "store/BuiltInLetterSets.h"
#include "support/FakeConsoleHost.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

LetterSets NamedFiles() {
  LetterSets letters;
  for (int i = 1; i <= kLetterSetFiles; ++i) letters.LetterSetName[i] = "Set " + std::to_string(i);
  return letters;
}

std::string Definition(const std::vector<MenuText>& menus, int number) {
  for (const MenuText& menu : menus)
    if (menu.number == number) return menu.definition;
  ADD_FAILURE() << "no menu " << number;
  return "";
}

}  // namespace

TEST(MenuBar, SizeLabelsFollowTheNotationAndLetterSetNamesCannotBreakTheChartMenu) {
  LetterSets letters = NamedFiles();
  letters.LetterSetName[2] = "";             // no name: an empty label, id kept
  letters.LetterSetName[3] = "Mine | yours";
  const auto metric = MenuDefinitions(letters, 6);
  const std::string size = Definition(metric, 3);
  const std::string decimal = Definition(MenuDefinitions(letters, 1), 3);
  for (const auto& [definition, item] :
       {std::pair{size, "|6/6=304|"}, {size, "|6/4.5=303|"}, {size, "|6/60=350|"},
        {Definition(metric, 14), "|6/12=1408|"}, {decimal, "|0.5=308|"}})
    EXPECT_NE(definition.find(item), std::string::npos) << definition;
  std::vector<MenuItemDefinition> items;
  ASSERT_TRUE(ParseMenuDefinition(Definition(metric, 5), items));
  EXPECT_EQ(Tie(items[1].text, items[1].number, items[2].number, items[3].number), Tie("", 502, 503, 504));

  // A host that refuses a definition: its line on the console, and the rest still defined.
  struct RefusingHost : FakeConsoleHost {
    int MenuDefinition(int number, const std::string& definition) override {
      FakeConsoleHost::MenuDefinition(number, definition);
      return number == 5 ? 1 : 0;
    }
  } host;
  ProgramContext context(host);
  BuildMenus(context);
  EXPECT_EQ(Tie(host.printed, host.menus.size()), Tie("ERROR IN MENU 5\n", 20u));
}

TEST(MenuBar, EveryReachableItemHandsTheInputWaitSomething) {
  const auto menus = MenuDefinitions(NamedFiles(), 20);
  std::set<int> reached = {1};
  std::vector<int> open = {1};
  std::set<std::string> ownInputs;
  while (!open.empty()) {
    const int number = open.back();
    open.pop_back();
    std::vector<MenuItemDefinition> items;
    ASSERT_TRUE(ParseMenuDefinition(Definition(menus, number), items));
    for (const auto& item : items) {
      if (item.kind == MenuItemDefinition::Kind::Submenu && reached.insert(item.number).second)
        open.push_back(item.number);
      if (item.kind != MenuItemDefinition::Kind::Command) continue;
      const MenuItemInput input = MenuInput(number, item.number);
      EXPECT_FALSE(input.input.empty()) << number << "/" << item.number;
      if (IsMenuCommandInput(input.input))
        EXPECT_TRUE(ownInputs.insert(input.input).second) << input.input;
    }
  }
  EXPECT_EQ(reached, (std::set<int>{1, 2, 3, 4, 5, 7, 10, 11, 12, 16}));
  std::vector<MenuItemDefinition> items;
  for (const MenuText& menu : menus)
    EXPECT_TRUE(ParseMenuDefinition(menu.definition, items)) << "menu " << menu.number;
  // Items naming a key hand over that key (Ctrl held for the stores: the run below).
  EXPECT_EQ(Tie(MenuInput(3, 300).input, MenuInput(4, 206).input, MenuInput(16, 1672).input,
                MenuInput(11, 162).input),
            Tie("-", ExtendedKey(keycode::Up), "H", ExtendedKey(keycode::F12)));
  EXPECT_FALSE(MenuInput(11, 162).ctrl);
  EXPECT_EQ(MenuInput(2, 100).input, "\x11");
  // The doubled id: the web page and the recall of preset 30 are two different inputs.
  EXPECT_NE(MenuInput(2, 180).input, MenuInput(11, 180).input);
  // Items of the menus nothing opens do nothing.
  EXPECT_EQ(Tie(MenuInput(8, 801).input, MenuInput(21, 2104).input), Tie("", ""));
}

// What each item hands over is the table's own test above; the program acts on it. 20/20, "H",
// store 8 (Ctrl held), recall 30 through the recall menu's doubled id, and the menu bar hidden
// (no frame).
TEST(MenuBar, ItemsChosenInTheProgramActLikeTheirKeys) {
  const ProgramRunResult run = RunWell(ScriptRequest(
      "{Menu:304}{Menu:1672}{Menu:108}{Menu:11/180}{Menu:1/1000}", FreshFolder("data")));
  ASSERT_EQ(run.FrameCount(), 5) << run.errors;
  // The largest row shown is the 20/20 one, in the file the start showed.
  ExpectFrame(run, 2, {{"SizeNow", 3}, {"LetterSetFileNum", 6}});
  ExpectFrame(run, 3, {{"JustOneLetter", "H"}, {"HShutter", 1}});
  ExpectFrame(run, 4, {{"CurrentMemory", 8}, {"JustOneLetter", "H"}});
  ExpectFrame(run, 5, {{"CurrentMemory", 30}});
}

}  // namespace lenvari
