// The voice through Qt's text to speech, which on Linux speaks through
// speech-dispatcher and its espeak-ng voices.
#include <QLocale>
#include <QTextToSpeech>

#include "widgets/voice.h"

namespace restomer {
namespace {

class QtVoice : public Voice {
 public:
  QtVoice() {
    if (speech_.state() == QTextToSpeech::Error) {
      missing_ = QStringLiteral("Гласът на системата не отговаря (speech-dispatcher).");
      return;
    }
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    for (const QLocale& locale : speech_.availableLocales()) {
      if (locale.language() == QLocale::Bulgarian) {
        speech_.setLocale(locale);
        return;
      }
    }
    missing_ = QStringLiteral("Няма инсталиран български глас.");
  }

  QString missing() const override { return missing_; }

  void say(const QString& words) override {
    if (!missing_.isEmpty()) return;
    speech_.stop();
    speech_.say(words);
  }

 private:
  QTextToSpeech speech_;
  QString missing_;
};

}  // namespace

std::unique_ptr<Voice> systemVoice() { return std::make_unique<QtVoice>(); }

}  // namespace restomer
