#pragma once
// What the calibration of a patient monitor was made on: the monitor's identity as it reports
// it, its native pixel size, its display scaling and its rotation. A calibration is only right
// on the monitor it was made on, so a replaced monitor (same resolution, other size), another
// display scaling or another rotation asks for it again. Kept per monitor in a small file of
// this program's own ("lvscreenidentity.cfg"); the shared files keep their layout.

#include <optional>
#include <string>

#include "store/Monitors.h"

namespace lenvari {

inline constexpr const char* kScreenIdentityFileName = "lvscreenidentity.cfg";

struct ScreenRecord {
  bool known = false;
  std::string manufacturer, model, serialNumber;
  int widthPx = 0, heightPx = 0;  // native (device) pixels
  double pixelRatio = 1;
  int rotationDegrees = 0;
  // The reported physical size; only of the present monitor, never stored.
  double physicalWidthMm = 0, physicalHeightMm = 0;
};

struct ScreenRecords {
  PerMonitor<ScreenRecord> Calibrated;  // as remembered at each monitor's last calibration
  PerMonitor<ScreenRecord> Present;     // as found at start-up
  // The file could not be read or was damaged: a monitor without a record may be another one
  // than its calibration was made on.
  bool IdentityUnknown = false;
};

// True when the platform named the monitor at all (maker, model or serial number).
bool HasIdentity(const ScreenRecord& record);
// "DEL U2419H", with the serial number when that is all that tells two monitors apart.
std::string ScreenName(const ScreenRecord& record, const ScreenRecord& other);

// What changed between the monitor the calibration was made on and the present one, in the
// examiner's words ("The patient monitor has changed (was DEL U2419H, now DEL U2720Q)."), or ""
// when the calibration still belongs to it. Identities count only where both are known; a
// monitor never remembered has changed nothing.
std::string ScreenChangeText(const ScreenRecord& remembered, const ScreenRecord& present);

// The reported physical size is believable: the monitor names itself (without an identity the
// size is the window system's guess from its dots per inch), width and height agree with the
// pixels' aspect ratio within 5 % and the diagonal lies between 10 and 120 inches.
bool PlausiblePhysicalSize(const ScreenRecord& present);
// The square of `sideCm` centimetres in pixels along each axis, from a believable physical
// size; nothing otherwise.
struct SquarePixels {
  int x = 0, y = 0;
};
std::optional<SquarePixels> PhysicalSquare(const ScreenRecord& present, double sideCm);

std::string ScreenIdentityFileText(const PerMonitor<ScreenRecord>& calibrated);
// The whole records of the text; `damaged` tells whether anything else was in it (a record cut
// short, values no monitor has, a value outside any record).
PerMonitor<ScreenRecord> ParseScreenIdentityFile(const std::string& text,
                                                 bool* damaged = nullptr);
struct IdentityFileRead {
  std::string path;
  PerMonitor<ScreenRecord> records{};
  std::string unreadable;  // why the file exists and could not be read
  bool damaged = false;
};
IdentityFileRead ReadScreenIdentityFile(const std::string& dataPath);
PerMonitor<ScreenRecord> LoadScreenIdentities(const std::string& dataPath);
bool SaveScreenIdentities(const std::string& dataPath, const PerMonitor<ScreenRecord>& calibrated);

}  // namespace lenvari
