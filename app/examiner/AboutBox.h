#pragma once
// The About box shown once as the input loop starts.

#include <string>

#include "app/loop/ProgramContext.h"

namespace lenvari {

// The box's text, with the console host's line-break and tab sequences.
std::string AboutText(const std::string& version);

// Shows the box on the examiner's side; a space typed before it skips it. The box does not
// hold the chart back: the input wait hides it after a few seconds or at the first input. A
// scripted run shows it without waiting.
void ShowAboutBox(ProgramContext& context);
// Hides the box once its time is up, or at once when `inputArrived`.
void HideAboutBoxWhenDue(ProgramContext& context, bool inputArrived);
// Hides the box now, if it shows (nothing may stand over the calibration square).
void HideAboutBox(ProgramContext& context);

}  // namespace lenvari
