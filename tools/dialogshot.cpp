// Opens the configuration dialog (or, with "dual", the dual input dialog) on the settings of a
// fresh installation with two monitors, writes a screenshot of it to the PNG named first, and
// lists every caption that does not fit its control and every two controls that overlap.
// Exit code: the number of such faults. On a real window system the screenshot is taken from
// the screen, frame and all; elsewhere the dialog paints itself into the picture.
//
//   dialogshot out.png [dual]
//   QT_FONT_DPI=144 dialogshot out-144.png

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QImage>
#include <QScreen>
#include <QSlider>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

#include "dialogs/LenvariDLL.h"
#include "store/SettingsFiles.h"

namespace {

int faults = 0;

void Fault(const QWidget* widget, const char* what) {
  ++faults;
  std::printf("%s \"%s\" (%d,%d %dx%d): %s\n", widget->metaObject()->className(),
              widget->objectName().toUtf8().constData(), widget->x(), widget->y(), widget->width(),
              widget->height(), what);
}

QString Caption(const QWidget* widget) {
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  return {};
}

void CheckFit(const QWidget* widget) {
  const QFontMetrics metrics = widget->fontMetrics();
  if (auto* push = qobject_cast<const QPushButton*>(widget)) {
    if (metrics.horizontalAdvance(push->text()) + 6 > push->width()) Fault(widget, "text too wide");
    if (metrics.height() + 4 > push->height()) Fault(widget, "text too tall");
  } else if (qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget)) {
    if (widget->sizeHint().width() > widget->width()) Fault(widget, "caption too wide");
    if (metrics.height() > widget->height()) Fault(widget, "caption too tall");
  } else if (auto* label = qobject_cast<const QLabel*>(widget)) {
    if (label->wordWrap()) {
      if (label->heightForWidth(label->width()) > label->height()) Fault(widget, "text cut off");
    } else if (metrics.horizontalAdvance(label->text()) > label->width() ||
               metrics.height() > label->height()) {
      Fault(widget, "text cut off");
    }
  } else if (auto* list = qobject_cast<const QComboBox*>(widget)) {
    if (list->sizeHint().width() > list->width()) Fault(widget, "items too wide");
    if (metrics.height() + 4 > list->height()) Fault(widget, "items too tall");
  } else if (auto* frame = qobject_cast<const QGroupBox*>(widget)) {
    if (metrics.horizontalAdvance(frame->title().trimmed()) + 12 > frame->width())
      Fault(widget, "title too wide");
  } else if (qobject_cast<const QLineEdit*>(widget)) {
    if (metrics.height() + 2 > widget->height()) Fault(widget, "text too tall");
  }
}

// Frames and the colour swatches lie under other controls by design.
bool MayLieUnder(const QWidget* widget) {
  return qobject_cast<const QGroupBox*>(widget) ||
         (qobject_cast<const QFrame*>(widget) && !qobject_cast<const QLabel*>(widget));
}

void CheckLayout(QDialog& dialog) {
  std::vector<QWidget*> controls;
  for (QWidget* widget : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!widget->isVisible()) continue;
    if (!dialog.rect().contains(widget->geometry())) Fault(widget, "outside the window");
    CheckFit(widget);
    if (!MayLieUnder(widget)) controls.push_back(widget);
  }
  for (size_t i = 0; i < controls.size(); ++i)
    for (size_t j = i + 1; j < controls.size(); ++j)
      if (controls[i]->geometry().intersects(controls[j]->geometry())) {
        Fault(controls[i], ("overlaps " + controls[j]->objectName().toStdString() + " " +
                            Caption(controls[j]).toStdString()).c_str());
      }
}

void Shoot(QDialog& dialog, const QString& path) {
  QPixmap picture;
  if (QGuiApplication::platformName() == "xcb") {
    // The server shows the window some time after Qt painted it, later on a loaded machine: the
    // screen is grabbed again until the dialog's light face is there (at most 5 s).
    const auto painted = [](const QImage& face) {
      qsizetype light = 0;
      for (int y = 0; y < face.height(); y += 4)
        for (int x = 0; x < face.width(); x += 4) light += qGray(face.pixel(x, y)) > 200;
      return light * 32 > static_cast<qsizetype>(face.width()) * face.height();
    };
    for (int attempt = 0; attempt < 50; ++attempt) {
      const QRect area = dialog.frameGeometry();
      picture = dialog.screen()->grabWindow(0, area.x() - dialog.screen()->geometry().x(),
                                            area.y() - dialog.screen()->geometry().y(),
                                            area.width(), area.height());
      if (painted(picture.toImage())) break;
      QThread::msleep(100);
      QCoreApplication::processEvents();
    }
  } else {
    picture = dialog.grab();
  }
  if (!picture.save(path)) {
    std::printf("cannot write %s\n", path.toUtf8().constData());
    ++faults;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: dialogshot out.png [dual]\n");
    return 2;
  }
  const QString path = argv[1];
  const bool dual = argc > 2 && std::string(argv[2]) == "dual";
  QTimer::singleShot(800, [path] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      std::printf("no dialog appeared\n");
      ++faults;
      QApplication::exit(1);
      return;
    }
    CheckLayout(*dialog);
    Shoot(*dialog, path);
    dialog->done(QDialog::Rejected);  // ends it without the question a cancel may ask
  });
  if (dual) {
    std::string first = "12", second = "7";
    SHOWDIALOG_DUALINPUT(0, "Dual Input", "Enter Number One", first, "Enter Number Two", second);
    return faults;
  }
  lenvari::Settings s;
  lenvari::Monitors monitors;
  int luminanceContrast = 0;
  for (int n = 1; n <= 10; ++n) lenvari::ApplyDefaultSettings(s, monitors, n);
  monitors.NumberOfMonitors = 2;
  SHOWCONFIGURATION(0, s.AcuityBase, s.ShowTestDistance, s.Mirror, monitors.CurrentMonitor,
                    s.LabelSize, s.LabelColor, s.MaxVShutter, s.StatusBar, s.TestDistance,
                    s.AstigMode, s.JacksonCrossTargetSize, s.AccessibleContrast, s.WorthDotSize,
                    s.FixDispFusionLock, s.RedGreenOrRedBlue, s.WorthDotMode, s.MyRed, s.MyBlue,
                    s.MyGreen, s.MyBlack, s.AudioAlert, s.SelectedVideo, s.VideoPlayer,
                    monitors.NumberOfMonitors, s.MonitorWindowFlag, s.ThumbnailFlag,
                    s.AlwaysOnTopFlag, s.SmoothingFlag, s.TimerDelay, s.ShowVirtualRemote,
                    &luminanceContrast);
  return faults;
}
