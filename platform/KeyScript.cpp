#include "platform/KeyScript.h"


#include <cctype>
#include <cstdlib>

#include "common/NumberText.h"

namespace lenvari {
namespace {

KeyPress Named(int windowKey, std::string text = "") {
  KeyPress key;
  key.windowKey = windowKey;
  key.text = std::move(text);
  return key;
}

std::optional<KeyPress> NamedKey(const std::string& name) {
  static const struct {
    const char* name;
    int windowKey;
    const char* text;
  } kNames[] = {{"Enter", windowkey::Return, "\r"},  {"Esc", windowkey::Escape, "\x1b"},
                {"Tab", windowkey::Tab, "\t"},        {"Backspace", windowkey::Backspace, "\b"},
                {"Space", windowkey::Space, " "},     {"Up", windowkey::Up, ""},
                {"Down", windowkey::Down, ""},        {"Left", windowkey::Left, ""},
                {"Right", windowkey::Right, ""},      {"Home", windowkey::Home, ""},
                {"End", windowkey::End, ""},          {"PgUp", windowkey::PageUp, ""},
                {"PgDn", windowkey::PageDown, ""}};
  for (const auto& entry : kNames)
    if (name == entry.name) return Named(entry.windowKey, entry.text);
  if (name.size() >= 2 && name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1]))) {
    const int n = std::atoi(name.c_str() + 1);
    if (n >= 1 && n <= 12 && name.substr(1) == std::to_string(n))
      return Named(windowkey::F1 + n - 1);
  }
  return std::nullopt;
}

// A menu or command number of a script, or nothing for a number no menu can have (a huge one
// would not fit an int).
std::optional<int> MenuNumber(const std::string& text) {
  const double value = LeadingNumber(text);
  constexpr double kLargest = 1e9;
  if (!(value >= 0 && value <= kLargest)) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

KeyPress CharacterKey(char c) {
  KeyPress key;
  key.text = std::string(1, c);
  const unsigned char u = static_cast<unsigned char>(c);
  if (std::isalpha(u)) {
    key.windowKey = windowkey::A + (std::toupper(u) - 'A');
    key.shift = std::isupper(u);
  } else if (c == ' ') {
    key.windowKey = windowkey::Space;
  } else {
    key.windowKey = u;  // printable ASCII keys are numbered by their characters
  }
  return key;
}

std::optional<std::vector<ScriptStep>> ParseKeyScript(const std::string& script,
                                                      std::string& error) {
  std::vector<ScriptStep> steps;
  for (size_t i = 0; i < script.size(); ++i) {
    const char c = script[i];
    if (c != '{') {
      ScriptStep step;
      step.keys.push_back(CharacterKey(c));
      steps.push_back(step);
      continue;
    }
    if (i + 1 < script.size() && script[i + 1] == '{') {
      ScriptStep step;
      step.keys.push_back(CharacterKey('{'));
      steps.push_back(step);
      ++i;
      continue;
    }
    const size_t close = script.find('}', i);
    if (close == std::string::npos) {
      error = "unclosed \"{\" at position " + std::to_string(i + 1);
      return std::nullopt;
    }
    const std::string name = script.substr(i + 1, close - i - 1);
    i = close;
    ScriptStep step;
    const size_t colon = name.find(':');
    const std::string head = name.substr(0, colon);
    const std::string argument = colon == std::string::npos ? "" : name.substr(colon + 1);
    if (colon != std::string::npos && head == "Click") {
      const size_t comma = argument.find(',');
      if (comma == std::string::npos) {
        error = "{Click:X,Y} needs two numbers";
        return std::nullopt;
      }
      step.kind = ScriptStep::Kind::Click;
      step.x = LeadingNumber(argument.substr(0, comma));
      step.y = LeadingNumber(argument.substr(comma + 1));
    } else if (colon != std::string::npos && head == "Remote") {
      step.kind = ScriptStep::Kind::Remote;
      step.text = argument.substr(0, 4);  // the mailbox holds four characters
    } else if (colon != std::string::npos && head == "Burst") {
      for (char b : argument) step.keys.push_back(CharacterKey(b));
    } else if (colon != std::string::npos && head == "Menu") {
      const size_t slash = argument.find('/');
      step.kind = ScriptStep::Kind::Menu;
      const std::optional<int> menu = slash == std::string::npos ? 0 : MenuNumber(argument);
      if (!menu) {
        error = "{Menu:M/N} needs a menu number";
        return std::nullopt;
      }
      step.menu = *menu;
      const size_t idAt = slash == std::string::npos ? 0 : slash + 1;
      step.id = MenuNumber(argument.substr(idAt)).value_or(0);
      if (step.id <= 0) {
        error = "{Menu:N} needs a command id";
        return std::nullopt;
      }
    } else if (colon != std::string::npos && head == "Wait") {
      step.kind = ScriptStep::Kind::Wait;
      step.seconds = LeadingNumber(argument);
    } else if (head.rfind("Ctrl+", 0) == 0 || head.rfind("Alt+", 0) == 0) {
      const bool ctrl = head[0] == 'C';
      const std::string key = head.substr(ctrl ? 5 : 4);
      KeyPress press;
      if (key.size() == 1 && std::isalpha(static_cast<unsigned char>(key[0]))) {
        press.windowKey = windowkey::A + (std::toupper(static_cast<unsigned char>(key[0])) - 'A');
      } else if (auto named = NamedKey(key)) {
        press = *named;
        press.text.clear();
      } else {
        error = "unknown key {" + name + "}";
        return std::nullopt;
      }
      press.ctrl = ctrl;
      press.alt = !ctrl;
      step.keys.push_back(press);
    } else if (auto named = NamedKey(head); named && colon == std::string::npos) {
      step.keys.push_back(*named);
    } else {
      error = "unknown key {" + name + "}";
      return std::nullopt;
    }
    steps.push_back(step);
  }
  return steps;
}

}  // namespace lenvari
