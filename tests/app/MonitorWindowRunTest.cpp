// The monitor window through the real program: what it names for each kind of frame, the
// size it stores and grows by, and the thumbnail of the chart.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <map>

#include "monitorwindow/MonitorWindowText.h"
#include "support/DataFolderText.h"
#include "support/Pixels.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

int StoredInteger(const std::string& dataDir, const std::string& key) {
  return std::stoi(Setting(dataDir, 1, key));
}

std::vector<std::string> Lines(const QJsonObject& state, const char* key = "Lines") {
  std::vector<std::string> lines;
  for (const QJsonValue& v : state[key].toArray()) lines.push_back(v.toString().toStdString());
  return lines;
}

int At(const QJsonObject& state, const char* key, int index) {
  return state[key].toArray()[index].toInt();
}

}  // namespace

// "k" on a fresh folder, then every kind of frame the window names, then "k" again.
TEST(MonitorWindowRun, NamesEveryFrameAndKIsStored) {
  ProgramRunRequest request = ScriptRequest("k", FreshFolder("data"));
  ProgramRunResult run = RunWell(request);
  EXPECT_EQ(StoredInteger(request.dataDir, "MonitorWindowFlag&:"), 1);
  ASSERT_EQ(run.MonitorCount(), 1);
  QJsonObject first = run.MonitorState(1);
  // The size the window chose is stored (how it is chosen is the layout's own test).
  const int w = StoredInteger(request.dataDir, "MonitorWindowWidth&:");
  const int h = StoredInteger(request.dataDir, "MonitorWindowHeight&:");
  EXPECT_EQ(Tie(At(first, "StoredSize", 0), At(first, "StoredSize", 1)), Tie(w, h));
  // Built-in preset 1: four rows (how the window grows for them is the layout's own test).
  const std::vector<std::string> rows = Lines(first);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(Tie(rows[0].substr(0, 8), rows[3].substr(0, 8)), Tie("  20/40 ", "  20/20 "));
  EXPECT_EQ(run.MonitorImage(1).size(),
            QSize(At(first, "ClientSize", 0), At(first, "ClientSize", 1)));

  // The flag is 1 at this start: the window opens with the program, "k" closes it and stores
  // 0, the next "k" opens it again for the frames that follow.
  request.keys = "kkejwa*dxk";
  run = RunWell(request);
  EXPECT_EQ(StoredInteger(request.dataDir, "MonitorWindowFlag&:"), 0);
  ASSERT_EQ(run.MonitorCount(), 9);
  QJsonObject e;  // the last update of the tumbling E
  for (int n = 1; n <= run.MonitorCount(); ++n)
    if (run.MonitorState(n)["Mode"] == "TumblingE") e = run.MonitorState(n);
  const std::vector<std::string> directions = Lines(e);
  ASSERT_GE(directions.size(), 2u);
  // Under the heading, the spelled directions are those of the E's the frame drew.
  std::vector<std::string> drawn;
  for (int n = 1; n <= run.FrameCount(); ++n)
    if (run.FrameState(n)["Mode"].toString() == "TumblingE") drawn = Lines(run.FrameState(n), "MonitorText");
  ASSERT_EQ(drawn.size() + 1, directions.size());
  for (size_t i = 0; i < drawn.size(); ++i) EXPECT_EQ(directions[i + 1], "  " + SpellDirections(drawn[i]));
  // (What each special test shows, one line high, is the text's and the layout's own test.)
  // (A record that cannot be written ends the run: one recorder for every kind, the program
  // run's test.)
}

// Stored settings edited between runs: the thumbnail, a minimised position, six rows. Every
// frame of the special tests and of an image, drawn again and again, reaches the thumbnail:
// each monitor update shows the chart frame it follows, scaled down.
TEST(MonitorWindowRun, StoredPlaceAndSizeHoldAndTheThumbnailFollowsEveryFrameOfEveryMode) {
  const std::string data = StartedFolder();
  for (const auto& [key, value] : {std::pair{"MonitorWindowFlag&:", " 1 "}, {"ThumbnailFlag&:", " 1 "},
                                   {"MonitorWindowX&:", " -32000 "}, {"MonitorWindowY&:", " 40 "},
                                   {"MaxVShutter&:", " 8 "}})
    SetSetting(data, key, value);
  QImage picture(400, 300, QImage::Format_RGB32);  // blue on the left, white on the right
  picture.fill(Qt::white);
  QPainter(&picture).fillRect(0, 0, 200, 300, QColor(20, 40, 160));
  ASSERT_TRUE(picture.save(QString::fromStdString(data + "/lvimg1.bmp"), "BMP"));

  const ProgramRunResult run = RunWell(ScriptRequest("jjwwaadd**i{Enter}i{Enter}", data));
  ASSERT_GE(run.MonitorCount(), 1);
  const QJsonObject first = run.MonitorState(1);
  EXPECT_EQ(Tie(At(first, "Position", 0), At(first, "Position", 1), StoredInteger(data, "MonitorWindowX&:")),
            Tie(0, 40, 0));
  // Six rows (the stored row limit); the stored height stays.
  EXPECT_EQ(StoredInteger(data, "MonitorWindowHeight&:"), At(first, "StoredSize", 1));
  ASSERT_EQ(Lines(first).size(), 6u);

  // Each presented frame is followed by one update of the window.
  ASSERT_EQ(run.MonitorCount(), run.FrameCount());
  std::map<std::string, int> checked;
  for (int n = 1; n <= run.FrameCount(); ++n) {
    const QJsonObject state = run.MonitorState(n);
    const double w = At(state, "StoredSize", 0), h = At(state, "ClientSize", 1);
    const double t = 1080.0 * w / 1920, a = std::round(0.05 * w);
    const QRect box = PixelsInside(a, a + h - t, w - a, h - a, 1);
    const QImage shown = run.MonitorImage(n).convertToFormat(QImage::Format_RGB32).copy(box);
    const QImage expected = run.Frame(n).copy(1, 1, 1918, 1078).scaled(
        box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const std::string mode = run.FrameState(n)["Mode"].toString().toStdString();
    EXPECT_LT(MeanGreyDifference(shown, expected), 12) << "frame " << n << " " << mode;
    // The strong light is one flat light: only the difference can tell it.
    if (mode != "StrongLight")
      EXPECT_GT(GreyCorrelation(shown, expected), 0.5) << "frame " << n << " " << mode;
    ++checked[mode];
  }
  for (const char* mode : {"JacksonCross", "WorthDot", "AstigmaticClockDial", "Disparity",
                           "StrongLight", "Image"})
    EXPECT_GE(checked[mode], 2) << mode;
}

}  // namespace lenvari
