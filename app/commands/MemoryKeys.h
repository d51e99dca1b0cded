#pragma once
// The memory-preset keys: F1 .. F12 recall (with Ctrl, store), "%" recalls preset 1, the
// virtual remote's memory buttons (codes 201 .. 212) recall, Enter and Backspace step through
// all 36 presets, and the handheld receiver's "ControlRemoteF01" .. "ControlRemoteF12" store.

#include <string>

#include "app/loop/ProgramContext.h"

namespace lenvari {

// The preset 1 .. 12 a handheld receiver's word stores, or 0 for any other input.
int RemoteStoreNumber(const std::string& input);

// True for the inputs of the memory keys: F1 .. F12 (and every input between F1 and the codes
// F11 and F12 are mapped to), "%" and the remote codes 201 .. 212.
bool IsMemoryKey(const std::string& input);

// The preset a memory key names, 1 .. 12 (F11 and F12 give 11 and 12, "%" gives 1).
int MemoryKeyNumber(const std::string& input);

// Recalls preset `CurrentMemory` into the chart state (the caller draws).
void RecallCurrentMemory(ProgramContext& context);
// Stores the chart state into preset `CurrentMemory`, saves every settings file and renews
// the preset's gallery thumbnail.
void StoreCurrentMemory(ProgramContext& context);

// A memory key: keyboard function keys recall, or store while Ctrl is held; remote codes
// recall.
void MemoryKey(ProgramContext& context, const std::string& input);

// Enter: the next preset, 36 wrapping to 1. Backspace and "'": the previous one, 1 wrapping
// to 36.
void NextMemory(ProgramContext& context);
void PreviousMemory(ProgramContext& context);

}  // namespace lenvari

namespace lenvari {

// "y": the preset gallery to choose a preset to recall.
void PresetGalleryRecall(ProgramContext& context);
// Ctrl+Y: the preset gallery to choose where the chart state is stored; Esc stores nothing.
void PresetGalleryStore(ProgramContext& context);

}  // namespace lenvari
