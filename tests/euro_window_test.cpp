// The window in euro: the lev window with a longer frame, driven offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <map>

#include "core/button_actions.h"
#include "core/lesson.h"
#include "io/command_line.h"
#include "widgets/demonstration_window.h"
#include "window_test_support.h"

namespace restomer {
namespace {

using restomer::kChangeBox;
using restomer::kEnterButton;
using restomer::kPaidBox;
using restomer::kPriceBox;

class EuroWindowTest : public ::restomer::testing::WindowTest {
 protected:
  EuroWindowTest() : WindowTest(restomer::kEuro) {}
};

TEST_F(EuroWindowTest, ShowsTheStartUpContent) {
  QStringList captions;
  for (int k = 0; k < window_.check1Count(); ++k) captions << window_.check1(k)->text();
  EXPECT_EQ(captions, (QStringList{"500", "200", "100", "50", "20", "10", "5", "2", "1", "0.50",
                                   "0.20", "0.10", "0.05", "0.02", "0.01"}));
  EXPECT_TRUE(ticked().isEmpty());
  EXPECT_EQ(window_.text3(kPriceBox)->text(), "25.18");
  EXPECT_EQ(window_.text3(kPaidBox)->text(), "30");
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "");
  EXPECT_EQ(trace(), QString::fromUtf8(restomer::kEuro.task_statement).replace("\r\n", "\n"));
  EXPECT_EQ(window_.windowTitle(),
            "www.restomer.example Математика - минимален брой монети/банкноти");
}

TEST_F(EuroWindowTest, EnterShowsChangeTicksAndTrace) {
  type(kPriceBox, "0.01");
  type(kPaidBox, "1000");
  click(kEnterButton);
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "999.99");
  EXPECT_EQ(ticked(),
            (QStringList{"500", "200", "50", "20", "5", "2", "0.50", "0.20", "0.05", "0.02"}));
  EXPECT_EQ(trace(),
            "Към сумата: 0.01 добавям: 2*0.02 €\n"
            "Към сумата: 0.05 добавям: 1*0.05 €\n"
            "Към сумата: 0.10 добавям: 2*0.2 €\n"
            "Към сумата: 0.50 добавям: 1*0.5 €\n"
            "Към сумата: 1.00 добавям: 2*2 €\n"
            "Към сумата: 5.00 добавям: 1*5 €\n"
            "Към сумата: 10.00 добавям: 2*20 €\n"
            "Към сумата: 50.00 добавям: 1*50 €\n"
            "Към сумата: 100.00 добавям: 2*200 €\n"
            "Към сумата: 500.00 добавям: 1*500 €\n"
            "Натрупаната сума е равна на 1,000.00\n");
}

TEST_F(EuroWindowTest, RangeLimits) {
  type(kPriceBox, "0");
  type(kPaidBox, "16383999.99");
  click(kEnterButton);
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "16,383,999.99");
  EXPECT_TRUE(trace().contains("32767*500 €"));
  type(kPaidBox, "16384000");
  click(kEnterButton);
  EXPECT_EQ(trace(), QString::fromUtf8(restomer::kTooLargeMessage));
  EXPECT_TRUE(ticked().isEmpty());
}

// One row more in the frame moves the frame's bottom, the trace box and the
// window's bottom down a row; every other control stays where lev has it.
TEST_F(EuroWindowTest, EveryControlHasItsPlace) {
  EXPECT_EQ(window_.size(), QSize(519, 414));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
  EXPECT_EQ(window_.frame1()->geometry(), QRect(8, 8, 129, 225));
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(window_.check1(k)->geometry(), QRect(8, 24 + 24 * k, 49, 25)) << k;
  }
  for (int k = 7; k < 15; ++k) {
    EXPECT_EQ(window_.check1(k)->geometry(), QRect(64, 24 + 24 * (k - 7), 57, 25)) << k;
  }
  EXPECT_EQ(window_.text1()->geometry(), QRect(8, 240, 505, 169));
  const DemonstrationWindow lev{restomer::RegionalSettings{}};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(window_.label1(k)->geometry(), lev.label1(k)->geometry());
  for (int k = 0; k < 3; ++k) EXPECT_EQ(window_.text3(k)->geometry(), lev.text3(k)->geometry());
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(window_.command1(k)->geometry(), lev.command1(k)->geometry());
  }
  EXPECT_EQ(window_.styleSheet(), lev.styleSheet());
}

TEST_F(EuroWindowTest, TabMovesThroughTheControlsInOrder) {
  std::vector<QWidget*> order;
  for (int k = 0; k <= 8; ++k) order.push_back(window_.check1(k));  // 500 ... 1
  order.insert(order.end(), {window_.text1(), window_.text3(0), window_.command1(0),
                             window_.command1(1), window_.text3(1), window_.text3(2)});
  for (int k = 9; k < 15; ++k) order.push_back(window_.check1(k));  // 0.50 ... 0.01
  order.push_back(window_.check1(0));
  order.front()->setFocus();
  for (std::size_t k = 1; k < order.size(); ++k) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[k]) << "after Tab number " << k;
  }
}

TEST(CommandLine, ChoosesTheCurrency) {
  const struct {
    QStringList arguments;
    const restomer::Currency* currency;
  } cases[] = {
      {{"restomer"}, &restomer::kLev},
      {{"restomer", "--currency=lev"}, &restomer::kLev},
      {{"restomer", "--currency=euro"}, &restomer::kEuro},
      {{"restomer", "--currency", "euro"}, &restomer::kEuro},
      {{"restomer", "--practice", "--currency=euro"}, &restomer::kEuro},
      // The teacher's window proposes the euro for a new lesson.
      {{"restomer", "--teacher"}, &restomer::kEuro},
      {{"restomer", "--teacher", "--currency=lev"}, &restomer::kLev},
  };
  for (const auto& c : cases) {
    const CommandLine commandLine = parseCommandLine(c.arguments);
    EXPECT_EQ(commandLine.error, "") << c.arguments.join(' ').toStdString();
    EXPECT_EQ(commandLine.lesson.currency, c.currency) << c.arguments.join(' ').toStdString();
  }
  const CommandLine practice =
      parseCommandLine({"restomer", "--practice", "--seed=18446744073709551615"});
  EXPECT_EQ(practice.mode, Mode::kPractice);
  EXPECT_EQ(practice.lesson.seed, 18446744073709551615ull);
  EXPECT_FALSE(parseCommandLine({"restomer", "--practice"}).lesson.seed.has_value());
  EXPECT_EQ(parseCommandLine({"restomer"}).mode, Mode::kDemonstration);
  EXPECT_EQ(parseCommandLine({"restomer", "--currency=Euro"}).error,
            "Непозната валута „Euro“: може да бъде lev или euro.");
}

// Each option beside the options of each mode: where it makes sense it is
// taken, elsewhere the command line is refused and the error names it or
// the mode it clashes with. The overview and the report read a results file
// and pass over what concerns a lesson; --report needs that file.
TEST(CommandLine, EveryOptionInEveryMode) {
  const QStringList modes[] = {{},
                               {"--practice"},
                               {"--teacher"},
                               {"--worksheet=w.pdf"},
                               {"--overview=r.csv"},
                               {"--report=r.pdf", "r.csv"},
                               {"--coins=4 3 1"}};
  // Per option, a value and whether it is taken beside each mode above: + or -.
  const std::map<QString, std::pair<QString, std::string>> expected = {
      {"currency", {"euro", "++++++-"}}, {"practice", {"", "++--++-"}},
      {"teacher", {"", "+-+-++-"}},      {"seed", {"7", "-+++++-"}},
      {"level", {"2", "-+++++-"}},       {"tasks", {"3", "-+++++-"}},
      {"results", {"r.csv", "-++-++-"}}, {"name", {"Ива", "-+--++-"}},
      {"ask-name", {"", "-++-++-"}},     {"overview", {"o.csv", "++++++-"}},
      {"report", {"o.pdf", "-----+-"}},  {"worksheet", {"s.pdf", "+--+++-"}},
      {"coins", {"1 2", "+-----+"}},     {"amount", {"6", "----+++"}},
      {"informatics", {"", "++-+++-"}},  {"per-pupil", {"", "-----+-"}},
      {"pictures", {"", "++++++-"}},
  };
  const QStringList names = commandLineOptionNames();
  ASSERT_EQ(static_cast<std::size_t>(names.size()), expected.size());
#ifndef _WIN32  // Windows has no manual pages
  // Both manual pages describe exactly the options the program takes.
  for (const char* page : {"restomer.1", "restomer.bg.1"}) {
    QFile file(QStringLiteral(RESTOMER_DATA_DIR "/") + page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
    QStringList described;
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (qsizetype k = 1; k < lines.size(); ++k) {
      static const QRegularExpression option(R"(^\.B[IR]? \\-\\-([a-z\\-]+))");
      const QRegularExpressionMatch match = option.match(lines[k]);
      if (lines[k - 1] == ".TP" && match.hasMatch()) {
        described << match.captured(1).remove('\\');
      }
    }
    described.removeAll("help");
    described.removeAll("version");
    described.sort();
    QStringList taken = names;
    taken.sort();
    EXPECT_EQ(described.join(' ').toStdString(), taken.join(' ').toStdString()) << page;
  }
#endif
  const QString help = parseCommandLine({"restomer", "--help"}).output;
  for (const QString& name : names) {
    ASSERT_TRUE(expected.contains(name)) << name.toStdString();
    EXPECT_TRUE(help.contains("--" + name + " ")) << name.toStdString();
    const auto& [value, taken] = expected.at(name);
    for (std::size_t mode = 0; mode < std::size(modes); ++mode) {
      QStringList arguments = QStringList{"restomer"} + modes[mode];
      arguments.insert(1, "--" + name + (value.isEmpty() ? "" : "=" + value));
      const CommandLine commandLine = parseCommandLine(arguments);
      SCOPED_TRACE(arguments.join(' ').toStdString());
      EXPECT_EQ(commandLine.error.isEmpty(), taken[mode] == '+') << commandLine.error.toStdString();
      if (!commandLine.error.isEmpty()) {
        EXPECT_TRUE(commandLine.error.contains("--" + name) ||
                    (!modes[mode].isEmpty() &&
                     commandLine.error.contains(modes[mode][0].section('=', 0, 0))));
      }
    }
  }
  const CommandLine lesson =
      parseCommandLine({"restomer", "--practice", "--currency=euro", "--seed=7", "--level=2",
                        "--tasks=3", "--results=r.csv", "--name=Ива", "--ask-name"});
  EXPECT_EQ(lesson.lesson, (Lesson{&kEuro, 2, 3, 7, "r.csv", "Ива", true, {}}));
}

}  // namespace
}  // namespace restomer
