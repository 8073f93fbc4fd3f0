// The voice through Qt's text to speech, which on Linux speaks through
// speech-dispatcher and its espeak-ng voices. Starting it takes seconds
// (speech-dispatcher lists every voice it has), so it starts once a
// process, when first asked for, in a thread of its own.
#include <QCoreApplication>
#include <QLocale>
#include <QTextToSpeech>
#include <QThread>

#include "widgets/voice.h"

namespace restomer {
namespace {

// Lives in the speech thread, where the speech engine is made and used.
class Speaker : public QObject {
  Q_OBJECT

 public:
  void start() {
    speech_ = new QTextToSpeech(this);
    if (speech_->state() == QTextToSpeech::Error) {
      emit found(QStringLiteral("Гласът на системата не отговаря (speech-dispatcher)."));
      return;
    }
    for (const QLocale& locale : speech_->availableLocales()) {
      if (locale.language() == QLocale::Bulgarian) {
        speech_->setLocale(locale);
        emit found({});
        return;
      }
    }
    emit found(QStringLiteral("Няма инсталиран български глас."));
  }

  void say(const QString& words) {
    speech_->stop();
    speech_->say(words);
  }

 signals:
  void found(const QString& missing);

 private:
  QTextToSpeech* speech_ = nullptr;
};

// The process's one speech engine: two engines talking to speech-dispatcher
// at once fail. It ends with the application.
class SpeechThread : public QObject {
  Q_OBJECT

 public:
  static SpeechThread& instance() {
    static SpeechThread* const shared = new SpeechThread(QCoreApplication::instance());
    return *shared;
  }

  bool loaded() const { return loaded_; }
  const QString& missing() const { return missing_; }
  void say(const QString& words) {
    if (!loaded_ || !missing_.isEmpty()) return;
    QMetaObject::invokeMethod(
        speaker_, [speaker = speaker_, words] { speaker->say(words); }, Qt::QueuedConnection);
  }

 signals:
  void ready();

 private:
  explicit SpeechThread(QObject* parent) : QObject(parent), speaker_(new Speaker) {
    speaker_->moveToThread(&thread_);
    connect(speaker_, &Speaker::found, this, [this](const QString& missing) {
      missing_ = missing;
      loaded_ = true;
      emit ready();
    });
    thread_.start();
    QMetaObject::invokeMethod(speaker_, &Speaker::start, Qt::QueuedConnection);
  }
  // The engine ends in its own thread, once it has started.
  ~SpeechThread() override {
    QMetaObject::invokeMethod(
        speaker_, [speaker = speaker_] { delete speaker; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
  }

  QThread thread_;
  Speaker* speaker_;
  bool loaded_ = false;
  QString missing_;
};

class QtVoice : public Voice {
 public:
  void prepare() override {
    if (speech_ != nullptr) return;
    speech_ = &SpeechThread::instance();
    connect(speech_, &SpeechThread::ready, this, [this] {
      if (!waiting_.isEmpty()) say(waiting_);
      emit ready();
    });
  }

  bool isReady() const override { return speech_ != nullptr && speech_->loaded(); }
  QString missing() const override { return isReady() ? speech_->missing() : QString(); }

  void say(const QString& words) override {
    prepare();
    waiting_ = isReady() ? QString() : words;
    speech_->say(words);
  }

 private:
  SpeechThread* speech_ = nullptr;
  QString waiting_;
};

}  // namespace

std::unique_ptr<Voice> systemVoice() { return std::make_unique<QtVoice>(); }

}  // namespace restomer

#include "voice_qt.moc"
