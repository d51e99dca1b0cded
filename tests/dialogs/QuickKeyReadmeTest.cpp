// The README's quick-key table is the quick-key list's own content: when the list changes, this
// test prints the table to paste.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "dialogs/QuickKeyListTable.h"

namespace lenvari {
namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One Markdown row per line, the group named on its first line only.
std::string ReadmeTable() {
  std::string table = "| Group | Key | Does |\n|---|---|---|\n";
  std::string group;
  for (const QuickKeyListLine& line : kQuickKeyListLines) {
    const std::string name = Trimmed(line.group);
    table += "| " + (name == group ? std::string() : name) + " | `" + Trimmed(line.key) + "` | " +
             line.description + " |\n";
    group = name;
  }
  return table;
}

TEST(QuickKeyReadme, TheReadmeListsTheSameKeysAsTheQuickKeyList) {
  std::ifstream file(std::string(LENVARI_SUPPORT_DIR) + "/../../README.md");
  ASSERT_TRUE(file.good());
  std::stringstream text;
  text << file.rdbuf();
  const std::string table = ReadmeTable();
  EXPECT_NE(text.str().find(table), std::string::npos) << "README.md should hold this table:\n" << table;
}

}  // namespace
}  // namespace lenvari
