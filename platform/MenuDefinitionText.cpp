#include "platform/MenuDefinitionText.h"

#include <cctype>

#include "platform/ConsoleHost.h"

namespace lenvari {
namespace {

bool AllDigits(const std::string& text) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

bool ParseMenuDefinition(const std::string& definition, std::vector<MenuItemDefinition>& items) {
  items.clear();
  const std::string text = ExpandConsoleText(definition);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('|', start);
    if (end == std::string::npos) end = text.size();
    std::string item = text.substr(start, end - start);
    start = end + 1;
    if (item.empty()) {
      if (end == text.size()) break;
      continue;
    }
    if (item == "-") {
      items.push_back({MenuItemDefinition::Kind::Separator, "", "", 0});
      continue;
    }
    if (item == "^") {
      items.push_back({MenuItemDefinition::Kind::ColumnBreak, "", "", 0});
      continue;
    }
    bool separatorAfter = false;
    if (item.size() > 1 && item.back() == '-') {
      separatorAfter = true;
      item.pop_back();
    }
    const size_t mark = item.find_last_of("=>");
    if (mark == std::string::npos || !AllDigits(item.substr(mark + 1))) return false;
    MenuItemDefinition entry;
    entry.kind = item[mark] == '=' ? MenuItemDefinition::Kind::Command
                                   : MenuItemDefinition::Kind::Submenu;
    entry.number = std::stoi(item.substr(mark + 1));
    const std::string label = item.substr(0, mark);
    const size_t tab = label.find('\t');
    entry.text = label.substr(0, tab);
    if (tab != std::string::npos) entry.hint = label.substr(tab + 1);
    items.push_back(entry);
    if (separatorAfter) items.push_back({MenuItemDefinition::Kind::Separator, "", "", 0});
  }
  return true;
}

}  // namespace lenvari
