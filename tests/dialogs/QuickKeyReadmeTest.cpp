// The README's quick-key table is the quick-key list's own content: when the list changes, this
// test prints the table to paste.

#include <QString>
#include <gtest/gtest.h>

#include <string>

#include "dialogs/QuickKeyListTable.h"
#include "support/DataFolderText.h"

namespace lenvari {
namespace {

std::string Trimmed(const char* text) { return QString(text).trimmed().toStdString(); }

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
  const std::string readme = ReadText(std::string(LENVARI_SUPPORT_DIR) + "/../../README.md");
  const std::string table = ReadmeTable();
  EXPECT_NE(readme.find(table), std::string::npos) << "README.md should hold this table:\n" << table;
}

}  // namespace
}  // namespace lenvari
