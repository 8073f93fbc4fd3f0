// The platform's voice, which reads tasks aloud for pupils who cannot read
// yet: the words it is handed, in Bulgarian. Narrow on purpose, so that a
// test can listen in and each platform brings its own speech.
#ifndef RESTOMER_WIDGETS_VOICE_H_
#define RESTOMER_WIDGETS_VOICE_H_

#include <QString>
#include <memory>

namespace restomer {

class Voice {
 public:
  virtual ~Voice() = default;
  // Why nothing can be read aloud, in Bulgarian; empty when a Bulgarian
  // voice is there.
  virtual QString missing() const = 0;
  // Reads `words` aloud, stopping what was being read.
  virtual void say(const QString& words) = 0;
};

// The system's voice: speech-dispatcher through Qt on Linux, SAPI on
// Windows.
std::unique_ptr<Voice> systemVoice();

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_VOICE_H_
