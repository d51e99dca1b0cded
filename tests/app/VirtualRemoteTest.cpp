// The virtual remote seen from the program: started once, read by the input wait, and its
// closing noticed without touching the settings file.

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>

#include "app/examiner/VirtualRemote.h"
#include "app/loop/WaitForInput.h"
#include "dialogs/VirtualRemoteWindow.h"
#include "support/ChartWindowFixture.h"
#include "support/WindowLookup.h"

namespace lenvari {
namespace {

int RemoteWindows() {
  return std::ranges::count_if(QApplication::topLevelWidgets(), [](QWidget* window) {
    return window->isVisible() && window->windowTitle() == "Virtual Remote";
  });
}

QAbstractButton* RemoteKey(const QString& label) {
  QWidget* remote = ShownWindow("Virtual Remote");
  if (!remote) ADD_FAILURE() << "no remote for the key " << label.toStdString();
  return remote ? KeyNamed(*remote, label) : nullptr;
}

struct RemoteFixture : ChartWindowFixture {
  void SetUp() override {
    ChartWindowFixture::SetUp();
    context.state.settings.ShowVirtualRemote = 1;
  }
  void TearDown() override {
    CloseVirtualRemote(context);
    QApplication::processEvents();
  }
};

}  // namespace

// (One window however often it is opened, and the last of two presses winning, are the remote
// window's own tests.)
TEST_F(RemoteFixture, APressReachesTheWaitAndBringsTheControlWindowForward) {
  StartVirtualRemote(context);
  QTest::mouseClick(RemoteKey("M5"), Qt::LeftButton);
  EXPECT_EQ(WaitForInput(context), std::string(1, static_cast<char>(205)));
  EXPECT_EQ(console.ownCalls, std::vector<std::string>({"Front"}));
  Type("x");
  EXPECT_EQ(WaitForInput(context), "x");
  EXPECT_EQ(context.state.settings.ShowVirtualRemote, 1);
}

TEST_F(RemoteFixture, ClosingTheWindowClearsTheSettingOnlyForARemoteThatWasStarted) {
  // Wanted but never started (the wait runs before the loop entry starts it): left alone.
  Type("a");
  EXPECT_EQ(WaitForInput(context), "a");
  EXPECT_EQ(context.state.settings.ShowVirtualRemote, 1);

  StartVirtualRemote(context);
  CloseVirtualRemote(context);
  EXPECT_EQ(RemoteWindows(), 0);
  Type("b");
  EXPECT_EQ(WaitForInput(context), "b");
  EXPECT_EQ(context.state.settings.ShowVirtualRemote, 0);
  // Closing again, with no window there, does nothing.
  CloseVirtualRemote(context);
  // Started again (the configuration turned it back on): a new window, watched again.
  context.state.settings.ShowVirtualRemote = 1;
  StartVirtualRemote(context);
  EXPECT_EQ(RemoteWindows(), 1);
  EXPECT_TRUE(VirtualRemoteIsOpen());
}

}  // namespace lenvari
