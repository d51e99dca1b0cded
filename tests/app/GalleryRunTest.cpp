// The galleries through the real program: fresh calibrated folders, key scripts, answers for
// the import's windows, and the files and frames the runs leave.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>

#include "support/DataFolderText.h"
#include "support/Pixels.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

ProgramRunResult RunGallery(const std::string& dataDir, const std::string& keys,
                            std::optional<std::string> answers = std::nullopt) {
  return RunWell(ScriptRequest(keys, dataDir, answers));
}

QImage Picture(const std::string& path) {
  return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

int Memory(const ProgramRunResult& run, int frame) {
  return run.FrameState(frame)["CurrentMemory"].toInt();
}

// The preset gallery on a fresh folder: chosen from by keys, clicks and the remote, stored into,
// and what was stored there after a restart.
TEST(GalleryRun, PresetGalleryChoosesByKeysClicksAndRemoteAndStoresIntoItsCells) {
  const std::string data = FreshFolder("data");
  // A click in the lower-right sixth chooses 36, in the top-left 1; the remote's m7 chooses 7.
  ProgramRunResult run =
      RunGallery(data, "y{Right}{Enter}y{Click:2300,1300}y{Click:-2300,-1300}y{Remote:m7}");
  // (The gallery's frames and cells are the gallery visit's and picture's own tests.)
  ASSERT_EQ(run.FrameCount(), 14);
  EXPECT_EQ(Tie(Memory(run, 5), Memory(run, 8), Memory(run, 11), Memory(run, 14)), Tie(2, 36, 1, 7));

  // Storing through it: Ctrl+Y and Esc store nothing (the preset number it keeps is the gallery
  // visit's own test).
  const std::string presets = ReadText(data + "/1presets.cfg");
  run = RunGallery(data, "{F3}{Ctrl+Y}{Right}{Esc}");
  EXPECT_EQ(ReadText(data + "/1presets.cfg"), presets);
  EXPECT_FALSE(std::filesystem::exists(data + "/1lvbmap3.bmp"));

  // The cross-cylinder target stored in cell 8 (second row, second column); which cells the
  // gallery then redraws, and the snapshot it keeps, are the gallery picture's own test.
  run = RunGallery(data, "j{Ctrl+Y}{Right}{Down}{Enter}");
  EXPECT_EQ(run.LastState()["CurrentMemory"].toInt(), 8);

  run = RunGallery(data, "y{Down}{Right}{Enter}");
  EXPECT_EQ(Tie(Memory(run, run.FrameCount()), run.LastState()["Mode"].toString()),
            Tie(8, "JacksonCross"));
}

// The gallery shows what a recall shows: after Ctrl+R, and after the room chosen in the
// configuration, its cells are those of a gallery built in that room from the start.
TEST(GalleryRun, CellsFollowTheMirror) {
  const std::string mirroredRoom = StartedFolder();
  SetSetting(mirroredRoom, "Mirror&:", "-1 ");
  RunGallery(mirroredRoom, "y{Esc}");
  const QImage mirrored = Picture(mirroredRoom + "/1lvgallery.bmp");

  const std::string data = FreshFolder("data");
  RunGallery(data, "y{Esc}");
  const QImage direct = Picture(data + "/1lvgallery.bmp");
  EXPECT_GT(MeanGreyDifference(direct, mirrored), 0.5);
  RunGallery(data, "{Ctrl+R}y{Esc}");
  EXPECT_LT(MeanGreyDifference(Picture(data + "/1lvgallery.bmp"), mirrored), 0.05);
  RunGallery(data, "{Ctrl+C}y{Esc}", "Direct View (normal letters);Save");
  EXPECT_LT(MeanGreyDifference(Picture(data + "/1lvgallery.bmp"), direct), 0.05);
}

TEST(GalleryRun, ImportedPictureFillsTheChosenSlotAndShowsInImageMode) {
  const std::string data = FreshFolder("data");
  const std::string pictures = FreshFolder("pictures");
  QImage halves(300, 200, QImage::Format_RGB32);
  halves.fill(Qt::blue);
  QPainter(&halves).fillRect(0, 0, 150, 200, Qt::red);
  const std::string png = pictures + "/Halves.PNG";
  ASSERT_TRUE(halves.save(QString::fromStdString(png), "PNG"));

  // (The import's first box, the copy's pixels, Esc in the slot choice, the image keys and the
  // image gallery's cells have tests of their own; that the next visit of the gallery shows the
  // new picture, the killed import's run.)
  const ProgramRunResult run = RunGallery(data, "{Tab}{Right}{Right}{Right}{Right}{Enter}", "OK;" + png);
  EXPECT_TRUE(Printed(run, "[Lenvari Acuity - Select Image File] Image Files")) << run.output;
  EXPECT_EQ(Tie(run.LastState()["Mode"].toString(), run.LastState()["ImageNum"].toInt()), Tie("Image", 5));
  const QImage shown = run.Frame(run.FrameCount());
  EXPECT_EQ(Tie(shown.pixelColor(960 - 300, 540), shown.pixelColor(960 + 300, 540)),
            Tie(QColor(Qt::red), QColor(Qt::blue)));
}

// A store (presets, snapshot, gallery, index) and an import (slot, gallery, index) killed at
// each of their renames: the next visit of the gallery shows in the cell what the preset file
// or the slot holds, never the chart or picture they held before.
TEST(GalleryRun, AStoreOrAnImportKilledAtAnyRenameLeavesNoStaleCell) {
  if (std::system("strace -V > /dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
  namespace fs = std::filesystem;
  const std::string prepared = FreshFolder("prepared");
  RunGallery(prepared, "y{Esc}i{Esc}");  // both galleries and their indexes
  QImage red(300, 200, QImage::Format_RGB32);
  red.fill(Qt::red);
  const std::string png = FreshFolder("pictures") + "/Red.png";
  ASSERT_TRUE(red.save(QString::fromStdString(png), "PNG"));

  const struct {
    std::string keys, answers, gallery, visit;
    std::function<bool(const std::string&)> changed;  // whether the new content is stored
  } cases[] = {
      {"j{Ctrl+F2}", "", "/1lvgallery.bmp", "y{Esc}",
       [&](const std::string& work) { return ReadText(work + "/1presets.cfg") != ReadText(prepared + "/1presets.cfg"); }},
      {"{Tab}{Right}{Enter}", "OK;" + png, "/1imagegallery.bmp", "i{Esc}",
       [](const std::string& work) { return fs::exists(work + "/lvimg2.bmp"); }},
  };
  const std::string work = FreshFolder("work");
  const std::string log = FreshFolder("log") + "/trace";
  const auto fresh = [&] {
    fs::remove_all(work);
    fs::copy(prepared, work, fs::copy_options::recursive);
  };
  for (const auto& c : cases) {
    const QImage before = CellOf(Picture(prepared + c.gallery), 2);
    fresh();
    ProgramRunRequest request = ScriptRequest(
        c.keys, work, c.answers.empty() ? std::nullopt : std::optional<std::string>(c.answers));
    request.wrapper = {"strace", "-f", "-qq", "-o", log, "-e", "trace=rename"};
    ASSERT_EQ(RunProgram(request).exitCode, 0);
    // The renames into the data folder, by their count among all (the frames are renamed too).
    std::vector<size_t> intoFolder;
    std::istringstream trace(ReadText(log));
    size_t count = 0;
    for (std::string line; std::getline(trace, line);) {
      if (line.find("rename(") == std::string::npos) continue;
      ++count;
      if (line.find("\", \"" + work + "/") != std::string::npos) intoFolder.push_back(count);
    }
    ASSERT_GE(intoFolder.size(), 3u) << c.keys;
    RunGallery(work, c.visit);
    const QImage after = CellOf(Picture(work + c.gallery), 2);
    ASSERT_GT(MeanGreyDifference(before, after), 5) << c.keys;

    for (size_t k : intoFolder) {
      fresh();
      request.wrapper = {"strace", "-f", "-qq", "-o", "/dev/null", "-e", "trace=rename",
                         "-e", "inject=rename:signal=KILL:when=" + std::to_string(k)};
      EXPECT_NE(RunProgram(request).exitCode, 0) << c.keys << " " << k;
      RunGallery(work, c.visit);
      const QImage shown = CellOf(Picture(work + c.gallery), 2);
      const bool changed = c.changed(work);
      EXPECT_LT(MeanGreyDifference(shown, changed ? after : before),
                MeanGreyDifference(shown, changed ? before : after))
          << c.keys << " killed at rename " << k << (changed ? ": new content" : ": old content");
    }
  }
}

}  // namespace
}  // namespace lenvari
