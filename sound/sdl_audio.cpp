#include "sound/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
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
  Mix_UnregisterEffect(MIX_CHANNEL_POST, &SdlAudio::CountMusicFrames);
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
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_QuerySpec(&rate, &format, &channels) != 0 && rate > 0 && channels > 0) {
    frameRate_ = rate;
    frameBytes_ = std::max(1, static_cast<int>(SDL_AUDIO_BITSIZE(format)) / 8 * channels);
  }
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
  // After the music is mixed in each round, before the round is played.
  Mix_RegisterEffect(MIX_CHANNEL_POST, &SdlAudio::CountMusicFrames, nullptr, nullptr);
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
  if (!CanPlayTunes()) return {};  // said once at start: the game plays without music
  // The tune open before sounds on, its last notes dying away, until this
  // one is ready to start; whatever becomes of this one, that one is over.
  const auto refuse = [this, &path](const std::string& why) {
    CloseTune();
    return "Cannot play " + path + ": " + why;
  };
  const PlainFile file = ReadPlainFile(path, kMaxTuneBytes);
  if (file.result == PlainRead::TooLarge) return refuse("too large for a tune");
  if (!file.ok()) return refuse(file.why.empty() ? "it cannot be read" : file.why);
  std::vector<unsigned char> tune(file.bytes.begin(), file.bytes.end());
  // The player would take some broken files and then end at once; they are
  // turned away here instead, with a reason.
  if (const std::string problem = MidiProblem(tune); !problem.empty()) return refuse(problem);
  Mix_Music* music =
      Mix_LoadMUS_RW(SDL_RWFromConstMem(tune.data(), static_cast<int>(tune.size())), 1);
  if (music == nullptr) return refuse(Mix_GetError());
  CloseTune();
  music_ = music;
  tune_ = std::move(tune);  // the buffer the player reads moves along
  const double seconds = std::max(MidiEndSeconds(tune_).value_or(0), kShortestTuneMs / 1000.0);
  tuneFrames_ = static_cast<int64_t>(
      std::ceil(std::min(seconds, static_cast<double>(INT32_MAX)) * frameRate_));
  return {};
}

void SdlAudio::PlayTune() {
  if (music_ == nullptr) return;
  {
    // Mixing rounds are counted only while music plays, so none is counted
    // for this tune before it starts.
    const std::lock_guard lock(tuneMutex_);
    ++playing_;
    halting_ = false;
    endSaid_ = false;
    mixedFrames_ = 0;
    endFrames_ = tuneFrames_;
  }
  if (Mix_PlayMusic(music_, 0) == 0) return;
  {
    const std::lock_guard lock(tuneMutex_);
    endSaid_ = true;
    endFrames_ = -1;
  }
  if (onTuneEnd) onTuneEnd(TuneEnd::Failure);
}

void SdlAudio::CloseTune() {
  if (music_ == nullptr) return;
  {
    const std::lock_guard lock(tuneMutex_);
    halting_ = true;  // the end this causes is not a tune played through
  }
  Mix_HaltMusic();
  Mix_FreeMusic(music_);
  music_ = nullptr;
}

void SdlAudio::SayTuneEnded(TuneEnd end) {
  // With tuneMutex_ held.
  if (endSaid_) return;
  endSaid_ = true;
  endFrames_ = -1;
  std::weak_ptr<SdlAudio*> alive = alive_;
  const uint64_t tune = playing_;
  postToUi_([alive, end, tune] {
    const auto self = alive.lock();
    // An end that comes after another tune has started is that other tune's no more.
    if (self && (*self)->playing_ == tune && (*self)->onTuneEnd) (*self)->onTuneEnd(end);
  });
}

void SdlAudio::OnMusicFinished() {
  // The player stopped the tune, or Mix_HaltMusic did: only hand the news on.
  SdlAudio* device = g_device;
  if (device == nullptr) return;
  const std::lock_guard lock(device->tuneMutex_);
  device->SayTuneEnded(device->halting_ ? TuneEnd::Aborted : TuneEnd::Successful);
}

void SdlAudio::CountMusicFrames(int, void*, int length, void*) {
  // On the audio thread, after the round's music has been mixed.
  SdlAudio* device = g_device;
  if (device == nullptr || Mix_PlayingMusic() == 0) return;
  const std::lock_guard lock(device->tuneMutex_);
  if (device->endFrames_ < 0) return;
  device->mixedFrames_ += length / device->frameBytes_;
  if (device->mixedFrames_ >= device->endFrames_) device->SayTuneEnded(TuneEnd::Successful);
}

}  // namespace vexlor
