// Opens a window and ends the process as soon as the window has been painted
// once. Built four times: with Restomer's window in lev and in euro; with an
// empty window of the same size, font and style (the baseline); and with that
// empty window showing one label in the font, which isolates what drawing any
// text costs.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdlib>

#if defined(FIRST_FRAME_BASELINE) || defined(FIRST_FRAME_ONE_LABEL)
#include <QLabel>
#include <QWidget>
#else
#include <QLocale>

#include "io/regional_settings.h"
#include "widgets/application.h"
#include "widgets/demonstration_window.h"
#endif

namespace {

class ExitAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    // Leave once the painted frame has been flushed to the screen, without
    // the teardown, which is not part of opening a window.
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
#if defined(FIRST_FRAME_BASELINE) || defined(FIRST_FRAME_ONE_LABEL)
  QWidget window;
  window.setFixedSize(519, 390);
  window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
#ifdef FIRST_FRAME_ONE_LABEL
  QLabel label(QStringLiteral("Restomer"), &window);
#endif
#else
  restomer::setUpApplication();
#ifdef FIRST_FRAME_EURO
  const restomer::Currency& currency = restomer::kEuro;
#else
  const restomer::Currency& currency = restomer::kLev;
#endif
  restomer::DemonstrationWindow window(restomer::regionalSettingsOf(QLocale::system()), currency);
#endif
  ExitAfterFirstPaint exitAfterFirstPaint;
  window.installEventFilter(&exitAfterFirstPaint);
  window.show();
  return QApplication::exec();
}
