#pragma once
// The virtual remote's life seen from the main program: started at loop entry and by the
// configuration's apply step, closed by that step, and noticed when the examiner closes it.
// Only one remote window exists at a time.

#include "app/loop/ProgramContext.h"

namespace lenvari {

// Opens the virtual remote writing into the context's mailbox: on the examiner's monitor when
// there are two or more, else above the chart. Already open: it is only brought to the front.
void StartVirtualRemote(ProgramContext& context);

// Closes the virtual remote's window; nothing happens when it is not open.
void CloseVirtualRemote(ProgramContext& context);

// After the monitors or their roles changed: an open remote standing on the patient monitor, or
// on no monitor, goes onto the examiner's.
void KeepVirtualRemoteOffChart(ProgramContext& context);

// One look of the input wait: a remote that was started and whose window has gone since clears
// `ShowVirtualRemote` (in memory only; the settings file keeps its value).
void WatchVirtualRemote(ProgramContext& context);

}  // namespace lenvari
