// A fixture that shows the real window and acts on it as a user would.
#ifndef RESTOMER_TESTS_WINDOW_TEST_SUPPORT_H_
#define RESTOMER_TESTS_WINDOW_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <optional>

#include "core/currency.h"
#include "core/form_content.h"
#include "widgets/demonstration_window.h"
#include "widgets/practice_session.h"
#include "widgets/result_check_box.h"

namespace restomer::testing {

class WindowTest : public ::testing::Test {
 protected:
  explicit WindowTest(const Currency& currency = kLev,
                      std::optional<std::uint64_t> practiceSeed = std::nullopt)
      : window_(RegionalSettings{}, currency) {
    if (practiceSeed)
      practice_.emplace(window_, PracticeOptions(*practiceSeed), currency, RegionalSettings{});
  }

  void SetUp() override {
    window_.show();
    QApplication::setActiveWindow(&window_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  // Replaces the text of an amount box by typing, as a user does; characters
  // beyond ASCII arrive as key events that carry their text.
  void type(int box, const QString& text) {
    QLineEdit* edit = window_.text3(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (char32_t codePoint : text.toUcs4()) {
      const QString character = QString::fromUcs4(&codePoint, 1);
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, character, Qt::NoModifier);
    }
  }

  void click(int button) { QTest::mouseClick(window_.command1(button), Qt::LeftButton); }

  QStringList ticked() const {
    QStringList captions;
    for (int k = 0; k < window_.check1Count(); ++k) {
      if (window_.check1(k)->isChecked()) captions << window_.check1(k)->text();
    }
    return captions;
  }

  QString trace() const { return window_.text1()->toPlainText(); }

  DemonstrationWindow window_;
  std::optional<PracticeSession> practice_;
};

}  // namespace restomer::testing

#endif  // RESTOMER_TESTS_WINDOW_TEST_SUPPORT_H_
