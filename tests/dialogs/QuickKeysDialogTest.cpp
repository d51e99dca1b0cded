#include <QAbstractButton>
#include <QByteArray>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "dialogs/LenvariDLL.h"
#include "tests/dialogs/DialogDriving.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

QStringList LabelTexts(QDialog& dialog) {
  QStringList texts;
  for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

// Every label shows its whole text on one line inside its own box.
void ExpectLabelsFit(QDialog& dialog) {
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
        << label->text().toStdString();
    EXPECT_LE(metrics.height(), label->height() + 2) << label->text().toStdString();
    EXPECT_TRUE(dialog.rect().contains(label->geometry())) << label->text().toStdString();
  }
}

}  // namespace

TEST(QuickKeysDialog, SevenGroupsInTwoColumnsAndEveryPairFits) {
  bool ran = false;
  WhenModal([&](QDialog& d) {
    ran = true;
    EXPECT_EQ(d.windowTitle(), "Lenvari Acuity Quick Keys");
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    const QList<QGroupBox*> frames = d.findChildren<QGroupBox*>();
    QStringList captions;
    for (QGroupBox* frame : frames) captions << frame->title();
    EXPECT_EQ(captions, QStringList({" Shutter Control ", " Size Control ", " Optotype Control ",
                                     " Memory Functions ", " Special Tests ", " Multimedia ",
                                     " Program Control "}));
    ASSERT_EQ(frames.size(), 7);
    // Frames of a column line up and stack without overlapping, and all fit in the window.
    for (int i : {1, 2, 4, 5, 6}) {
      EXPECT_EQ(frames[i]->x(), frames[i < 3 ? 0 : 3]->x()) << i;
      EXPECT_GT(frames[i]->y(), frames[i - 1]->geometry().bottom()) << i;
    }
    EXPECT_GT(frames[3]->x(), d.width() / 2 - 10);
    for (QGroupBox* frame : frames) EXPECT_TRUE(d.rect().contains(frame->geometry()));

    const QStringList texts = LabelTexts(d);
    EXPECT_EQ(texts.size(), 2 * 43);
    EXPECT_EQ(qChecksum(texts.join('\n').toUtf8()), 53751) << texts.join('\n').toStdString();
    ExpectLabelsFit(d);

    auto* ok = d.findChild<QPushButton*>("1");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(d.focusWidget(), ok);
    EXPECT_GT(ok->x(), d.width() / 2);
    auto* remote = d.findChild<QPushButton*>("1002");
    ASSERT_NE(remote, nullptr);
    EXPECT_EQ(remote->text(), "Display Wireless Remote Functions");
    EXPECT_LE(QFontMetrics(remote->font()).horizontalAdvance(remote->text()), remote->width());
    EXPECT_GT(ok->y(), frames[6]->geometry().bottom());
    EXPECT_GT(remote->y(), frames[2]->geometry().bottom());
    ExpectScalesCleanly(d, "quick-keys", d.rect());
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
  });
  SHOWQUICKKEYS(0);
  EXPECT_TRUE(ran);
}

TEST(QuickKeysDialog, RemoteHelpOpensOverTheListExplainsAKeyAndReturns) {
  std::vector<std::string> seen;
  WhenModal([&](QDialog& list) {
    WhenModal([&](QDialog& help) {
      seen.push_back(help.windowTitle().toStdString());
      EXPECT_EQ(help.size(), QSize(665, 680));
      const QStringList texts = LabelTexts(help);
      ASSERT_EQ(texts.size(), 29);
      // The lines word for word: their checksum, the lines printed when it differs.
      EXPECT_EQ(qChecksum(texts.join('\n').toUtf8()), 4615) << texts.join('\n').toStdString();
      ExpectLabelsFit(help);
      ExpectScalesCleanly(help, "remote-help-lines", QRect(264, 40, 395, 520));
      // A half line between groups: the first line of a group is 24 pixels below the last
      // line of the one before, lines within a group 16.
      const QList<QLabel*> labels = help.findChildren<QLabel*>();
      EXPECT_EQ(Tie(labels[1]->y() - labels[0]->y(), labels[3]->y() - labels[2]->y(), labels[0]->x(),
                    labels[0]->height()),
                Tie(16, 24, 264, 16));

      // The keys lie where the picture has them, moved with it to 6,8; a rocker is one key.
      EXPECT_EQ(Tie(KeyNamed(help, "W4D")->geometry(), KeyNamed(help, "Size")->geometry(),
                    help.findChildren<QAbstractButton*>().size()),
                Tie(QRect(30, 193, 38, 37), QRect(38, 97, 48, 76), 43));

      // A key's explanation word for word: its checksum, the text printed when it differs.
      for (const auto& [key, sum] : {std::pair{"Letter Set", 12182}, {"M7", 7736}}) {
        WhenModal([&seen, sum = sum](QDialog& box) {
          seen.push_back(box.windowTitle().toStdString());
          auto* message = qobject_cast<QMessageBox*>(&box);
          ASSERT_NE(message, nullptr);
          EXPECT_EQ(qChecksum(message->text().toUtf8()), sum) << message->text().toStdString();
          box.accept();
        });
        QTest::mouseClick(KeyNamed(help, key), Qt::LeftButton);
      }
      EXPECT_TRUE(help.isVisible());
      help.close();
    });
    QTest::mouseClick(list.findChild<QPushButton*>("1002"), Qt::LeftButton);
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(LabelTexts(list).size(), 2 * 43);
    seen.push_back("back");
    QTest::mouseClick(list.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_FALSE(list.isVisible());
  });
  SHOWQUICKKEYS(0);
  EXPECT_EQ(seen, std::vector<std::string>({"Lenvari Acuity Remote", "Lenvari Acuity Remote Details",
                                            "Lenvari Acuity Remote Details", "back"}));
}

}  // namespace lenvari
