#pragma once
// A dialog larger than the room on its monitor (a 14-inch panel at 175 %) would open with its
// buttons below the screen's edge. Dialogs laid out by Qt are shrunk to the room; dialogs whose
// controls stand at fixed places get a scroll area for them, with the push buttons along the
// bottom edge kept outside it, in a row under it, so Save and Cancel (or OK) stay visible.

class QDialog;
class QSize;

namespace lenvari {

// `room`: the logical size the dialog's client area may take. Nothing changes when it fits.
void FitDialogInto(QDialog& dialog, const QSize& room);

}  // namespace lenvari
