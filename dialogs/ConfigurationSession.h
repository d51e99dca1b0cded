#pragma once
// One run of the configuration dialog: the window, its controls and the working copy they
// edit. The controls show the working copy; a reaction stores an edit into it at once.

#include "dialogs/ConfigurationControls.h"
#include "dialogs/ConfigurationValues.h"

class QDialog;

namespace lenvari {

struct ConfigurationSession {
  QDialog* dialog = nullptr;
  ConfigurationControls c;
  ConfigurationWork work;
  // Set while the controls are filled from the working copy, so that filling them is not
  // taken for an edit.
  bool loading = false;

  int Monitor() const { return work.values.CurrentMonitor; }
};

// Every control from the working copy (the dialog's initial state).
void ShowAllSettings(ConfigurationSession& s);
// The controls of the per-monitor settings from the entries of the monitor being edited.
void ShowMonitorSettings(ConfigurationSession& s);
// The 20/200 size for the distance of the monitor being edited.
void ShowTwentyTwoHundredSize(ConfigurationSession& s);
// The three swatches in the intensities of the working copy.
void PaintSwatches(ConfigurationSession& s);
// The middle track bar after a change of glasses: its caption and its intensity.
void ShowGlassesColour(ConfigurationSession& s);

// Wires every control to its reaction, and the closing buttons to their rules.
void ConnectReactions(ConfigurationSession& s);

// The help of topic 0 .. 13, in a message box in front of the dialog.
void ShowConfigurationHelp(QWidget* parent, int topic);

}  // namespace lenvari
