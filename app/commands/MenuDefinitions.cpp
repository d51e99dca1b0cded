#include "app/commands/MenuDefinitions.h"

#include "common/AcuityNotation.h"
#include "platform/KeyTranslation.h"

namespace lenvari {
namespace {

constexpr const char* kTab = "\\t";  // the console host turns it into the tab before a hint

using Kind = MenuEntry::Kind;

MenuEntry Entry(Kind kind, const std::string& label = "", int id = 0) {
  MenuEntry entry;
  entry.kind = kind;
  entry.label = label;
  entry.id = id;
  return entry;
}

MenuEntry Key(const std::string& label, int id, const std::string& key, bool ctrl = false) {
  MenuEntry entry = Entry(Kind::Command, label, id);
  entry.key = key;
  entry.ctrl = ctrl;
  return entry;
}

MenuEntry Own(const std::string& label, int id) {
  MenuEntry entry = Entry(Kind::Command, label, id);
  entry.own = true;
  return entry;
}

MenuEntry Inert(const std::string& label, int id) { return Entry(Kind::Command, label, id); }
MenuEntry Submenu(const std::string& label, int n) { return Entry(Kind::Submenu, label, n); }
MenuEntry Separator() { return Entry(Kind::Separator); }
MenuEntry ColumnBreak() { return Entry(Kind::ColumnBreak); }

std::string FunctionKey(int n) {
  if (n == 11) return ExtendedKey(keycode::F11);
  if (n == 12) return ExtendedKey(keycode::F12);
  return ExtendedKey(keycode::F1 + n - 1);
}

std::string SizeLabel(int denominator, int acuityBase) {
  return ConvertAcuity("20/" + std::to_string(denominator), acuityBase);
}

// Size items with ids base + offset, for the first `count` sizes.
void AddSizes(std::vector<MenuEntry>& items, int base, int acuityBase, bool own, int count = 14) {
  for (int i = 0; i < count; ++i) {
    const std::string label = SizeLabel(kMenuSizes[i].denominator, acuityBase);
    const int id = base + kMenuSizes[i].offset;
    items.push_back(own ? Own(label, id) : Inert(label, id));
  }
}

// A "|" in a letter-set name would split its item in two and lose the whole Chart menu.
std::string MenuLabel(std::string name) {
  for (char& c : name)
    if (c == '|') c = '/';
  return name;
}

// The save and recall menus: F1..F12 by name with their keys, the gallery, then 13..36 in two
// more columns. Only the words, the key's modifier and the first item number differ.
std::vector<MenuEntry> PresetMenu(const std::string& verb, bool ctrl,
                                  const std::string& galleryItem, const std::string& galleryKey,
                                  int firstId) {
  std::vector<MenuEntry> items;
  const std::string modifier = ctrl ? "Ctrl+" : "";
  for (int n = 1; n <= 12; ++n) {
    // Appended, not prepended: GCC 12's optimiser reports a false overlap for "F" + text.
    std::string name = "F";
    name += std::to_string(n);
    items.push_back(Key(verb + " " + name + kTab + "[" + modifier + name + "]", firstId + n,
                        FunctionKey(n), ctrl));
  }
  items.insert(items.end(),
               {Separator(), Key(galleryItem, firstId + 37, galleryKey), ColumnBreak()});
  for (int n = 13; n <= 36; ++n) {
    if (n == 25) items.push_back(ColumnBreak());
    items.push_back(Own(std::to_string(n), firstId + n));
  }
  return items;
}

std::vector<MenuEntry> SingleLetterMenu() {
  std::vector<MenuEntry> items;
  for (char c = 'A'; c <= 'Z'; ++c) {
    if (c == 'J' || c == 'S') items.push_back(ColumnBreak());
    items.push_back(Key(std::string(1, c), 1665 + (c - 'A'), std::string(1, c)));
  }
  return items;
}

std::vector<MenuEntry> Numbered(const std::vector<int>& numbers, const std::string& suffix,
                                int base) {
  std::vector<MenuEntry> items;
  for (int n : numbers) items.push_back(Inert(std::to_string(n) + suffix, base + n));
  return items;
}

std::string DefinitionText(const Menu& menu) {
  std::string text;
  bool glued = false;  // the last item ended in its own "-|"
  for (const MenuEntry& e : menu.entries) {
    if (!text.empty() && !glued) text += "|";
    glued = false;
    switch (e.kind) {
      case Kind::Command:
        text += e.label + "=" + std::to_string(e.id);
        if (e.separatorAfterId) text += "-|", glued = true;
        break;
      case Kind::Submenu: text += e.label + ">" + std::to_string(e.id); break;
      case Kind::Separator: text += "-"; break;
      case Kind::ColumnBreak: text += "^"; break;
    }
  }
  return text;
}

}  // namespace

std::vector<Menu> MenuTable(const LetterSets& letters, int acuityBase) {
  using namespace keycode;
  const std::string t = kTab;
  std::vector<Menu> menus;
  menus.push_back({1, {Submenu("File", 2), Submenu("Chart", 5), Submenu("Size", 3),
                       Submenu("Shutter", 4), Submenu("Special", 7),
                       Key("Configuration", 1300, CtrlKey('C')), Submenu("Help", 12),
                       Own("Hide Menu", 1000)}});
  menus.push_back({2, {Submenu("Save to Memory", 10), Submenu("Recall from Memory", 11),
                       Own("Visit www.lenvari.com", 180), Key("Exit", 100, CtrlKey('Q'))}});
  std::vector<MenuEntry> size = {Key("Decrease" + t + "[-]", 300, "-")};
  AddSizes(size, 300, acuityBase, true);
  size.push_back(Key("Increase" + t + "[+]", 381, "+"));
  size.push_back(Key("Gradient Mode" + t + "[g]", 382, "g"));
  menus.push_back({3, size});
  menus.push_back({4, {Key("Full Open", 201, "|"), Key("Single Row", 202, "="),
                       Key("Increase Rows" + t + "[up arrow]", 206, ExtendedKey(Up)),
                       Key("Decrease Rows" + t + "[down arrow]", 207, ExtendedKey(Down)),
                       Key("Single Column", 203, "/"),
                       Key("Increase Columns" + t + "[right arrow]", 208, ExtendedKey(Right)),
                       Key("Decrease Columns" + t + "[left arrow]", 209, ExtendedKey(Left)),
                       Key("Single Letter" + t + "[.]", 204, "."),
                       Key("Mask" + t + "[m]", 205, "m")}});
  std::vector<MenuEntry> chart;
  for (int i = 1; i <= kLetterSetFiles; ++i)
    chart.push_back(Own(MenuLabel(letters.LetterSetName[i]), 500 + i));
  chart.insert(chart.end(), {Separator(), Submenu("Display Single Letter", 16), Separator(),
                             Key("Randomize  [r]", 511, "r")});
  menus.push_back({5, chart});
  MenuEntry astigmatism = Key("Display Astigmatism Target" + t + "[a]", 701, "a");
  MenuEntry cross = Key("Display JCC Target (Shower Drain)" + t + "[j]", 702, "j");
  astigmatism.separatorAfterId = cross.separatorAfterId = true;
  menus.push_back({7, {astigmatism, cross, Key("Low Contrast Mode" + t + "[s]", 703, "s"),
                       Separator(), Key("Display Worth Dot Test" + t + "[w]", 704, "w"),
                       Separator(), Key("Fixation Disparity" + t + "[d]", 710, "d"), Separator(),
                       Key("Red-Green Overlay (balance)" + t + "[b]", 705, "b"),
                       Key("Strong Light" + t + "[*]", 708, "*"),
                       Key("Tumbling E" + t + "[e]", 706, "e"),
                       Key("Landolt C" + t + "[c]", 707, "c"), Separator(),
                       Key("Play Video" + t + "[v]", 712, "v")}});
  menus.push_back({8, {Inert("Dial with labels", 801), Inert("Dial (no labels)", 802)}});
  menus.push_back({9, Numbered({3, 5, 10, 20, 30, 40, 50}, "%", 900)});
  menus.push_back({10, PresetMenu("Save to", true, "Save using Gallery View", CtrlKey('Y'), 100)});
  menus.push_back({11, PresetMenu("Load from", false, "Load using Gallery View", "y", 150)});
  menus.push_back({12, {Key("Basic Quick Key List", 1001, "q"),
                        Key("Complete Quick-Key List", 1002, "q"), Own("About", 1003)}});
  std::vector<MenuEntry> labels = {Inert("No Labels", 1400)};
  AddSizes(labels, 1400, acuityBase, false, 8);
  menus.push_back({14, labels});
  menus.push_back({15, Numbered({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "", 1500)});
  menus.push_back({16, SingleLetterMenu()});
  std::vector<MenuEntry> sizes17;
  AddSizes(sizes17, 1700, acuityBase, false);
  menus.push_back({17, sizes17});
  menus.push_back({18, {Inert("Red/Green", 1801), Inert("Red/Blue", 1802)}});
  menus.push_back({19, {Inert("4 Dot", 1901), Inert("3 Dot", 1902)}});
  menus.push_back({20, {Inert("20 feet", 2001), Inert("6 meter", 2002), Inert("Decimal", 2003)}});
  std::vector<MenuEntry> sizes21;
  AddSizes(sizes21, 2100, acuityBase, false);
  menus.push_back({21, sizes21});
  menus.push_back({22, {}});
  return menus;
}

const MenuEntry* FindMenuCommand(int menu, int id) {
  // What an item does depends on neither the labels' notation nor the letter-set names.
  static const std::vector<Menu> table = MenuTable(LetterSets{}, 20);
  for (const Menu& m : table) {
    if (m.number != menu) continue;
    for (const MenuEntry& e : m.entries)
      if (e.kind == Kind::Command && e.id == id) return &e;
  }
  return nullptr;
}

std::vector<MenuText> MenuDefinitions(const LetterSets& letters, int acuityBase) {
  std::vector<MenuText> texts;
  for (const Menu& menu : MenuTable(letters, acuityBase))
    texts.push_back({menu.number, DefinitionText(menu)});
  return texts;
}

void BuildMenus(ProgramContext& context) {
  for (const MenuText& menu :
       MenuDefinitions(context.state.letters, context.state.settings.AcuityBase)) {
    if (context.console.MenuDefinition(menu.number, menu.definition) != 0)
      context.console.Print("ERROR IN MENU " + std::to_string(menu.number) + "\n");
  }
}

}  // namespace lenvari
