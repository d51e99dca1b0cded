// The monitor a calibration was made on: what counts as another monitor, when a reported
// physical size is believed, and the small file that remembers it.

#include <gtest/gtest.h>

#include <tuple>

#include "store/DataFolder.h"
#include "store/MonitorNumbering.h"
#include "store/ScreenIdentity.h"
#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

ScreenRecord Screen(const std::string& maker, const std::string& model, const std::string& serial,
                    double ratio = 1, int rotation = 0) {
  ScreenRecord r;
  r.known = true, r.manufacturer = maker, r.model = model, r.serialNumber = serial, r.widthPx = 1920;
  r.heightPx = 1080, r.pixelRatio = ratio, r.rotationDegrees = rotation;
  return r;
}

ScreenRecord Reporting(double widthMm, double heightMm) {
  ScreenRecord r = Screen("DEL", "U2419H", "");
  r.physicalWidthMm = widthMm, r.physicalHeightMm = heightMm;
  return r;
}

}  // namespace

TEST(ScreenIdentity, AnotherMonitorScalingOrRotationIsAChangeInTheExaminersWords) {
  const ScreenRecord a = Screen("DEL", "U2419H", "7KX1"), nameless = Screen("", "", "");
  const std::tuple<ScreenRecord, ScreenRecord, std::string> cases[] = {
      {a, a, ""},
      {a, Screen("DEL", "U2720Q", "9ZZ2"), "The patient monitor has changed (was DEL U2419H, now DEL U2720Q)."},
      // Two monitors of one model are told apart by their serial numbers.
      {a, Screen("DEL", "U2419H", "8AB3"),
       "The patient monitor has changed (was DEL U2419H serial 7KX1, now DEL U2419H serial 8AB3)."},
      // A platform that names no monitor leaves only the other checks.
      {a, nameless, ""},
      {nameless, a, ""},
      {a, Screen("DEL", "U2419H", "7KX1", 2),
       "The display scaling of the patient monitor has changed (was 100 %, now 200 %)."},
      {Screen("", "", "", 1.25), nameless,
       "The display scaling of the patient monitor has changed (was 125 %, now 100 %)."},
      {a, Screen("DEL", "U2419H", "7KX1", 1, 90),
       "The patient monitor has been turned (was 0 degrees, now 90 degrees)."},
      // Nothing remembered yet (a folder calibrated before identities were kept): no change.
      {ScreenRecord{}, Screen("DEL", "U2720Q", "", 2), ""}};
  for (const auto& [remembered, present, text] : cases)
    EXPECT_EQ(ScreenChangeText(remembered, present), text) << text;
}

TEST(ScreenIdentity, ReportedSizeIsBelievedOnlyWhenItsAspectAndDiagonalMakeSense) {
  // A 24-inch 16:9 monitor: at 20 feet (8.87 cm) the square is 323 x 324 pixels.
  const auto square = PhysicalSquare(Reporting(527, 296), 8.87);
  ASSERT_TRUE(square.has_value());
  EXPECT_EQ(square->x, 323);  // 88.7 mm x 1920 / 527
  EXPECT_EQ(square->y, 324);  // 88.7 mm x 1080 / 296
  EXPECT_TRUE(PlausiblePhysicalSize(Reporting(1660, 934)));   // 75 inches
  EXPECT_FALSE(PlausiblePhysicalSize(Reporting(160, 90)));    // 7 inches: not a patient monitor
  EXPECT_FALSE(PlausiblePhysicalSize(Reporting(2900, 1631))); // 131 inches
  EXPECT_FALSE(PlausiblePhysicalSize(Reporting(527, 200)));   // the wrong shape
  EXPECT_FALSE(PlausiblePhysicalSize(Reporting(0, 0)));       // not reported
  EXPECT_FALSE(PhysicalSquare(Reporting(160, 90), 8.87).has_value());
  // Within 5 % of the pixels' aspect is still believed; beyond it is not.
  EXPECT_TRUE(PlausiblePhysicalSize(Reporting(527 * 1.04, 296)));
  EXPECT_FALSE(PlausiblePhysicalSize(Reporting(527 * 1.06, 296)));
}

TEST(ScreenIdentity, RememberedPerMonitorInAFileOfItsOwn) {
  PerMonitor<ScreenRecord> calibrated{};
  calibrated[1] = Screen("DEL", "U2419H", "7KX1", 1.25, 90);
  calibrated[3] = Screen("", "", "");  // a platform that names nothing
  const std::string text = ScreenIdentityFileText(calibrated);
  const std::string start = "Monitor&:\r\n 1 \r\nManufacturer$:\r\nDEL\r\nModel$:\r\nU2419H\r\n";
  EXPECT_EQ(text.substr(0, start.size()), start);
  const std::string folder = FreshFolder("data");
  ASSERT_TRUE(SaveScreenIdentities(folder, calibrated));
  EXPECT_EQ(ReadWholeFile(folder + "/lvscreenidentity.cfg"), text);
  const PerMonitor<ScreenRecord> back = LoadScreenIdentities(folder);
  EXPECT_EQ(Tie(back[1].known, back[1].model, back[1].serialNumber, back[1].widthPx,
                back[1].pixelRatio, back[1].rotationDegrees, back[2].known, back[3].known,
                back[3].manufacturer, back[3].heightPx, ScreenChangeText(back[1], calibrated[1])),
            Tie(true, "U2419H", "7KX1", 1920, 1.25, 90, false, true, "", 1080, ""));
  EXPECT_FALSE(LoadScreenIdentities(FreshFolder("empty"))[1].known);

  // A record cut to its number, or with a rotation no monitor has, says nothing of the monitor:
  // not known, and damaged.
  bool damaged = false;
  EXPECT_FALSE(ParseScreenIdentityFile("Monitor&:\r\n 1 \r\n", &damaged)[1].known);
  EXPECT_TRUE(damaged);
  EXPECT_TRUE(ParseScreenIdentityFile(text, &damaged)[1].known);
  EXPECT_FALSE(damaged);
  EXPECT_FALSE(ParseScreenIdentityFile(WithValue(text, "Rotation&:", " 45 "), &damaged)[1].known);
  EXPECT_TRUE(damaged);
  ParseScreenIdentityFile("", &damaged);
  EXPECT_FALSE(damaged);
}

// Monitors listed in another order than at their calibration keep their numbers; monitors that
// cannot be told apart, new ones and ones without a name fill the free numbers in order.
TEST(ScreenIdentity, AMonitorKeepsTheNumberItWasCalibratedAsInAnyOrder) {
  const ScreenRecord patient = Screen("LEN", "P24", "A1"), examiner = Screen("DEL", "U19", "B2");
  const ScreenRecord unnamed = Screen("", "", ""), twin = Screen("DEL", "U19", "B2");
  using Numbers = std::vector<int>;
  EXPECT_EQ(NumberMonitors({examiner, patient}, {patient, examiner}), (Numbers{2, 1}));
  EXPECT_EQ(NumberMonitors({patient, examiner}, {patient, examiner}), (Numbers{1, 2}));
  // Only the patient monitor was remembered, as number 2.
  EXPECT_EQ(NumberMonitors({patient, examiner}, {ScreenRecord{}, patient}), (Numbers{2, 1}));
  // Remembered as 3, but only two are present: the number is out of reach.
  EXPECT_EQ(NumberMonitors({patient, examiner}, {unnamed, unnamed, patient}), (Numbers{1, 2}));
  // Two present monitors with one identity, or two remembered ones: the order stays.
  EXPECT_EQ(NumberMonitors({examiner, twin, patient}, {patient, examiner, twin}),
            (Numbers{2, 3, 1}));
  EXPECT_EQ(NumberMonitors({examiner, patient}, {examiner, twin}), (Numbers{1, 2}));
  // Monitors without a name never take a remembered number away.
  EXPECT_EQ(NumberMonitors({unnamed, patient}, {unnamed, patient}), (Numbers{1, 2}));
  EXPECT_EQ(NumberMonitors({unnamed, unnamed}, {}), (Numbers{1, 2}));
  // A record that was never known counts as none.
  ScreenRecord forgotten = patient;
  forgotten.known = false;
  EXPECT_EQ(NumberMonitors({examiner, patient}, {forgotten, examiner}), (Numbers{2, 1}));
}

}  // namespace lenvari
