#pragma once
// Pieces the configuration dialog's layout is made of: its fonts, a control with the label that
// names it, a help button, and one function per group. Positions are dialog units.

#include <string>
#include <vector>

#include "dialogs/ConfigurationControls.h"

class QComboBox;

namespace lenvari {

inline const FontSpec kDefaultFont{"", 10};
inline const FontSpec kArialFont{"Arial", 10};
inline const FontSpec kDistanceFont{"", 12};
inline const FontSpec kGlassesFont{"", 9};
inline const FontSpec kSansSerifFont{"MS Sans Serif", 10};
inline const FontSpec kSmallArialFont{"Arial", 8};
inline const FontSpec kNarrowFont{"Arial Narrow", 10};

struct Box {
  int x = 0, y = 0, width = 0, height = 0;
};

template <class Widget>
Widget* Add(DialogBuilder& builder, int id, ControlKind kind, const std::string& caption,
            Box box, const FontSpec& font, bool startsGroup = false) {
  return static_cast<Widget*>(AddControl(
      builder, {id, kind, caption, box.x, box.y, box.width, box.height, font, startsGroup}));
}

// A label and the control it names; the label is the control's buddy and its accessible
// name, so keyboard users and scripted answers reach the control by the label's caption.
QWidget* AddLabelled(DialogBuilder& builder, int labelId, const std::string& caption,
                     Box labelBox, const FontSpec& labelFont, int controlId, ControlKind kind,
                     Box controlBox, const FontSpec& controlFont);
QComboBox* AddList(DialogBuilder& builder, int labelId, const std::string& caption,
                   Box labelBox, int listId, Box listBox, const std::vector<std::string>& items);

// The "?" button of help topic `topic` (0-based).
QPushButton* AddHelpButton(DialogBuilder& builder, int topic, int x, int y);

void AddExamRoomGroup(DialogBuilder& builder, ConfigurationControls& c, int monitors);
void AddAcuityNotationGroup(DialogBuilder& builder, ConfigurationControls& c);
void AddDisplayOptionsGroup(DialogBuilder& builder, ConfigurationControls& c);
void AddCalibrationGroup(DialogBuilder& builder, ConfigurationControls& c);
void AddSpecialTestGroup(DialogBuilder& builder, ConfigurationControls& c);
void AddAudioVideoGroup(DialogBuilder& builder, ConfigurationControls& c);
void AddColourCalibrationGroup(DialogBuilder& builder, ConfigurationControls& c);
void AddClosingControls(DialogBuilder& builder, ConfigurationControls& c);

}  // namespace lenvari
