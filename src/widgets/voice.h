// The platform's voice, which reads tasks aloud for pupils who cannot read
// yet: the words it is handed, in Bulgarian. Narrow on purpose, so that a
// test can listen in and each platform brings its own speech.
#ifndef RESTOMER_WIDGETS_VOICE_H_
#define RESTOMER_WIDGETS_VOICE_H_

#include <QObject>
#include <QString>
#include <memory>

namespace restomer {

class Voice : public QObject {
  Q_OBJECT

 public:
  // Why nothing can be read aloud, in Bulgarian; empty when a Bulgarian
  // voice is there.
  virtual QString missing() const = 0;
  // Reads `words` aloud, stopping what was being read; words asked for
  // before the voice is ready are read once it is.
  virtual void say(const QString& words) = 0;

 signals:
  // The voice is found, or known to be missing: missing() has changed.
  void ready();
};

// The system's voice: speech-dispatcher through Qt on Linux, SAPI on
// Windows.
std::unique_ptr<Voice> systemVoice();

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_VOICE_H_
