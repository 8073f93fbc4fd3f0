// Ten thousand clicks on the real window: every answer right, memory flat.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cstdio>
#include <random>

#include "core/button_actions.h"
#include "core/conversions.h"
#include "window_test_support.h"

namespace restomer {
namespace {

using restomer::kChangeBox;
using restomer::kClearButton;
using restomer::kEnterButton;
using restomer::kPaidBox;
using restomer::kPriceBox;
using SoakTest = ::restomer::testing::WindowTest;

long residentKiB() {
  long pages = 0, resident = 0;
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return -1;
  const int read = std::fscanf(statm, "%ld %ld", &pages, &resident);
  std::fclose(statm);
  return read == 2 ? resident * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// Amounts from everyday prices to the limits: change that breaks down,
// underpayments, changes too large and numbers beyond any double.
QString amount(std::mt19937& random) {
  switch (random() % 8) {
    case 0:
      return QString::number(random() % 100000 / 100.0, 'f', 2);
    case 1:
      return QString::number(random() % 5000000);
    case 2:
      return QString(300 + random() % 200, '9');
    case 3:
      return "-" + QString::number(random() % 1000);
    case 4:
      return QStringLiteral("абв");
    default:
      return QString::number(random() % 10000 / 100.0, 'f', 3);
  }
}

TEST_F(SoakTest, TenThousandClicks) {
  constexpr int kClicks = 10000;
  std::mt19937 random(20261208);
  long residentAfterWarmUp = 0;
  for (int click = 0; click < kClicks; ++click) {
    if (click == 100) residentAfterWarmUp = residentKiB();
    if (click % 2 == 1) {
      this->click(kClearButton);
      ASSERT_EQ(window_.text3(kPriceBox)->text(), "");
      ASSERT_EQ(trace(), "");
      continue;
    }
    const QString price = amount(random), paid = amount(random);
    window_.text3(kPriceBox)->setText(price);
    window_.text3(kPaidBox)->setText(paid);
    this->click(kEnterButton);
    const double priceValue = restomer::ParseAmount(price.toStdString());
    const double paidValue = restomer::ParseAmount(paid.toStdString());
    if (paidValue < priceValue) {
      ASSERT_EQ(trace(), QString::fromUtf8(restomer::kUnderpaymentMessage)) << click;
    } else if (trace() != QString::fromUtf8(restomer::kTooLargeMessage)) {
      ASSERT_EQ(window_.text3(kChangeBox)->text().toStdString(),
                restomer::FormatAmount(paidValue - priceValue, {}))
          << click;
      ASSERT_TRUE(trace().contains("Натрупаната сума е равна на ")) << click;
    } else {
      ASSERT_TRUE(ticked().isEmpty()) << click;
    }
    if (click % 50 == 0) QCoreApplication::processEvents();  // let the window paint
  }
  const long residentAtEnd = residentKiB();
  std::printf("resident: %ld KiB after 100 clicks, %ld KiB after %d\n", residentAfterWarmUp,
              residentAtEnd, kClicks);
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's quarantine holds freed memory; its leak check runs instead";
#else
  EXPECT_LT(residentAtEnd - residentAfterWarmUp, 2048);
#endif
}

}  // namespace
}  // namespace restomer
