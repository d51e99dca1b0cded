#pragma once
// What is done with a memory preset, or with the slot a gallery visit chooses.

namespace lenvari {

enum class PresetAction {
  Recall,  // show what the slot holds
  Store,   // record the chart (or an imported image) into the slot
};

// The temporary copy of the chart state kept while a special target takes the screen over.
enum class TempCopy { Save, Restore };

}  // namespace lenvari
