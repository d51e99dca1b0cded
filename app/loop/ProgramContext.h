#pragma once
// The program context: the one instance of the state, the windows and the services of a run.
// Procedures take it (or the parts they need) by reference; nothing here is global.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/loop/KeyArrival.h"
#include "app/loop/RunOptions.h"
#include "common/VirtualRemoteMailbox.h"
#include "gallery/GalleryPictures.h"
#include "phone/PhoneServer.h"
#include "platform/qtgui/Canvas.h"
#include "platform/qt/CanvasWindow.h"
#include "platform/ConsoleHost.h"
#include "platform/FolderLock.h"
#include "platform/KeyScript.h"
#include "platform/qtgui/MonitorChanges.h"
#include "platform/Sound.h"
#include "render/OptotypeShapes.h"
#include "store/State.h"

namespace lenvari {

// The scripted input of a non-interactive run.
struct ScriptedInput {
  bool active = false;
  std::deque<ScriptStep> steps;
  double resumeAt = 0;  // `MonotonicSeconds` until which a {Wait:S} holds input back
};

// How many records of each kind a --frames run has written; each kind is numbered on its own.
struct FramesWritten {
  int chart = 0;
  int monitor = 0;
  int video = 0;
};

// The virtual remote's state between waits.
struct VirtualRemoteWatch {
  // The monotonic time of a press of its Image Gallery that waits to learn whether it is the
  // first click of a double click (which means "add images").
  std::optional<double> imageGalleryAt;
  // Set when it was opened; its window closing is then noticed by the wait.
  bool started = false;
};

// The control window's place as last seen, when it last changed, and as last saved.
struct ControlWindowWatch {
  WindowPlace seen;
  double movedAt = 0;
  WindowPlace saved;
};

// The monitors switched off and on while the program runs: the patient monitor's output name,
// whether it is disconnected (the chart window hidden meanwhile) and the outputs that stayed
// when it went.
struct HotPlugWatch {
  std::unique_ptr<MonitorChanges> changes;
  std::string patientMonitorName;
  bool patientMonitorGone = false;
  std::vector<std::string> monitorsLeft;
};

// The display's gamma matched by eye: the gamma the match screen shows while it is shown, and
// whether the gamma in use was matched in this run (lvdisplay.cfg holds only the value).
struct GammaMatchWatch {
  std::optional<double> shown;
  bool matchedByEye = false;
};

// The phone remote: its server, while `PhoneRemote` is 1; the answer keys sent; what the control
// window last showed of it.
struct PhoneRemoteWatch {
  std::unique_ptr<PhoneServer> server;
  int framesSent = 0;
  std::string statusShown;
};

// What the examiner is told for a while: a line the live status shows under the chart state
// after the command that set it (what a command did that the chart does not show), cleared when
// the next input comes; and, while the About box shows, the monotonic time at which the input
// wait hides it.
struct ExaminerNotices {
  std::string status;
  std::optional<double> aboutBoxHideAt;
};

// What each input wait leaves besides the input: the modifier state of the key taken, and how
// many polls in a row found no chart window.
struct InputWaitWatch {
  int AltDown = 0;
  int CtrlDown = 0;
  int missingChartWindowPolls = 0;
};

struct ProgramContext {
  explicit ProgramContext(ConsoleHost& consoleHost) : console(consoleHost) {}

  State state;
  ConsoleHost& console;
  RunOptions options;

  OptotypeShapes shapes;
  ClickSound clickSound;

  // The patient display: the chart window and the canvas every frame is drawn on.
  std::unique_ptr<CanvasWindow> chartWindow;
  std::unique_ptr<Canvas> chartCanvas;
  // The examiner's small copy of the patient display, while it is open.
  std::unique_ptr<CanvasWindow> monitorWindow;
  std::unique_ptr<Canvas> monitorCanvas;
  // Where the monitor window last drew its copy of the patient display, in its pixels (empty:
  // no copy shown).
  RectF monitorThumbnail;

  // Held while the program runs, so a second start on the same data folder is refused.
  // The gallery pictures of the current monitor, decoded, between visits.
  GalleryPictures galleries;
  std::unique_ptr<FolderLock> dataFolderLock;

  VirtualRemoteMailbox VirtualRemoteCommand;
  // The keys of the keyboard sources between their arrival and the dispatch.
  KeyArrival keyArrival;
  VirtualRemoteWatch virtualRemote;
  ScriptedInput script;
  PhoneRemoteWatch phone;

  ControlWindowWatch controlWindowPlace;

  ExaminerNotices notices;

  HotPlugWatch hotPlug;

  GammaMatchWatch gammaMatch;

  InputWaitWatch inputWait;
  FramesWritten framesWritten;
};

}  // namespace lenvari
