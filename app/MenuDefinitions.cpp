#include "app/MenuDefinitions.h"

#include "common/AcuityNotation.h"

namespace lenvari {
namespace {

constexpr const char* kTab = "\\t";  // the console host turns it into the tab before a hint

std::string Item(const std::string& label, int id) { return label + "=" + std::to_string(id); }
std::string Submenu(const std::string& label, int n) { return label + ">" + std::to_string(n); }

std::string Join(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : "|") + item;
  return text;
}

std::string SizeLabel(int denominator, int acuityBase) {
  return ConvertAcuity("20/" + std::to_string(denominator), acuityBase);
}

// Size items with ids base + offset, for the first `count` sizes.
void AddSizes(std::vector<std::string>& items, int base, int acuityBase, int count = 14) {
  for (int i = 0; i < count; ++i)
    items.push_back(Item(SizeLabel(kMenuSizes[i].denominator, acuityBase),
                         base + kMenuSizes[i].offset));
}

// A "|" in a letter-set name would split its item in two and lose the whole Chart menu.
std::string MenuLabel(std::string name) {
  for (char& c : name)
    if (c == '|') c = '/';
  return name;
}

// The save and recall menus: F1..F12 by name with their keys, the gallery, then 13..36 in two
// more columns. Only the words, the key's modifier and the first item number differ.
std::string PresetMenu(const std::string& verb, const std::string& modifier,
                       const std::string& galleryItem, int firstId) {
  std::vector<std::string> items;
  for (int n = 1; n <= 12; ++n) {
    // Appended, not prepended: GCC 12's optimiser reports a false overlap for "F" + text.
    std::string key = "F";
    key += std::to_string(n);
    items.push_back(Item(verb + " " + key + kTab + "[" + modifier + key + "]", firstId + n));
  }
  items.insert(items.end(), {"-", Item(galleryItem, firstId + 37), "^"});
  for (int n = 13; n <= 36; ++n) {
    if (n == 25) items.push_back("^");
    items.push_back(Item(std::to_string(n), firstId + n));
  }
  return Join(items);
}

std::string SingleLetterMenu() {
  std::vector<std::string> items;
  for (char c = 'A'; c <= 'Z'; ++c) {
    if (c == 'J' || c == 'S') items.push_back("^");
    items.push_back(Item(std::string(1, c), 1665 + (c - 'A')));
  }
  return Join(items);
}

}  // namespace

std::vector<MenuText> MenuDefinitions(const LetterSets& letters, int acuityBase) {
  const std::string t = kTab;
  std::vector<MenuText> menus;
  menus.push_back({1, Join({Submenu("File", 2), Submenu("Chart", 5), Submenu("Size", 3),
                            Submenu("Shutter", 4), Submenu("Special", 7),
                            Item("Configuration", 1300), Submenu("Help", 12),
                            Item("Hide Menu", 1000)})});
  menus.push_back({2, Join({Submenu("Save to Memory", 10), Submenu("Recall from Memory", 11),
                            Item("Visit www.lenvari.com", 180), Item("Exit", 100)})});
  std::vector<std::string> size = {Item("Decrease" + t + "[-]", 300)};
  AddSizes(size, 300, acuityBase);
  size.push_back(Item("Increase" + t + "[+]", 381));
  size.push_back(Item("Gradient Mode" + t + "[g]", 382));
  menus.push_back({3, Join(size)});
  menus.push_back({4, Join({Item("Full Open", 201), Item("Single Row", 202),
                            Item("Increase Rows" + t + "[up arrow]", 206),
                            Item("Decrease Rows" + t + "[down arrow]", 207),
                            Item("Single Column", 203),
                            Item("Increase Columns" + t + "[right arrow]", 208),
                            Item("Decrease Columns" + t + "[left arrow]", 209),
                            Item("Single Letter" + t + "[.]", 204), Item("Mask" + t + "[m]", 205)})});
  std::vector<std::string> chart;
  for (int i = 1; i <= kLetterSetFiles; ++i)
    chart.push_back(Item(MenuLabel(letters.LetterSetName[i]), 500 + i));
  chart.insert(chart.end(), {"-", Submenu("Display Single Letter", 16), "-",
                             Item("Randomize  [r]", 511)});
  menus.push_back({5, Join(chart)});
  // The first two items carry their separators directly after the id.
  menus.push_back({7, Item("Display Astigmatism Target" + t + "[a]", 701) + "-|" +
                          Item("Display JCC Target (Shower Drain)" + t + "[j]", 702) + "-|" +
                          Join({Item("Low Contrast Mode" + t + "[s]", 703), "-",
                                Item("Display Worth Dot Test" + t + "[w]", 704), "-",
                                Item("Fixation Disparity" + t + "[d]", 710), "-",
                                Item("Red-Green Overlay (balance)" + t + "[b]", 705),
                                Item("Strong Light" + t + "[*]", 708),
                                Item("Tumbling E" + t + "[e]", 706),
                                Item("Landolt C" + t + "[c]", 707), "-",
                                Item("Play Video" + t + "[v]", 712)})});
  menus.push_back({8, Join({Item("Dial with labels", 801), Item("Dial (no labels)", 802)})});
  std::vector<std::string> contrast;
  for (int percent : {3, 5, 10, 20, 30, 40, 50})
    contrast.push_back(Item(std::to_string(percent) + "%", 900 + percent));
  menus.push_back({9, Join(contrast)});
  menus.push_back({10, PresetMenu("Save to", "Ctrl+", "Save using Gallery View", 100)});
  menus.push_back({11, PresetMenu("Load from", "", "Load using Gallery View", 150)});
  menus.push_back({12, Join({Item("Basic Quick Key List", 1001),
                             Item("Complete Quick-Key List", 1002), Item("About", 1003)})});
  std::vector<std::string> labels = {Item("No Labels", 1400)};
  AddSizes(labels, 1400, acuityBase, 8);
  menus.push_back({14, Join(labels)});
  std::vector<std::string> numbers;
  for (int n = 1; n <= 10; ++n) numbers.push_back(Item(std::to_string(n), 1500 + n));
  menus.push_back({15, Join(numbers)});
  menus.push_back({16, SingleLetterMenu()});
  std::vector<std::string> sizes17;
  AddSizes(sizes17, 1700, acuityBase);
  menus.push_back({17, Join(sizes17)});
  menus.push_back({18, Join({Item("Red/Green", 1801), Item("Red/Blue", 1802)})});
  menus.push_back({19, Join({Item("4 Dot", 1901), Item("3 Dot", 1902)})});
  menus.push_back({20, Join({Item("20 feet", 2001), Item("6 meter", 2002), Item("Decimal", 2003)})});
  std::vector<std::string> sizes21;
  AddSizes(sizes21, 2100, acuityBase);
  menus.push_back({21, Join(sizes21)});
  menus.push_back({22, ""});
  return menus;
}

void BuildMenus(ProgramContext& context) {
  for (const MenuText& menu :
       MenuDefinitions(context.state.letters, context.state.settings.AcuityBase)) {
    if (context.console.MenuDefinition(menu.number, menu.definition) != 0)
      context.console.Print("ERROR IN MENU " + std::to_string(menu.number) + "\n");
  }
}

}  // namespace lenvari
