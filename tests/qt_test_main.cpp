// Runs the window tests inside one QApplication.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

int main(int argc, char* argv[]) {
  // The tests need no display; QT_QPA_PLATFORM=xcb shows them on a real one.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Without setUpApplication(): the window must bring its own font.
  QApplication app(argc, argv);
  // A dark desktop: white text on dark boxes, as a dark theme hands Qt.
  if (qEnvironmentVariableIsSet("RESTOMER_TEST_DARK_PALETTE")) {
    const QColor text(Qt::white), window(53, 53, 53), base(30, 30, 30);
    const QPalette dark(text, window, window.lighter(), window.darker(), window.darker(130), text,
                        text, base, window);
    QApplication::setPalette(dark);
    for (const char* control : {"QLineEdit", "QPlainTextEdit", "QLabel", "QCheckBox", "QGroupBox",
                                "QPushButton", "QAbstractScrollArea"}) {
      QApplication::setPalette(dark, control);
    }
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
