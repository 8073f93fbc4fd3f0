// Runs the window tests inside one QApplication.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  // The tests need no display; QT_QPA_PLATFORM=xcb shows them on a real one.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Without setUpApplication(): the window must bring its own font.
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
