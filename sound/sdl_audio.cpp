#include "sound/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "config/plain_file.h"
#include "config/standard_error.h"
#include "sound/midi.h"
#include "sound/wav.h"

namespace vexlor {
namespace {

constexpr int kCueChannel = 0;
constexpr int kMusicVolume = MIX_MAX_VOLUME;  // the tunes are written to sit behind the cues
constexpr const char* kDebianSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr std::uintmax_t kMaxTuneBytes = 4u << 20;

std::atomic<SdlAudio*> g_device{nullptr};

}  // namespace

std::string FindSoundFont() {
  std::error_code error;
  const char* configured = std::getenv("SDL_SOUNDFONTS");
  if (configured != nullptr && configured[0] != '\0') {
    const std::string first = std::string(configured).substr(0, std::string(configured).find(':'));
    if (std::filesystem::is_regular_file(first, error)) return first;
  }
  return std::filesystem::is_regular_file(kDebianSoundFont, error) ? kDebianSoundFont : "";
}

SdlAudio::SdlAudio(std::function<void(std::function<void()>)> postToUi, std::string soundFont)
    : postToUi_(std::move(postToUi)),
      soundFont_(std::move(soundFont)),
      alive_(std::make_shared<SdlAudio*>(this)) {
  opener_ = std::thread([this] {
    Open();
    SDL_TLSCleanup();  // SDL keeps its error text per thread; this thread ends here
  });
}

SdlAudio::~SdlAudio() {
  if (opener_.joinable()) opener_.join();
  alive_.reset();
  if (!opened_) return;
  Mix_HookMusicFinished(nullptr);
  g_device = nullptr;
  CloseTune();
  Mix_HaltChannel(-1);
  for (const auto& [image, chunk] : chunks_)
    Mix_FreeChunk(chunk);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();  // frees what SDL kept, hints too
}

void SdlAudio::Open() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // the window handles the signals
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    Say(std::string("no sound: ") + SDL_GetError());
    SDL_Quit();
    return;
  }
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    Say(std::string("no sound: ") + Mix_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_Quit();
    return;
  }
  Mix_AllocateChannels(1);
  opened_ = true;
  if (soundFont_.empty()) {
    Say(
        std::string("no music: no General MIDI soundfont (install timgm6mb-soundfont, or set "
                    "SDL_SOUNDFONTS)"));
    return;
  }
  Mix_SetSoundFonts(soundFont_.c_str());
  if ((Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) == 0) {
    Say(std::string("no music: ") + Mix_GetError());
    return;
  }
  tunes_ = true;
  Mix_VolumeMusic(kMusicVolume);
  g_device = this;
  Mix_HookMusicFinished(&SdlAudio::OnMusicFinished);
}

bool SdlAudio::Ready() {
  if (opener_.joinable()) opener_.join();
  return opened_;
}

bool SdlAudio::CanPlayTunes() {
  return Ready() && tunes_;
}

bool SdlAudio::PlayCue(std::span<const unsigned char> wav) {
  if (!Ready() || wav.empty()) return false;
  Mix_Chunk*& chunk = chunks_[wav.data()];
  if (chunk == nullptr) {
    // A cut file plays what it has; SDL is not told of the bytes it lacks.
    const std::optional<std::vector<unsigned char>> cut = WavCutToSize(wav);
    const std::span<const unsigned char> image = cut ? std::span<const unsigned char>(*cut) : wav;
    chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(image.data(), static_cast<int>(image.size())), 1);
    if (chunk == nullptr) return false;
  }
  Mix_HaltChannel(kCueChannel);
  return Mix_PlayChannel(kCueChannel, chunk, 0) == kCueChannel;
}

std::string SdlAudio::OpenTune(const std::string& path) {
  CloseTune();
  if (!CanPlayTunes()) return {};  // said once at start: the game plays without music
  const auto refuse = [&path](const std::string& why) {
    return "Cannot play " + path + ": " + why;
  };
  const PlainFile file = ReadPlainFile(path, kMaxTuneBytes);
  if (file.result == PlainRead::TooLarge) return refuse("too large for a tune");
  if (!file.ok()) return refuse(file.why.empty() ? "it cannot be read" : file.why);
  tune_.assign(file.bytes.begin(), file.bytes.end());
  // The player would take some broken files and then end at once; they are
  // turned away here instead, with a reason.
  if (const std::string problem = MidiProblem(tune_); !problem.empty()) return refuse(problem);
  music_ = Mix_LoadMUS_RW(SDL_RWFromConstMem(tune_.data(), static_cast<int>(tune_.size())), 1);
  if (music_ == nullptr) return refuse(Mix_GetError());
  return {};
}

void SdlAudio::PlayTune() {
  if (music_ == nullptr) return;
  halting_ = false;
  if (Mix_PlayMusic(music_, 0) != 0 && onTuneEnd) onTuneEnd(TuneEnd::Failure);
}

void SdlAudio::CloseTune() {
  if (music_ == nullptr) return;
  halting_ = true;  // the end this causes is not a tune played through
  Mix_HaltMusic();
  Mix_FreeMusic(music_);
  music_ = nullptr;
}

void SdlAudio::OnMusicFinished() {
  // On the audio thread, or inside Mix_HaltMusic: only hand the news on.
  SdlAudio* device = g_device;
  if (device == nullptr) return;
  const TuneEnd end = device->halting_ ? TuneEnd::Aborted : TuneEnd::Successful;
  std::weak_ptr<SdlAudio*> alive = device->alive_;
  device->postToUi_([alive, end] {
    if (const auto self = alive.lock(); self && (*self)->onTuneEnd) (*self)->onTuneEnd(end);
  });
}

}  // namespace vexlor
