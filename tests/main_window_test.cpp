// Drives the real window as a user would, on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "core/button_actions.h"
#include "core/typed_amount.h"
#include "io/regional_settings.h"
#include "widgets/application.h"
#include "widgets/demonstration_window.h"
#include "widgets/result_check_box.h"
#include "window_test_support.h"

namespace restomer {
namespace {

using restomer::kChangeBox;
using restomer::kClearButton;
using restomer::kEnterButton;
using restomer::kPaidBox;
using restomer::kPriceBox;

using MainWindowTest = ::restomer::testing::WindowTest;

TEST_F(MainWindowTest, ShowsTheStartUpContent) {
  EXPECT_EQ(window_.windowTitle(),
            "www.restomer.example Математика - минимален брой монети/банкноти");
  EXPECT_EQ(window_.text3(kPriceBox)->text(), "25.18");
  EXPECT_EQ(window_.text3(kPaidBox)->text(), "30");
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "");
  EXPECT_TRUE(ticked().isEmpty());
  EXPECT_EQ(trace(), QString::fromUtf8(restomer::kTaskStatement).replace("\r\n", "\n"));
  EXPECT_EQ(window_.command1(kClearButton)->text(), "Чисти");
  EXPECT_EQ(window_.command1(kEnterButton)->text(), "Въведи");
  EXPECT_EQ(window_.label1(0)->text(), "Restomer");
  EXPECT_EQ(window_.frame1()->title(), "Банкнота/монета");
  EXPECT_EQ(QApplication::focusWidget(), window_.text3(kPriceBox));
}

// The statement the window shows at start: five lines, each ending in
// CR LF, which name in order the worked example and its
// stages, the two subjects, the project's topic, the values of the notes
// and the coins, and the greedy algorithm.
TEST_F(MainWindowTest, StartsWithTheTaskStatement) {
  const QString statement = QString::fromUtf8(restomer::kTaskStatement);
  EXPECT_EQ(statement.count("\r\n"), 5);
  EXPECT_TRUE(statement.endsWith("\r\n"));
  EXPECT_EQ(statement.count('\n'), statement.count("\r\n"));
  const QStringList lines = trace().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 5);
  const char* const phrases[][2] = {{"27.18", "0.02; 0.10; 0.20; 0.50; 2 лв."},
                                    {"математика", "информатика"},
                                    {"Restomer", "Restomer"},
                                    {"(2,5,10,20,50,100)", "(1,2,5,10,20,50,100)"},
                                    {"алчен алгоритъм", "етапи"}};
  for (int k = 0; k < 5; ++k) {
    for (const char* phrase : phrases[k]) {
      EXPECT_TRUE(lines[k].contains(QString::fromUtf8(phrase))) << k << ": " << phrase;
    }
  }
}

TEST_F(MainWindowTest, EnterShowsChangeTicksAndTrace) {
  click(kEnterButton);
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "4.82");
  EXPECT_EQ(ticked(), (QStringList{"2", "0.50", "0.20", "0.10", "0.02"}));
  EXPECT_EQ(trace(),
            "Към сумата: 25.18 добавям: 1*0.02 лв.\n"
            "Към сумата: 25.20 добавям: 1*0.1 лв.\n"
            "Към сумата: 25.30 добавям: 1*0.2 лв.\n"
            "Към сумата: 25.50 добавям: 1*0.5 лв.\n"
            "Към сумата: 26.00 добавям: 2*2 лв.\n"
            "Натрупаната сума е равна на 30.00\n");
  EXPECT_EQ(window_.text3(kPriceBox)->text(), "25.18");  // what was typed stays
}

TEST_F(MainWindowTest, EnterKeyInAnAmountBoxComputes) {
  type(kPriceBox, "0.01");
  type(kPaidBox, "1000");
  QTest::keyClick(window_.text3(kPaidBox), Qt::Key_Return);
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "999.99");
  EXPECT_TRUE(trace().endsWith("Натрупаната сума е равна на 1,000.00\n"));

  type(kPriceBox, "27.18");
  type(kPaidBox, "30.00");
  QTest::keyClick(window_.text3(kPriceBox), Qt::Key_Enter);
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "2.82");
}

TEST_F(MainWindowTest, ClearEmptiesEverything) {
  click(kEnterButton);
  click(kClearButton);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(window_.text3(k)->text(), "") << k;
  EXPECT_TRUE(ticked().isEmpty());
  EXPECT_EQ(trace(), "");
  click(kEnterButton);
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "0.00");
}

TEST_F(MainWindowTest, UnderpaymentKeepsTheEarlierAnswer) {
  click(kEnterButton);
  type(kPriceBox, "30");
  type(kPaidBox, "25.18");
  click(kEnterButton);
  EXPECT_EQ(trace(), "Става дума за търговия, а не за филантропия!");
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "4.82");
  EXPECT_EQ(ticked().size(), 5);
}

TEST_F(MainWindowTest, TooLargeAChangeStopsTheClickOnly) {
  click(kEnterButton);
  type(kPaidBox, "3276825.18");
  click(kEnterButton);
  EXPECT_EQ(trace(), QString::fromUtf8(restomer::kTooLargeMessage));
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "3,276,800.00");
  EXPECT_EQ(window_.text3(kPaidBox)->text(), "3276825.18");
  EXPECT_TRUE(ticked().isEmpty());

  type(kPaidBox, "3276825.17");
  click(kEnterButton);
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "3,276,799.99");
  EXPECT_EQ(ticked().size(), 9);
}

TEST_F(MainWindowTest, DenominationBoxesAreResultsOnly) {
  QTest::mouseClick(window_.check1(0), Qt::LeftButton);
  window_.check1(3)->setFocus();
  QTest::keyClick(window_.check1(3), Qt::Key_Space);
  EXPECT_TRUE(ticked().isEmpty());
  // Nor does a screen reader's toggle action.
  QAccessible::queryAccessibleInterface(window_.check1(5))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(ticked().isEmpty());
}

TEST_F(MainWindowTest, OutputBoxesAreReadOnlyButSelectable) {
  click(kEnterButton);
  QLineEdit* change = window_.text3(kChangeBox);
  EXPECT_TRUE(change->isReadOnly());
  change->setFocus();
  QTest::keyClicks(change, "9");
  EXPECT_EQ(change->text(), "4.82");
  QTest::keyClick(change, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(change->selectedText(), "4.82");

  window_.text1()->setFocus();
  QTest::keyClicks(window_.text1(), "x");
  QTest::keyClick(window_.text1(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(window_.text1()->textCursor().selectedText().size(), trace().size());
  EXPECT_FALSE(trace().contains('x'));
}

TEST_F(MainWindowTest, TabMovesThroughTheControlsInOrder) {
  const std::vector<QWidget*> order = {
      window_.check1(0),  window_.check1(1),   window_.check1(2),   window_.check1(3),
      window_.check1(4),  window_.check1(5),   window_.check1(6),   window_.text1(),
      window_.text3(0),   window_.command1(0), window_.command1(1), window_.text3(1),
      window_.text3(2),   window_.check1(7),   window_.check1(8),   window_.check1(9),
      window_.check1(10), window_.check1(11),  window_.check1(12),  window_.check1(0)};
  order.front()->setFocus();
  for (std::size_t k = 1; k < order.size(); ++k) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[k]) << "after Tab number " << k;
  }
  EXPECT_EQ(trace(), QString::fromUtf8(restomer::kTaskStatement).replace("\r\n", "\n"));
  for (QWidget* widget :
       std::initializer_list<QWidget*>{window_.label1(0), window_.label1(1), window_.label1(2),
                                       window_.label1(3), window_.frame1()}) {
    EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
  }
}

TEST_F(MainWindowTest, EveryControlHasItsPlace) {
  EXPECT_EQ(window_.size(), QSize(519, 390));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
  const auto expectRect = [](QWidget* widget, int left, int top, int width, int height) {
    EXPECT_EQ(widget->geometry(), QRect(left, top, width, height))
        << widget->objectName().toStdString() << " " << widget->metaObject()->className();
  };
  expectRect(window_.label1(0), 160, 0, 289, 25);
  expectRect(window_.frame1(), 8, 8, 129, 201);
  for (int k = 0; k < 6; ++k) expectRect(window_.check1(k), 8, 24 + 24 * k, 49, 25);
  for (int k = 6; k < 13; ++k) expectRect(window_.check1(k), 64, 24 + 24 * (k - 6), 57, 25);
  expectRect(window_.text1(), 8, 216, 505, 169);
  expectRect(window_.label1(1), 184, 56, 121, 27);
  expectRect(window_.text3(0), 304, 56, 65, 27);
  expectRect(window_.command1(0), 272, 168, 65, 25);
  expectRect(window_.command1(1), 384, 88, 65, 25);
  expectRect(window_.text3(1), 304, 88, 65, 27);
  expectRect(window_.label1(2), 184, 88, 121, 27);
  expectRect(window_.text3(2), 304, 120, 65, 27);
  expectRect(window_.label1(3), 184, 120, 121, 27);
  for (int k = 0; k < 13; ++k) EXPECT_EQ(window_.check1(k)->parentWidget(), window_.frame1());
}

TEST_F(MainWindowTest, EveryControlUsesTimesNewRoman12) {
  QList<QWidget*> widgets = window_.findChildren<QWidget*>();
  widgets << &window_;
  for (QWidget* widget : widgets) {
    const QFontInfo font(widget->font());
    EXPECT_TRUE(font.family() == "Times New Roman" || font.family() == "Liberation Serif")
        << font.family().toStdString() << " in " << widget->metaObject()->className();
    EXPECT_EQ(font.pointSize(), 12) << widget->metaObject()->className();
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
  }
}

TEST_F(MainWindowTest, ColoursShowExactly) {
  click(kEnterButton);  // ticked boxes keep their background too
  const QImage image = window_.grab().toImage();
  const qreal scale = image.devicePixelRatio();
  const auto colourAt = [&](QWidget* widget, int x, int y) {
    const QPoint point = widget->mapTo(&window_, QPoint(x, y));
    return image.pixelColor(qRound(point.x() * scale), qRound(point.y() * scale)).rgb();
  };
  const QRgb window = qRgb(192, 192, 255), label = qRgb(255, 192, 128), check = qRgb(128, 128, 255);
  EXPECT_EQ(colourAt(&window_, 515, 200), window);
  EXPECT_EQ(colourAt(window_.frame1(), 52, 190), window);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(colourAt(window_.label1(k), 2, 2), label) << k;
  for (int k = 0; k < 13; ++k) {
    QWidget* box = window_.check1(k);
    EXPECT_EQ(colourAt(box, box->width() - 2, 2), check) << k;
    EXPECT_EQ(colourAt(box, 1, box->height() - 2), check) << k;
  }
  EXPECT_EQ(colourAt(window_.command1(kClearButton), 5, 12), qRgb(255, 0, 0));
  EXPECT_EQ(colourAt(window_.command1(kEnterButton), 5, 12), qRgb(0, 255, 0));
}

// Black text on the coloured labels and on white boxes, and a selection that
// shows, whatever palette the desktop imposes.
TEST_F(MainWindowTest, TextIsBlackAndBoxesWhite) {
  click(kEnterButton);
  window_.text3(kPriceBox)->setFocus();
  window_.text3(kPriceBox)->selectAll();
  const QImage image = window_.grab().toImage();
  const qreal scale = image.devicePixelRatio();
  const auto region = [&](QWidget* widget, int left = 0) {
    const QRect rect(widget->mapTo(&window_, QPoint(left, 0)),
                     QSize(widget->width() - left, widget->height()));
    QList<QColor> pixels;
    for (int y = qRound(rect.top() * scale); y < qRound((rect.bottom() + 1) * scale); ++y) {
      for (int x = qRound(rect.left() * scale); x < qRound((rect.right() + 1) * scale); ++x) {
        pixels << image.pixelColor(x, y);
      }
    }
    return pixels;
  };
  const auto darkest = [&](QWidget* widget, int left = 0) {
    int value = 255;
    for (const QColor& pixel : region(widget, left)) value = std::min(value, pixel.value());
    return value;
  };
  const auto share = [&](QWidget* widget, QRgb colour) {
    const QList<QColor> pixels = region(widget);
    return double(std::count(pixels.begin(), pixels.end(), QColor(colour))) / pixels.size();
  };
  for (int k = 0; k < 4; ++k) EXPECT_LT(darkest(window_.label1(k)), 40) << "label " << k;
  for (int k = 0; k < window_.check1Count(); ++k) {
    EXPECT_LT(darkest(window_.check1(k), 20), 40) << "denomination " << k;
  }
  EXPECT_LT(darkest(window_.command1(kClearButton)), 40);
  EXPECT_LT(darkest(window_.command1(kEnterButton)), 40);
  for (int k : {kPaidBox, kChangeBox}) {
    EXPECT_LT(darkest(window_.text3(k)), 40) << "amount box " << k;
    EXPECT_GT(share(window_.text3(k), qRgb(255, 255, 255)), 0.5) << "amount box " << k;
  }
  EXPECT_LT(darkest(window_.text1()->viewport()), 40);
  EXPECT_GT(share(window_.text1()->viewport(), qRgb(255, 255, 255)), 0.5);
  const QList<QColor> selected = region(window_.text3(kPriceBox));
  EXPECT_TRUE(std::any_of(selected.begin(), selected.end(), [](const QColor& pixel) {
    return pixel.blue() > pixel.red() + 80;  // the blue of a selection
  }));
}

TEST_F(MainWindowTest, FocusedButtonKeepsItsColourInsideAFrame) {
  for (int button : {kClearButton, kEnterButton}) {
    const QRgb colour = button == kClearButton ? qRgb(255, 0, 0) : qRgb(0, 255, 0);
    QPushButton* command = window_.command1(button);
    EXPECT_NE(command->grab().toImage().pixelColor(0, 12).rgb(), qRgb(0, 0, 0));
    command->setFocus();
    const QImage focused = command->grab().toImage();
    EXPECT_EQ(focused.pixelColor(0, 12).rgb(), qRgb(0, 0, 0));
    EXPECT_EQ(focused.pixelColor(5, 12).rgb(), colour);
  }
}

TEST_F(MainWindowTest, ScreenReadersHearEveryControl) {
  const auto name = [](QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
  };
  EXPECT_EQ(name(window_.text3(kPriceBox)), "Сума за плащане:");
  EXPECT_EQ(name(window_.text3(kPaidBox)), "Дадена сума:");
  EXPECT_EQ(name(window_.text3(kChangeBox)), "Сума за ресто:");
  EXPECT_FALSE(name(window_.text1()).isEmpty());
  EXPECT_EQ(name(window_.check1(7)), "0.50");
  EXPECT_EQ(name(window_.command1(kEnterButton)), "Въведи");
  click(kEnterButton);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(window_.check1(5))->state().checked);
}

TEST(MainWindow, ClosingTheWindowEndsTheProgram) {
  DemonstrationWindow window(restomer::RegionalSettings{});
  window.show();
  QTimer::singleShot(0, &window, &QWidget::close);
  QTimer::singleShot(5000, [] { QApplication::exit(1); });  // a safety net, not the test
  EXPECT_EQ(QApplication::exec(), 0);
}

TEST(Application, HasItsNameVersionIconAndFont) {
  setUpApplication();
  EXPECT_EQ(QApplication::applicationName(), "Restomer");
  EXPECT_EQ(QApplication::applicationVersion(), "1.00");
  const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
  EXPECT_EQ(sizes, QList<QSize>{QSize(32, 32)});
  EXPECT_EQ(QImage(":/restomer.xpm").colorCount(), 8);
  const QString family = QFontInfo(QApplication::font()).family();
  EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif") << family.toStdString();
}

TEST(RegionalSettings, ComeFromTheLocale) {
  const restomer::RegionalSettings c = regionalSettingsOf(QLocale::c());
  EXPECT_EQ(c.decimal_separator, ".");
  EXPECT_EQ(c.group_separator, ",");
  EXPECT_EQ(c.negative_sign, "-");
  EXPECT_EQ(c.group_size, 3);
  const restomer::RegionalSettings bulgarian = regionalSettingsOf(QLocale(QLocale::Bulgarian));
  EXPECT_EQ(bulgarian.decimal_separator, ",");
  EXPECT_EQ(restomer::FormatAmount(-1234.5, bulgarian),
            "-1" + QLocale(QLocale::Bulgarian).groupSeparator().toStdString() + "234,50");
  // An answer the program writes reads back as that answer.
  for (const restomer::RegionalSettings& settings : {c, bulgarian}) {
    EXPECT_EQ(
        restomer::ReadTypedAmount(restomer::FormatAmount(2997, settings), settings).hundredths,
        299700);
  }
}

}  // namespace
}  // namespace restomer
