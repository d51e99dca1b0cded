#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

// Every test program runs inside a QApplication on the offscreen platform, so widget tests
// and drawing tests need no display.
int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
