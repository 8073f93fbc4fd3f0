// The platform's voice, which reads tasks aloud for pupils who cannot read
// yet: the words it is handed, in Bulgarian. Narrow on purpose, so that a
// test can listen in and each platform brings its own speech. A voice may
// take seconds to start: it starts when first asked for, in the background.
#ifndef RESTOMER_WIDGETS_VOICE_H_
#define RESTOMER_WIDGETS_VOICE_H_

#include <QObject>
#include <QString>
#include <memory>

namespace restomer {

class Voice : public QObject {
  Q_OBJECT

 public:
  // Starts the voice, if it has not started, as a pupil reaches for it.
  virtual void prepare() = 0;
  // Whether it is known if a Bulgarian voice is there.
  virtual bool isReady() const = 0;
  // Why nothing can be read aloud, in Bulgarian; empty when a Bulgarian
  // voice is there or it is not yet known.
  virtual QString missing() const = 0;
  // Reads `words` aloud, stopping what was being read; words asked for
  // before the voice is ready are read once it is.
  virtual void say(const QString& words) = 0;

 signals:
  // It is now known whether a Bulgarian voice is there.
  void ready();
};

// The system's voice: speech-dispatcher through Qt on Linux, SAPI on
// Windows.
std::unique_ptr<Voice> systemVoice();

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_VOICE_H_
