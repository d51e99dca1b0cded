#pragma once
// The preset file of a monitor ("1presets.cfg" for monitor 1): the 21 fields of preset 1,
// then those of preset 2 and so on to preset 36, one field per line, 756 lines. A text field
// (Mode, JustOneLetter, the spare fields) that begins with a blank or a double quote is
// written in double quotes, so it reads back as it was.

#include <string>
#include <string_view>

#include "store/Presets.h"

namespace lenvari {

std::string PresetFileName(int monitor);

// The file's text from the preset table.
std::string PresetFileText(const Presets& presets);

// Reads fields into the table, preset 1 field 0 first, one per line, until 756 are read or
// the text ends. Returns the number of fields read.
int ReadPresetText(Presets& presets, std::string_view text);

// Gives the presets that a text of `fieldsRead` fields did not hold in full their built-in
// content. A preset whose fields 0 .. 15 were all read keeps them; only its spare fields
// that are missing are cleared.
void CompletePresetTable(Presets& presets, int fieldsRead);

// Loads monitor m's preset file. A missing file gives the built-in presets, and so does one
// that cannot be read, which is noted in `FileUnreadable` and never written over; a file that ends
// early keeps the presets it holds in full, gives the others their built-in content, and is
// kept as a backup (`KeepBackup`) before it is rewritten. The table then belongs to monitor m.
void LoadPresetFile(Presets& presets, int monitor, const std::string& dataPath);

// Writes monitor m's preset file. False when it could not be written. The file the table was
// loaded from is left as it is when it could not be read.
bool SavePresetFile(const Presets& presets, int monitor, const std::string& dataPath,
                    std::string* reason = nullptr);

}  // namespace lenvari
