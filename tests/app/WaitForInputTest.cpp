// Input reaching the program's wait: keys, bursts, remote buttons, clicks, the randomize
// timer, and a chart window that is gone.

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWebSocket>

#include "app/loop/Clock.h"
#include "app/loop/KeyArrival.h"
#include "app/examiner/PhoneRemote.h"
#include "app/loop/ProgramEnd.h"
#include "app/loop/WaitForInput.h"
#include "phone/MessageAuth.h"
#include "phone/PhoneMessage.h"
#include "platform/qt/EventWait.h"
#include "platform/KeyScript.h"
#include "support/ChartWindowFixture.h"
#include "support/Tie.h"

namespace lenvari {

using WaitFixture = ChartWindowFixture;

// (Calibrated, the chart's units follow the scales: the clicks below and the calibration run.)
// Uncalibrated (scales still 0): the window uses the calibration's starting value 343 and
// stores nothing.
TEST_F(WaitFixture, AnUncalibratedChartTakesTheCalibrationsStartingScale) {
  context.state.monitors.MasterScaleX[1] = 0, context.state.monitors.MasterScaleY[1] = 0;
  OpenChartWindow(context);
  // 1920000 / 343 = 5597.67 and 1080000 / 343 = 3148.69, rounded.
  const Monitors& m = context.state.monitors;
  EXPECT_EQ(Tie(m.ChartWidth, m.ChartHeight, m.MasterScaleX[1]), Tie(5598, 3149, 0));
}

// (A remote word typed fast arrives whole: the arrival's test below and the quick-key run.)
TEST_F(WaitFixture, KeysTakenTogetherArriveOneByOne) {
  // Keys the program had no time for: each one its own input, in order.
  Type("+++");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(WaitForInput(context), "+") << i;
  // A start that stops being a word goes on key by key, the key that broke it too.
  Type("ControlRemoteF13x");
  for (char c : std::string("ControlRemoteF13x"))
    EXPECT_EQ(WaitForInput(context), std::string(1, c));
  // A "C" alone waits out the gap between a receiver's keys, then shows the letter.
  Type("C");
  const double start = MonotonicSeconds();
  EXPECT_EQ(WaitForInput(context), "C");
  EXPECT_GE(MonotonicSeconds() - start, kRemoteWordGapSeconds);
  // Extended keys taken together stay whole.
  const std::string upDown = ExtendedKey(keycode::Up) + ExtendedKey(keycode::Down);
  EXPECT_EQ(SplitKeys(upDown), (std::vector<std::string>{ExtendedKey(keycode::Up),
                                                         ExtendedKey(keycode::Down)}));
}

TEST(KeyArrival, AWordJoinsAcrossArrivalsWithinTheGapAndSlowKeysStayAlone) {
  KeyArrival fast;
  double t = 0;
  for (char c : std::string("ControlRemoteF12")) {
    ReceiveKeys(fast, std::string(1, c), 0, 0, t);
    t += 0.02;
    ReleaseOverdueKeys(fast, t);
  }
  ASSERT_EQ(fast.ready.size(), 1u);
  EXPECT_EQ(fast.ready.front().text, "ControlRemoteF12");

  // 150 ms per key: every key is its own input, in order.
  KeyArrival slow;
  t = 0;
  for (char c : std::string("ControlRemoteF12")) {
    ReleaseOverdueKeys(slow, t);
    ReceiveKeys(slow, std::string(1, c), 0, 0, t);
    t += 0.15;
  }
  ReleaseOverdueKeys(slow, t);
  std::string order;
  for (const KeyInput& key : slow.ready) order += key.text + "|";
  EXPECT_EQ(order, "C|o|n|t|r|o|l|R|e|m|o|t|e|F|1|2|");
  EXPECT_TRUE(BeginsRemoteWord("ControlRemoteF1"));
  EXPECT_FALSE(BeginsRemoteWord("ControlRemoteF13"));
  EXPECT_FALSE(BeginsRemoteWord("ControlRemoteF01"));  // whole, no longer a start
}

TEST_F(WaitFixture, NamedKeysBecomeTheirInputStrings) {
  std::string error;
  const auto steps = ParseKeyScript("{Up}{F1}{F12}{Ctrl+Q}{Alt+S}{Alt+Down}{Enter}{Backspace}{Tab}{Esc}{{",
                              error);
  ASSERT_TRUE(steps) << error;
  const std::vector<std::string> expected = {
      std::string("\0H", 2), std::string("\0;", 2), std::string("\0X", 2), "\x11",
      std::string("\0\x1f", 2), std::string("\0\xa0", 2), "\r", "\b", "\t", "\x1b", "{"};
  ASSERT_EQ(steps->size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    for (const KeyPress& key : (*steps)[i].keys) context.chartWindow->InjectKey(key);
    EXPECT_EQ(WaitForInput(context), expected[i]) << "step " << i;
  }
  // (Ctrl with a function key, the key's code with Ctrl held, is the quick-key run's store.)
}

// (A one-digit memory button through the mailbox: the virtual remote's test and the quick-key
// run.)
TEST_F(WaitFixture, RemoteMemoryButtonsAndClicks) {
  context.VirtualRemoteCommand.Write("m12");
  EXPECT_EQ(WaitForInput(context), std::string(1, static_cast<char>(212)));
  context.VirtualRemoteCommand.Write("+");
  EXPECT_EQ(WaitForInput(context), "+");
  EXPECT_TRUE(context.VirtualRemoteCommand.Empty());
  // A click reports its place in chart units (400 pixels = 1000 units, origin at the centre).
  context.chartWindow->InjectClick(960 + 400, 540 - 200);
  EXPECT_EQ(WaitForInput(context), "MouseEvent");
  EXPECT_EQ(Tie(context.state.chart.MouseX, context.state.chart.MouseY), Tie(1000, -500));
}

TEST_F(WaitFixture, ImageGalleryPressWaitsForTheDoubleClickAndKeepsTheOrder) {
  // A double click stores "i" and then Tab: only Tab, "add images", arrives.
  context.VirtualRemoteCommand.Write("i");
  QTimer::singleShot(DoubleClickMilliseconds() / 4,
                     [this] { context.VirtualRemoteCommand.Write("\t"); });
  EXPECT_EQ(WaitForInput(context), "\t");
  // A single click opens the gallery once the double-click interval has passed.
  context.VirtualRemoteCommand.Write("i");
  const double start = MonotonicSeconds();
  EXPECT_EQ(WaitForInput(context), "i");
  EXPECT_GE(MonotonicSeconds() - start, DoubleClickMilliseconds() / 1000.0 - 0.01);
  // Another key pressed meanwhile follows it; a typed key waits its turn.
  context.VirtualRemoteCommand.Write("i");
  QTimer::singleShot(20, [this] {
    context.VirtualRemoteCommand.Write("+");
    Type("-");
  });
  EXPECT_EQ(WaitForInput(context), "i");
  EXPECT_EQ(WaitForInput(context), "+");
  EXPECT_EQ(WaitForInput(context), "-");
}

TEST_F(WaitFixture, TimedRandomizeFiresAndAnyOtherInputStopsIt) {
  context.state.chart.TimedRandom = 1, context.state.settings.TimerDelay = 0.05f;
  EXPECT_EQ(WaitForInput(context), "r");
  EXPECT_EQ(context.state.chart.TimedRandom, 1);
  Type("+");
  EXPECT_EQ(WaitForInput(context), "+");
  EXPECT_EQ(context.state.chart.TimedRandom, 0);
}

TEST_F(WaitFixture, AClosedChartWindowEndsTheProgramAfterFivePolls) {
  context.chartWindow->Close();
  EXPECT_THROW(WaitForInput(context), ProgramEnd);
  EXPECT_EQ(context.inputWait.missingChartWindowPolls, 5);
}

// The phone remote's inputs reach the wait as the virtual remote's do; while it is off there is
// no server.
TEST_F(WaitFixture, PhoneInputsJoinTheWaitOnlyWhileThePhoneRemoteIsOn) {
  ApplyPhoneRemoteSetting(context);
  EXPECT_FALSE(context.phone.server);
  context.state.phoneRemote = {1, 0};
  ApplyPhoneRemoteSetting(context);
  ASSERT_TRUE(context.phone.server && context.phone.server->Listening());
  const std::string address = context.phone.server->PairingAddressNow();
  EXPECT_NE(console.printed.find("[Phone Remote] " + address + "\n"), std::string::npos);
  std::string code;
  ASSERT_TRUE(BytesOfHex(address.substr(address.find('#') + 1), code));

  QWebSocket phone;
  phone.open(QUrl(QString("ws://127.0.0.1:%1/ws").arg(context.phone.server->Port())));
  ASSERT_TRUE(QTest::qWaitFor([&] { return phone.state() == QAbstractSocket::ConnectedState; }));
  const std::string name(32, 'a');
  phone.sendTextMessage(QString::fromStdString(SignPhoneMessage(code, name, 1, "m5")));
  phone.sendTextMessage(QString::fromStdString(SignPhoneMessage(code, name, 2, "+")));
  EXPECT_EQ(WaitForInput(context), std::string(1, static_cast<char>(205)));
  EXPECT_EQ(WaitForInput(context), "+");

  context.state.phoneRemote.PhoneRemote = 0;
  ApplyPhoneRemoteSetting(context);
  EXPECT_FALSE(context.phone.server);  // (a server stopped closes its port: its own test)
}

}  // namespace lenvari
