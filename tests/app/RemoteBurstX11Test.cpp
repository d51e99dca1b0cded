// A handheld remote's receiver and fast typing under a real X server: keys typed through the
// server (xdotool), one by one as a receiver or a hand sends them, into the control window.

#include <gtest/gtest.h>

#include <QJsonObject>
#include <QThread>

#include <thread>

#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/XServer.h"

namespace lenvari {
namespace {

// Waits until the running program has written `count` frames, the last one whole.
bool WaitForFrames(const ProgramRunResult& frames, int count, int seconds = 30) {
  return WaitFor([&] { return frames.FrameCount() >= count && !frames.FrameState(count).isEmpty(); },
                 seconds);
}

// The parts of the chart a press-and-hold store must leave alone.
QJsonObject Chart(const QJsonObject& state) {
  QJsonObject chart;
  for (const char* name : {"Mode", "SizeNow", "LetterSet", "LetterSetFileNum", "JustOneLetter",
                           "HShutter", "VShutter", "Mask", "Grad", "TimedRandom"})
    chart[name] = state[name];
  return chart;
}

}  // namespace

TEST(RemoteBurstX11, ReceiverWordsStorePresetsAndTypedKeysAreEachCarriedOut) {
  const QString missing = XServer::MissingTool({"xdotool"});
  if (!missing.isEmpty()) GTEST_SKIP() << missing.toStdString();
  XServer server({"1920x1080"});
  if (!server.problem().isEmpty()) GTEST_SKIP() << server.problem().toStdString();

  // Esc ends the run at the end: its question is answered Yes.
  ProgramRunRequest request = ScriptRequest("{Wait:150}", StartedFolder(), "Yes");
  request.x11Display = server.display().toStdString(), request.framesDir = FreshFolder("frames");
  ProgramRunResult frames;
  frames.framesDir = request.framesDir;
  ProgramRunResult run;
  std::thread program([&] { run = RunProgram(request); });

  QString control;
  for (int i = 0; i < 200 && (control.isEmpty() || frames.FrameCount() < 1); ++i) {
    QThread::msleep(100);
    control = server.Tool("xdotool", {"search", "--onlyvisible", "--name", "^Lenvari Acuity$"})
                  .section('\n', 0, 0);
  }
  int wordsStart = 0, plusFrames = 0, slowStart = 0;
  if (!control.isEmpty()) {
    QThread::msleep(1500);  // the About box goes
    server.Tool("xdotool", {"windowfocus", "--sync", control});
    int count = wordsStart = frames.FrameCount();
    for (int round = 0; round < 10; ++round) {
      for (const char* word : {"ControlRemoteF07", "ControlRemoteF01", "ControlRemoteF12"}) {
        server.Tool("xdotool", {"type", "--delay", "0", word});
        if (!WaitForFrames(frames, ++count)) break;
        // A word that fell apart would draw more frames: give them time to show.
        QThread::msleep(150);
        count = frames.FrameCount();
      }
    }
    plusFrames = frames.FrameCount();
    server.Tool("xdotool", {"type", "--delay", "5", "+++"});
    WaitForFrames(frames, plusFrames + 3);
    QThread::msleep(500);
    slowStart = frames.FrameCount();
    // The same word typed at 150 ms a key ends in "0", "7": a typed size, ended by Esc.
    server.Tool("xdotool", {"type", "--delay", "150", "ControlRemoteF07"});
    QThread::msleep(1500);
    server.Tool("xdotool", {"key", "Escape"});
    QThread::msleep(500);
    server.Tool("xdotool", {"key", "Escape"});
  }
  program.join();

  ASSERT_FALSE(control.isEmpty()) << "no control window\n" << run.output << run.errors;
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  // One frame per word, each the chart as it was, with the preset it stored.
  ASSERT_EQ(plusFrames, wordsStart + 30);
  const QJsonObject before = Chart(run.FrameState(wordsStart));
  for (int i = 0; i < 30; ++i) {
    const QJsonObject state = run.FrameState(wordsStart + 1 + i);
    EXPECT_EQ(state["CurrentMemory"].toInt(), (std::vector<int>{7, 1, 12})[i % 3]) << "word " << i;
    EXPECT_EQ(Chart(state), before) << "word " << i;
  }

  // "+++" 5 ms apart: three size steps.
  ASSERT_GE(slowStart, plusFrames + 3);
  const int size = run.FrameState(plusFrames)["SizeNow"].toInt();
  for (int step = 1; step <= 3; ++step)
    ExpectFrame(run, plusFrames + step, {{"SizeNow", size + step}});

  // Typed slowly the word is its characters: "C" shows one letter first, no preset is stored.
  ASSERT_GT(run.FrameCount(), slowStart + 5);
  ExpectFrame(run, slowStart + 1, {{"JustOneLetter", "C"}});
  for (int n = slowStart + 1; n <= run.FrameCount(); ++n)
    EXPECT_EQ(run.FrameState(n)["CurrentMemory"].toInt(), 12) << "frame " << n;
}

}  // namespace lenvari
