#include "store/ScreenIdentity.h"

#include <cmath>

#include "store/DataFolder.h"
#include "store/FieldReader.h"
#include "store/ValueWriter.h"

namespace lenvari {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kAspectTolerance = 0.05;
constexpr double kSmallestDiagonalInches = 10;
constexpr double kLargestDiagonalInches = 120;

std::string Percent(double ratio) { return std::to_string(static_cast<int>(std::lround(ratio * 100))) + " %"; }

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.erase(text.begin());
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
  return text;
}

}  // namespace

bool HasIdentity(const ScreenRecord& r) {
  return !r.manufacturer.empty() || !r.model.empty() || !r.serialNumber.empty();
}

std::string ScreenName(const ScreenRecord& record, const ScreenRecord& other) {
  std::string name = Trimmed(record.manufacturer + " " + record.model);
  const bool sameModel = record.manufacturer == other.manufacturer && record.model == other.model;
  if ((sameModel || name.empty()) && !record.serialNumber.empty())
    name += (name.empty() ? "serial " : " serial ") + record.serialNumber;
  return name.empty() ? "an unnamed monitor" : name;
}

std::string ScreenChangeText(const ScreenRecord& remembered, const ScreenRecord& present) {
  if (!remembered.known || !present.known) return "";
  if (HasIdentity(remembered) && HasIdentity(present) &&
      (remembered.manufacturer != present.manufacturer || remembered.model != present.model ||
       remembered.serialNumber != present.serialNumber))
    return "The patient monitor has changed (was " + ScreenName(remembered, present) + ", now " +
           ScreenName(present, remembered) + ").";
  if (std::fabs(remembered.pixelRatio - present.pixelRatio) > 0.001)
    return "The display scaling of the patient monitor has changed (was " +
           Percent(remembered.pixelRatio) + ", now " + Percent(present.pixelRatio) + ").";
  if (remembered.rotationDegrees != present.rotationDegrees)
    return "The patient monitor has been turned (was " +
           std::to_string(remembered.rotationDegrees) + " degrees, now " +
           std::to_string(present.rotationDegrees) + " degrees).";
  return "";
}

bool PlausiblePhysicalSize(const ScreenRecord& p) {
  // A size from a monitor that does not even name itself is the window system's guess from its
  // dots per inch, not a measurement.
  if (!HasIdentity(p)) return false;
  if (p.physicalWidthMm <= 0 || p.physicalHeightMm <= 0 || p.widthPx <= 0 || p.heightPx <= 0)
    return false;
  const double reportedAspect = p.physicalWidthMm / p.physicalHeightMm;
  const double pixelAspect = static_cast<double>(p.widthPx) / p.heightPx;
  if (std::fabs(reportedAspect / pixelAspect - 1) > kAspectTolerance) return false;
  const double diagonal = std::hypot(p.physicalWidthMm, p.physicalHeightMm) / kMillimetresPerInch;
  return diagonal >= kSmallestDiagonalInches && diagonal <= kLargestDiagonalInches;
}

std::optional<SquarePixels> PhysicalSquare(const ScreenRecord& p, double sideCm) {
  if (!PlausiblePhysicalSize(p) || sideCm <= 0) return std::nullopt;
  const double sideMm = sideCm * 10;
  return SquarePixels{static_cast<int>(std::lround(sideMm * p.widthPx / p.physicalWidthMm)),
                      static_cast<int>(std::lround(sideMm * p.heightPx / p.physicalHeightMm))};
}

std::string ScreenIdentityFileText(const PerMonitor<ScreenRecord>& calibrated) {
  std::string text;
  for (int n = 1; n <= kMaxMonitors; ++n) {
    const ScreenRecord& r = calibrated[n];
    if (!r.known) continue;
    AppendSetting(text, "Monitor&:", IntegerValue(n));
    AppendSetting(text, "Manufacturer$:", r.manufacturer);
    AppendSetting(text, "Model$:", r.model);
    AppendSetting(text, "SerialNumber$:", r.serialNumber);
    AppendSetting(text, "NativeWidth&:", IntegerValue(r.widthPx));
    AppendSetting(text, "NativeHeight&:", IntegerValue(r.heightPx));
    AppendSetting(text, "PixelRatio!:", RealValue(r.pixelRatio));
    AppendSetting(text, "Rotation&:", IntegerValue(r.rotationDegrees));
  }
  return text;
}

PerMonitor<ScreenRecord> ParseScreenIdentityFile(const std::string& text, bool* damaged) {
  PerMonitor<ScreenRecord> records{};
  PerMonitor<int> keysOf{};
  bool broken = false;
  FieldReader reader{text};
  std::string key, value;
  ScreenRecord* r = nullptr;
  int n = 0;
  while (ReadLineField(reader, key)) {
    key = Trimmed(key);
    if (key.empty()) continue;
    if (!ReadLineField(reader, value)) {
      broken = true;  // a key without its value
      break;
    }
    if (key == "Monitor&:") {
      n = IntegerOf(value);
      r = n >= 1 && n <= kMaxMonitors ? &records[n] : nullptr;
      if (r) *r = ScreenRecord{}, r->known = true, keysOf[n] = 0;
      broken = broken || !r;
      continue;
    }
    if (!r) {
      broken = true;  // a value outside any record
      continue;
    }
    ++keysOf[n];
    if (key == "Manufacturer$:") {
      r->manufacturer = Trimmed(value);
    } else if (key == "Model$:") {
      r->model = Trimmed(value);
    } else if (key == "SerialNumber$:") {
      r->serialNumber = Trimmed(value);
    } else if (key == "NativeWidth&:") {
      r->widthPx = IntegerOf(value);
    } else if (key == "NativeHeight&:") {
      r->heightPx = IntegerOf(value);
    } else if (key == "PixelRatio!:") {
      r->pixelRatio = RealOf(value);
    } else if (key == "Rotation&:") {
      r->rotationDegrees = IntegerOf(value);
    } else {
      --keysOf[n];
    }
  }
  // A record is only believed whole: one cut short, or with values no monitor has, tells
  // nothing about the monitor the calibration was made on, and taking it for one would let
  // another monitor pass without a calibration.
  constexpr int kRecordKeys = 7;
  constexpr int kLargestSide = 100000;
  for (int m = 1; m <= kMaxMonitors; ++m) {
    ScreenRecord& record = records[m];
    if (!record.known) continue;
    const bool whole = keysOf[m] >= kRecordKeys && record.widthPx >= 0 &&
                       record.widthPx <= kLargestSide && record.heightPx >= 0 &&
                       record.heightPx <= kLargestSide && record.pixelRatio >= 0.1 &&
                       record.pixelRatio <= 10 && record.rotationDegrees % 90 == 0 &&
                       record.rotationDegrees >= 0 && record.rotationDegrees < 360;
    if (!whole) record = ScreenRecord{}, broken = true;
  }
  if (damaged) *damaged = broken;
  return records;
}

IdentityFileRead ReadScreenIdentityFile(const std::string& dataPath) {
  IdentityFileRead result;
  result.path = ResolveDataFile(dataPath, kScreenIdentityFileName);
  const FileRead read = ReadDataFile(result.path);
  if (read.status == FileRead::Status::Unreadable) result.unreadable = read.reason;
  if (read.Read()) result.records = ParseScreenIdentityFile(read.bytes, &result.damaged);
  return result;
}

PerMonitor<ScreenRecord> LoadScreenIdentities(const std::string& dataPath) {
  return ReadScreenIdentityFile(dataPath).records;
}

bool SaveScreenIdentities(const std::string& dataPath, const PerMonitor<ScreenRecord>& calibrated) {
  return WriteFileAtomically(ResolveDataFile(dataPath, kScreenIdentityFileName),
                             ScreenIdentityFileText(calibrated));
}

}  // namespace lenvari
