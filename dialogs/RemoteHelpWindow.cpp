#include "dialogs/RemoteHelpWindow.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>

#include "dialogs/DialogFramework.h"
#include "dialogs/RemoteHelpTexts.h"
#include "dialogs/RemoteKeyButton.h"
#include "dialogs/RemoteKeys.h"
#include "dialogs/RemotePicture.h"

namespace lenvari {
namespace {

constexpr int kPictureX = 6;
constexpr int kPictureY = 8;
constexpr int kLinesX = 264;
constexpr int kLinesTop = 50;
constexpr int kLineHeight = 16;
constexpr int kFirstLineId = 1301;
constexpr int kNoteId = 1430;

// The largest size up to the dialog's own at which every line fits its column, so no
// description is cut off whatever face the desktop substitutes.
QFont LineFont(const QFont& dialogFont, int columnWidth) {
  QFont font = dialogFont;
  for (double points = font.pointSizeF(); points >= 6; points -= 0.5) {
    font.setPointSizeF(points);
    const QFontMetrics metrics(font);
    bool fits = metrics.height() <= kLineHeight;
    for (const RemoteHelpLine& line : RemoteHelpLines())
      fits = fits && metrics.horizontalAdvance(QString::fromUtf8(line.text)) <= columnWidth;
    if (fits) break;
  }
  return font;
}

}  // namespace

void RunRemoteHelp() {
  DialogBuilder builder = BeginDialog({"Lenvari Acuity Remote", 665, 680, LayoutUnits::Pixels, {}});
  QDialog& dialog = *builder.dialog;
  dialog.setWindowFlags(dialog.windowFlags() | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);

  auto* picture = new RemotePicture(&dialog);
  picture->setGeometry(kPictureX, kPictureY, kRemotePictureWidth, kRemotePictureHeight);
  for (const RemoteHelpKey& key : RemoteHelpKeys()) {
    auto* button = new RemoteKeyButton(key.image, key.label, &dialog);
    button->setObjectName(QString::number(key.id));
    button->setGeometry(key.x + kPictureX, key.y + kPictureY, key.width, key.height);
    const std::string heading = key.heading;
    QObject::connect(button, &QAbstractButton::clicked, &dialog, [&dialog, heading] {
      ShowDialogMessage(&dialog, "Lenvari Acuity Remote Details", RemoteKeyDetails(heading));
    });
  }

  const int columnWidth = dialog.width() - kLinesX - 4;
  const QFont lineFont = LineFont(dialog.font(), columnWidth);
  int y = kLinesTop;
  int group = RemoteHelpLines().front().group;
  int id = kFirstLineId;
  for (const RemoteHelpLine& line : RemoteHelpLines()) {
    if (line.group != group) y += kLineHeight / 2;
    group = line.group;
    auto* label = static_cast<QLabel*>(AddControl(
        builder, {id++, ControlKind::Label, line.text, kLinesX, y, columnWidth, kLineHeight, {},
                  false}));
    label->setWordWrap(false);
    label->setTextFormat(Qt::PlainText);
    label->setFont(lineFont);
    y += kLineHeight;
  }
  auto* note = static_cast<QLabel*>(
      AddControl(builder, {kNoteId, ControlKind::Label, "(Click on any button for details)",
                           kLinesX, 622, columnWidth, 28, {"MS Sans Serif", 12, true}, false}));
  note->setWordWrap(false);
  QFont noteFont = note->font();
  noteFont.setItalic(true);
  note->setFont(noteFont);

  RunModal(dialog);
}

}  // namespace lenvari
