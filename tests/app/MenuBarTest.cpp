// The menu bar: its definition texts, what each item hands to the input wait, and the items
// chosen through the real program.

#include <gtest/gtest.h>

#include <QJsonArray>

#include <set>

#include "app/MenuCommands.h"
#include "app/MenuDefinitions.h"
#include "platform/KeyTranslation.h"
#include "platform/MenuDefinitionText.h"
#include "store/BuiltInLetterSets.h"
#include "support/FakeConsoleHost.h"
#include "support/ProgramRun.h"

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

TEST(MenuBar, DefinitionTextsInOrderWithTheirLabelsIdsAndSeparators) {
  const auto menus = MenuDefinitions(NamedFiles(), 20);
  std::vector<int> order;
  for (const MenuText& menu : menus) order.push_back(menu.number);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19,
                                     20, 21, 22}));
  EXPECT_EQ(Definition(menus, 1),
            "File>2|Chart>5|Size>3|Shutter>4|Special>7|Configuration=1300|Help>12|"
            "Hide Menu=1000");
  EXPECT_EQ(Definition(menus, 3),
            "Decrease\\t[-]=300|20/10=302|20/15=303|20/20=304|20/25=305|20/30=306|20/40=308|"
            "20/50=310|20/60=312|20/80=316|20/100=320|20/150=330|20/200=350|20/300=360|"
            "20/400=380|Increase\\t[+]=381|Gradient Mode\\t[g]=382");
  EXPECT_EQ(Definition(menus, 4),
            "Full Open=201|Single Row=202|Increase Rows\\t[up arrow]=206|"
            "Decrease Rows\\t[down arrow]=207|Single Column=203|"
            "Increase Columns\\t[right arrow]=208|Decrease Columns\\t[left arrow]=209|"
            "Single Letter\\t[.]=204|Mask\\t[m]=205");
  EXPECT_EQ(Definition(menus, 5),
            "Set 1=501|Set 2=502|Set 3=503|Set 4=504|Set 5=505|Set 6=506|Set 7=507|Set 8=508|"
            "Set 9=509|Set 10=510|-|Display Single Letter>16|-|Randomize  [r]=511");
  EXPECT_EQ(Definition(menus, 7),
            "Display Astigmatism Target\\t[a]=701-|Display JCC Target (Shower Drain)\\t[j]=702-|"
            "Low Contrast Mode\\t[s]=703|-|Display Worth Dot Test\\t[w]=704|-|"
            "Fixation Disparity\\t[d]=710|-|Red-Green Overlay (balance)\\t[b]=705|"
            "Strong Light\\t[*]=708|Tumbling E\\t[e]=706|Landolt C\\t[c]=707|-|"
            "Play Video\\t[v]=712");
  EXPECT_EQ(Definition(menus, 8), "Dial with labels=801|Dial (no labels)=802");
  EXPECT_EQ(Definition(menus, 9), "3%=903|5%=905|10%=910|20%=920|30%=930|40%=940|50%=950");
  const std::string save = Definition(menus, 10);
  EXPECT_EQ(save.substr(0, 47), "Save to F1\\t[Ctrl+F1]=101|Save to F2\\t[Ctrl+F2]");
  EXPECT_NE(save.find("Save to F12\\t[Ctrl+F12]=112|-|Save using Gallery View=137|^|13=113|"),
            std::string::npos);
  EXPECT_NE(save.find("|24=124|^|25=125|"), std::string::npos);
  EXPECT_EQ(save.substr(save.size() - 7), "|36=136");
  const std::string recall = Definition(menus, 11);
  EXPECT_NE(recall.find("Load from F12\\t[F12]=162|-|Load using Gallery View=187|^|13=163|"),
            std::string::npos);
  EXPECT_NE(recall.find("|29=179|30=180|"), std::string::npos);
  EXPECT_EQ(Definition(menus, 12),
            "Basic Quick Key List=1001|Complete Quick-Key List=1002|About=1003");
  EXPECT_EQ(Definition(menus, 14),
            "No Labels=1400|20/10=1402|20/15=1403|20/20=1404|20/25=1405|20/30=1406|20/40=1408|"
            "20/50=1410|20/60=1412");
  EXPECT_EQ(Definition(menus, 15), "1=1501|2=1502|3=1503|4=1504|5=1505|6=1506|7=1507|8=1508|"
                                   "9=1509|10=1510");
  const std::string letters = Definition(menus, 16);
  EXPECT_EQ(letters.substr(0, 13), "A=1665|B=1666");
  EXPECT_NE(letters.find("I=1673|^|J=1674"), std::string::npos);
  EXPECT_NE(letters.find("R=1682|^|S=1683"), std::string::npos);
  EXPECT_EQ(letters.substr(letters.size() - 6), "Z=1690");
  EXPECT_EQ(Definition(menus, 17).substr(0, 22), "20/10=1702|20/15=1703|");
  EXPECT_EQ(Definition(menus, 18), "Red/Green=1801|Red/Blue=1802");
  EXPECT_EQ(Definition(menus, 19), "4 Dot=1901|3 Dot=1902");
  EXPECT_EQ(Definition(menus, 20), "20 feet=2001|6 meter=2002|Decimal=2003");
  EXPECT_EQ(Definition(menus, 21).substr(Definition(menus, 21).size() - 11), "20/400=2180");
  EXPECT_EQ(Definition(menus, 22), "");

  // Every text reads; menu 7's "-" right after an id is that item followed by a separator.
  std::vector<MenuItemDefinition> items;
  for (const MenuText& menu : menus)
    EXPECT_TRUE(ParseMenuDefinition(menu.definition, items)) << "menu " << menu.number;
  ASSERT_TRUE(ParseMenuDefinition(Definition(menus, 7), items));
  ASSERT_GE(items.size(), 4u);
  EXPECT_EQ(items[0].number, 701);
  EXPECT_EQ(items[0].hint, "[a]");
  EXPECT_EQ(items[1].kind, MenuItemDefinition::Kind::Separator);
  EXPECT_EQ(items[2].number, 702);
  EXPECT_EQ(items[3].kind, MenuItemDefinition::Kind::Separator);
}

TEST(MenuBar, SizeLabelsFollowTheNotationAndLetterSetNamesCannotBreakTheChartMenu) {
  LetterSets letters = NamedFiles();
  letters.LetterSetName[2] = "";             // no name: an empty label, id kept
  letters.LetterSetName[3] = "Mine | yours";
  const auto metric = MenuDefinitions(letters, 6);
  const std::string size = Definition(metric, 3);
  EXPECT_NE(size.find("|6/6=304|"), std::string::npos) << size;
  EXPECT_NE(size.find("|6/4.5=303|"), std::string::npos) << size;
  EXPECT_NE(size.find("|6/60=350|"), std::string::npos) << size;
  EXPECT_NE(Definition(metric, 14).find("|6/12=1408|"), std::string::npos);
  const auto decimal = MenuDefinitions(letters, 1);
  EXPECT_NE(Definition(decimal, 3).find("|0.5=308|"), std::string::npos)
      << Definition(decimal, 3);
  std::vector<MenuItemDefinition> items;
  ASSERT_TRUE(ParseMenuDefinition(Definition(metric, 5), items));
  EXPECT_EQ(items[1].text, "");
  EXPECT_EQ(items[1].number, 502);
  EXPECT_EQ(items[2].number, 503);
  EXPECT_EQ(items[3].number, 504);

  // A host that refuses a definition: its line on the console, and the rest still defined.
  struct RefusingHost : FakeConsoleHost {
    int MenuDefinition(int number, const std::string& definition) override {
      FakeConsoleHost::MenuDefinition(number, definition);
      return number == 5 ? 1 : 0;
    }
  } host;
  ProgramContext context(host);
  BuildMenus(context);
  EXPECT_EQ(host.printed, "ERROR IN MENU 5\n");
  EXPECT_EQ(host.menus.size(), 20u);
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
  // Items naming a key hand over that key, Ctrl held for the stores.
  EXPECT_EQ(MenuInput(3, 300).input, "-");
  EXPECT_EQ(MenuInput(4, 206).input, ExtendedKey(keycode::Up));
  EXPECT_EQ(MenuInput(16, 1672).input, "H");
  EXPECT_EQ(MenuInput(11, 162).input, ExtendedKey(keycode::F12));
  EXPECT_FALSE(MenuInput(11, 162).ctrl);
  EXPECT_EQ(MenuInput(10, 111).input, ExtendedKey(keycode::F11));
  EXPECT_TRUE(MenuInput(10, 111).ctrl);
  EXPECT_EQ(MenuInput(1, 100).input, "\x11");
  // The doubled id: the web page and the recall of preset 30 are two different inputs.
  EXPECT_NE(MenuInput(2, 180).input, MenuInput(11, 180).input);
  // Items of the menus nothing opens do nothing.
  EXPECT_EQ(MenuInput(8, 801).input, "");
  EXPECT_EQ(MenuInput(21, 2104).input, "");
}

TEST(MenuBar, ItemsChosenInTheProgramActLikeTheirKeys) {
  ProgramRunRequest request;
  request.dataDir = FreshFolder("data");
  // 20/20, file 3, "H", store 8, Full Open, recall 8, recall 30 through the recall menu's
  // doubled id, the cross-cylinder target, and the menu bar hidden (no frame).
  request.keys = "{Menu:304}{Menu:503}{Menu:1672}{Menu:108}{Menu:201}{Menu:158}"
                 "{Menu:11/180}{Menu:702}{Menu:1/1000}";
  ProgramRunResult run = RunProgram(request);
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.output.find("ERROR IN MENU"), std::string::npos) << run.output;
  EXPECT_EQ(run.errors.find("no menu item"), std::string::npos) << run.errors;
  ASSERT_EQ(run.FrameCount(), 9);
  // The largest row shown is the 20/20 one, in the file the start showed.
  EXPECT_EQ(run.FrameState(1)["SizeNow"].toInt(), 6);
  EXPECT_EQ(run.FrameState(2)["SizeNow"].toInt(), 3);
  EXPECT_EQ(run.FrameState(2)["LetterSetFileNum"].toInt(), 6);
  const QJsonArray text = run.FrameState(2)["MonitorText"].toArray();
  ASSERT_FALSE(text.isEmpty());
  EXPECT_TRUE(text[0].toString().startsWith("20/20 ")) << text[0].toString().toStdString();
  EXPECT_EQ(run.FrameState(3)["LetterSetFileNum"].toInt(), 3);
  EXPECT_EQ(run.FrameState(3)["Mode"].toString(), "Letter");
  EXPECT_EQ(run.FrameState(4)["JustOneLetter"].toString(), "H");
  EXPECT_EQ(run.FrameState(4)["HShutter"].toInt(), 1);
  EXPECT_EQ(run.FrameState(5)["CurrentMemory"].toInt(), 8);
  EXPECT_EQ(run.FrameState(6)["HShutter"].toInt(), 999);
  // Recalling 8 brings back the single "H" of file 3.
  EXPECT_EQ(run.FrameState(7)["CurrentMemory"].toInt(), 8);
  EXPECT_EQ(run.FrameState(7)["JustOneLetter"].toString(), "H");
  EXPECT_EQ(run.FrameState(7)["HShutter"].toInt(), 1);
  EXPECT_EQ(run.FrameState(8)["CurrentMemory"].toInt(), 30);
  EXPECT_EQ(run.FrameState(9)["Mode"].toString(), "JacksonCross");

  // Preset 8 survives a restart.
  request.keys = "{Menu:158}";
  run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_EQ(run.FrameCount(), 2);
  EXPECT_EQ(run.LastState()["JustOneLetter"].toString(), "H");
  EXPECT_EQ(run.LastState()["LetterSetFileNum"].toInt(), 3);
}

}  // namespace lenvari
