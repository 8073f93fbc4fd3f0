// The voice through Windows' own speech (SAPI 5), which mingw-w64's headers
// declare: Qt's text to speech is not part of the Qt built for Windows.
#include <objbase.h>
#include <sapi.h>

#include "widgets/voice.h"

namespace restomer {
namespace {

// Where Windows lists its voices, and Bulgarian's language id.
constexpr wchar_t kVoices[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices";
constexpr wchar_t kBulgarian[] = L"Language=402";

template <typename T>
void release(T*& object) {
  if (object != nullptr) object->Release();
  object = nullptr;
}

class SapiVoice : public Voice {
 public:
  SapiVoice() {
    // The window's thread is already in an apartment; that is fine too.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ISpObjectToken* bulgarian = findBulgarian();
    if (bulgarian != nullptr &&
        SUCCEEDED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                   reinterpret_cast<void**>(&voice_))) &&
        SUCCEEDED(voice_->SetVoice(bulgarian))) {
      release(bulgarian);
      return;
    }
    release(bulgarian);
    release(voice_);
    missing_ = QStringLiteral("Няма инсталиран български глас.");
  }
  ~SapiVoice() override { release(voice_); }

  void prepare() override {}
  bool isReady() const override { return true; }
  QString missing() const override { return missing_; }

  void say(const QString& words) override {
    if (voice_ == nullptr) return;
    voice_->Speak(reinterpret_cast<const wchar_t*>(words.utf16()), SPF_ASYNC | SPF_PURGEBEFORESPEAK,
                  nullptr);
  }

 private:
  static ISpObjectToken* findBulgarian() {
    ISpObjectTokenCategory* category = nullptr;
    IEnumSpObjectTokens* tokens = nullptr;
    ISpObjectToken* token = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL,
                                   IID_ISpObjectTokenCategory,
                                   reinterpret_cast<void**>(&category))) &&
        SUCCEEDED(category->SetId(kVoices, FALSE)) &&
        SUCCEEDED(category->EnumTokens(kBulgarian, nullptr, &tokens))) {
      if (tokens->Next(1, &token, nullptr) != S_OK) token = nullptr;
    }
    release(tokens);
    release(category);
    return token;
  }

  ISpVoice* voice_ = nullptr;
  QString missing_;
};

}  // namespace

std::unique_ptr<Voice> systemVoice() { return std::make_unique<SapiVoice>(); }

}  // namespace restomer
