#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <string>

#include "dialogs/DialogFramework.h"
#include "dialogs/LenvariDLL.h"
#include "dialogs/QuickKeyListTable.h"
#include "dialogs/RemoteHelpWindow.h"

namespace lenvari {
namespace {

constexpr int kOkId = 1;
constexpr int kRemoteFunctionsId = 1002;
constexpr int kFirstControlId = 1003;

// Layout in dialog units.
constexpr int kDialogWidth = 612;
constexpr int kDialogHeight = 339;
constexpr int kColumnX[2] = {10, 313};
constexpr int kColumnWidth = 290;
constexpr int kFirstFrameY = 6;
constexpr int kFrameGap = 4;
constexpr int kFrameCaptionHeight = 11;
constexpr int kFrameBottomMargin = 5;
constexpr int kLineHeight = 10;
constexpr int kKeyWidth = 105;
constexpr int kDescriptionX = 110;

const FontSpec kFrameFont{"Arial", 10, true};
const FontSpec kTextFont{"Arial", 10, false};

int LinesInGroup(size_t first) {
  int lines = 0;
  const std::string group = kQuickKeyListLines[first].group;
  for (size_t i = first; i < std::size(kQuickKeyListLines) && kQuickKeyListLines[i].group == group;
       ++i)
    ++lines;
  return lines;
}

void AddPlainLabel(DialogBuilder& builder, int id, ControlKind kind, const char* text, int x,
                   int y, int width) {
  auto* label = static_cast<QLabel*>(
      AddControl(builder, {id, kind, text, x, y, width, kLineHeight, kTextFont, false}));
  label->setWordWrap(false);
  label->setTextFormat(Qt::PlainText);
}

DialogBuilder BuildQuickKeysDialog() {
  DialogBuilder builder =
      BeginDialog({"Lenvari Acuity Quick Keys", kDialogWidth, kDialogHeight,
                   LayoutUnits::DialogUnits, {}});
  QDialog& dialog = *builder.dialog;
  dialog.setWindowFlags(dialog.windowFlags() | Qt::WindowSystemMenuHint |
                        Qt::WindowStaysOnTopHint);
  int id = kFirstControlId;
  int nextY[2] = {kFirstFrameY, kFirstFrameY};
  for (size_t i = 0; i < std::size(kQuickKeyListLines);) {
    const QuickKeyListLine& first = kQuickKeyListLines[i];
    const int lines = LinesInGroup(i);
    const int x = kColumnX[first.column];
    const int top = nextY[first.column];
    const int height = kFrameCaptionHeight + lines * kLineHeight + kFrameBottomMargin;
    AddControl(builder, {id++, ControlKind::GroupFrame, first.group, x, top, kColumnWidth, height,
                         kFrameFont, false});
    for (int n = 0; n < lines; ++n, ++i) {
      const QuickKeyListLine& line = kQuickKeyListLines[i];
      const int y = top + kFrameCaptionHeight + n * kLineHeight;
      AddPlainLabel(builder, id++, ControlKind::CentredLabel, line.key, x + 2, y, kKeyWidth);
      AddPlainLabel(builder, id++, ControlKind::Label, line.description, x + kDescriptionX, y,
                    kColumnWidth - kDescriptionX - 4);
    }
    nextY[first.column] = top + height + kFrameGap;
  }
  AddControl(builder, {kRemoteFunctionsId, ControlKind::PushButton,
                       "Display Wireless Remote Functions", kColumnX[0], kDialogHeight - 35 - 8,
                       120, 35, kTextFont, false});
  AddControl(builder, {kOkId, ControlKind::DefaultPushButton, "OK",
                       kDialogWidth - 51 - 10, kDialogHeight - 15 - 8, 51, 15, kTextFont, false});
  return builder;
}

}  // namespace
}  // namespace lenvari

void SHOWQUICKKEYS(int parentWindow) {
  (void)parentWindow;  // the list is always a top-level window of its own
  lenvari::ApplicationScope application;
  lenvari::DialogBuilder builder = lenvari::BuildQuickKeysDialog();
  QDialog& dialog = *builder.dialog;
  auto* remote = lenvari::FindControl<QPushButton>(dialog, lenvari::kRemoteFunctionsId);
  auto* ok = lenvari::FindControl<QPushButton>(dialog, lenvari::kOkId);
  QObject::connect(remote, &QPushButton::clicked, &dialog, [] { lenvari::RunRemoteHelp(); });
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  ok->setFocus();
  lenvari::RunModal(dialog);
}
