#include "render/OptotypeShapes.h"

#include <utility>

namespace lenvari {

int GlyphHeaderCount(const GlyphRecord& record) {
  if (!record.multiPart) return record.parts.empty() ? 0 : static_cast<int>(record.parts[0].size());
  int count = 1;  // the closing (9999, 9999)
  for (const GlyphOutline& part : record.parts) count += 1 + static_cast<int>(part.size());
  return count;
}

const GlyphKey* OptotypeShapes::FindKey(const std::string& key) const {
  for (const GlyphKey& entry : keys) {
    if (entry.key == key) return &entry;
  }
  return nullptr;
}

const GlyphRecord* OptotypeShapes::FindRecord(const std::string& name) const {
  for (const GlyphRecord& record : records) {
    if (record.name == name) return &record;
  }
  return nullptr;
}

OptotypeShapes LoadOptotypeShapes() {
  std::vector<GlyphRecord> built;
  for (auto family : {StraightLetterRecords, CurvedLetterRecords, DigitRecords, SignRecords,
                      PictureRecords}) {
    for (GlyphRecord& record : family()) built.push_back(std::move(record));
  }
  auto take = [&built](const std::string& name) {
    for (GlyphRecord& record : built) {
      if (record.name == name) return std::move(record);
    }
    return GlyphRecord{name, 0, false, {}};  // not reached: every name below is built
  };

  OptotypeShapes shapes;
  static const char* const kLoadOrder[] = {
      "A", "B", "C", "D", "E", "F", "G", "H", "K", "L", "N", "O", "P", "R", "S", "T",
      "U", "V", "X", "Z", "0", "1", "SIMPLE1", "2", "3", "4", "5", "6", "7", "8", "9", "h",
      "e", "c", "b", "p", "j", ".", "/", "Q", "I", "M", "Y", "J", "!", "Arrow", "ArrowHalo"};
  for (const char* name : kLoadOrder) shapes.records.push_back(take(name));

  auto indexOf = [&shapes](const std::string& name) {
    for (size_t i = 0; i < shapes.records.size(); ++i) {
      if (shapes.records[i].name == name) return static_cast<int>(i);
    }
    return -1;
  };
  // Key, record, mirrored in a mirrored room. Keys name their own record except W.
  struct Row {
    const char* key;
    const char* record;
    bool mirrored;
  };
  static const Row kTable[] = {
      {"A", "A", false}, {"B", "B", true},  {"C", "C", true},  {"D", "D", true},
      {"E", "E", true},  {"F", "F", true},  {"G", "G", true},  {"H", "H", false},
      {"I", "I", false}, {"J", "J", true},  {"K", "K", true},  {"L", "L", true},
      {"M", "M", true},  {"N", "N", true},  {"O", "O", false}, {"P", "P", true},
      {"Q", "Q", true},  {"R", "R", true},  {"S", "S", true},  {"T", "T", false},
      {"U", "U", false}, {"V", "V", false}, {"W", "M", false}, {"X", "X", false},
      {"Y", "Y", false}, {"Z", "Z", true},  {"0", "0", false}, {"8", "8", false},
      {"1", "1", true},  {"2", "2", true},  {"3", "3", true},  {"4", "4", true},
      {"5", "5", true},  {"6", "6", true},  {"7", "7", true},  {"9", "9", true},
      {"SIMPLE1", "SIMPLE1", true}, {".", ".", true}, {"/", "/", true},
      {"Arrow", "Arrow", true}, {"ArrowHalo", "ArrowHalo", true},
      {"h", "h", true},  {"e", "e", true},  {"c", "c", true},  {"b", "b", true},
      {"p", "p", true},  {"j", "j", true},  {"!", "!", true}};
  for (const Row& row : kTable) {
    const std::string key = row.key;
    shapes.keys.push_back({key, indexOf(row.record), row.mirrored, key == "Q", key == "W"});
  }
  shapes.landoltRing = LandoltRingOutline();
  return shapes;
}

}  // namespace lenvari
