#pragma once
// The glyph table: every optotype, digit, picture and arrow as outlines in a 1000 x 1000 design
// box (integers -500..+500, origin at the glyph centre, y downwards), built once at start.

#include <string>
#include <vector>

namespace lenvari {

struct GlyphPoint {
  int x = 0;
  int y = 0;
};

// One closed outline. A counter (the hole of O, A, 4 ...) is part of the same outline, reached
// along a zero-width slit and traversed the other way round, so a non-zero winding fill leaves
// it empty.
using GlyphOutline = std::vector<GlyphPoint>;

struct GlyphRecord {
  std::string name;  // the record's name in the load order: "A", "SIMPLE1", "h", "Arrow" ...
  // Single outlines carry 100 (A, digits, SIMPLE1, ".", "/") or 0 here; multi-part glyphs
  // (pictures and "!") their size factor in thousandths.
  int sizeField = 0;
  bool multiPart = false;
  std::vector<GlyphOutline> parts;  // exactly one for a single outline
};

// The header count n of a record as the built-in number list has it: the outline's point count,
// or for a multi-part glyph every part's (m, 0) pair and points plus the closing (9999, 9999).
int GlyphHeaderCount(const GlyphRecord& record);

struct GlyphKey {
  std::string key;       // the text handed to the renderer, compared exactly
  int record = 0;        // index into OptotypeShapes::records
  bool mirrored = false; // x is multiplied by Mirror(m) in a mirrored room
  bool negateX = false;  // Q: its stored tail is at the lower left
  bool negateY = false;  // W: the M record upside down
};

struct OptotypeShapes {
  std::vector<GlyphRecord> records;  // the 47 records in load order
  std::vector<GlyphKey> keys;        // the glyph table
  // A true Landolt ring (gap as wide as the stroke, parallel-sided) used for "C" in "LandoltC"
  // mode; the C record is a Sloan C whose opening is taller than its stroke.
  GlyphOutline landoltRing;

  const GlyphKey* FindKey(const std::string& key) const;
  const GlyphRecord* FindRecord(const std::string& name) const;
};

OptotypeShapes LoadOptotypeShapes();

// The record builders, one file per family of shapes.
std::vector<GlyphRecord> StraightLetterRecords();  // A E F H I K L M N T V X Y Z
std::vector<GlyphRecord> CurvedLetterRecords();    // O C G D U J B P R S Q
std::vector<GlyphRecord> DigitRecords();           // 0 1 SIMPLE1 2 3 4 5 6 7 8 9
std::vector<GlyphRecord> SignRecords();            // . / ! Arrow ArrowHalo
std::vector<GlyphRecord> PictureRecords();         // h e c b p j
GlyphOutline LandoltRingOutline();

}  // namespace lenvari
