// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
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
constexpr int kDeviceRate = 44100;
constexpr int kRoundFrames = 2048;            // a mixing round: 46 ms at 44.1 kHz
constexpr int kMusicVolume = MIX_MAX_VOLUME;  // the tunes are written to sit behind the cues
// Where Debian, then Fedora, then Arch install a General MIDI soundfont.
constexpr const char* kKnownSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/soundfonts/default.sf2",
    "/usr/share/soundfonts/FluidR3_GM.sf2",
};
constexpr std::string_view kDefaultDataDirs = "/usr/local/share:/usr/share";
constexpr std::uintmax_t kMaxTuneBytes = 4u << 20;

}  // namespace

std::vector<std::string> SoundFontCandidates(std::string_view sdlSoundFonts,
                                             std::string_view xdgDataDirs) {
  const auto split = [](std::string_view list, std::string_view separators) {
    std::vector<std::string> entries;
    while (!list.empty()) {
      const std::size_t end = std::min(list.find_first_of(separators), list.size());
      if (end > 0) entries.emplace_back(list.substr(0, end));
      list.remove_prefix(std::min(end + 1, list.size()));
    }
    return entries;
  };
  std::vector<std::string> candidates = split(sdlSoundFonts, ":;");
  for (const char* known : kKnownSoundFonts)
    candidates.emplace_back(known);
  const std::string_view dataDirs = xdgDataDirs.empty() ? kDefaultDataDirs : xdgDataDirs;
  for (const std::string& folder : split(dataDirs, ":")) {
    for (const char* name : {"default.sf2", "FluidR3_GM.sf2", "TimGM6mb.sf2"})
      candidates.push_back(folder + "/soundfonts/" + name);
  }
  return candidates;
}

std::string FindSoundFont() {
  const auto env = [](const char* name) {
    const char* value = std::getenv(name);
    return std::string_view(value != nullptr ? value : "");
  };
  for (const std::string& candidate :
       SoundFontCandidates(env("SDL_SOUNDFONTS"), env("XDG_DATA_DIRS"))) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return "";
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
  if (awake_) Sleep();
  synth_.reset();
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
  if (Mix_OpenAudio(kDeviceRate, AUDIO_S16SYS, 2, kRoundFrames) != 0) {
    Say(std::string("no sound: ") + Mix_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_Quit();
    return;
  }
  Mix_AllocateChannels(1);
  awake_ = true;
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
  // The synthesizer writes stereo 16-bit frames; another mix has no tunes.
  if (format != AUDIO_S16SYS || channels != 2) {
    Say("no music: the sound device does not take 16-bit stereo");
    return;
  }
  tunes_ = true;
  Mix_HookMusic(&SdlAudio::MixTune, this);
}

bool SdlAudio::Wake() {
  if (!Ready()) return false;
  {
    const std::lock_guard lock(tuneMutex_);
    quietFrames_ = 0;
    restAsked_ = false;
  }
  if (awake_) return true;
  if (Mix_OpenAudio(frameRate_, AUDIO_S16SYS, 2, kRoundFrames) != 0) {
    SayOnce(std::string("no sound: ") + Mix_GetError());
    return false;
  }
  Mix_AllocateChannels(1);
  {
    const std::lock_guard lock(tuneMutex_);
    ++wakes_;
  }
  if (tunes_) Mix_HookMusic(&SdlAudio::MixTune, this);
  awake_ = true;
  return true;
}

void SdlAudio::Sleep() {
  Mix_HookMusic(nullptr, nullptr);
  Mix_HaltChannel(-1);
  // The cues are made again on waking, for the device as it then opens.
  for (const auto& [image, chunk] : chunks_)
    Mix_FreeChunk(chunk);
  chunks_.clear();
  Mix_CloseAudio();
  awake_ = false;
}

void SdlAudio::RestIfStillQuiet(uint64_t wakes) {
  if (!awake_) return;
  {
    const std::lock_guard lock(tuneMutex_);
    // Something has sounded since it was asked, or it has rested and woken.
    if (!restAsked_ || sounding_ || wakes != wakes_) return;
  }
  if (Mix_Playing(-1) != 0) return;
  Sleep();
}

bool SdlAudio::Ready() {
  if (opener_.joinable()) opener_.join();
  return opened_;
}

bool SdlAudio::CanPlayTunes() {
  return Ready() && tunes_;
}

bool SdlAudio::PlayCue(std::span<const unsigned char> wav) {
  if (wav.empty() || !Wake()) return false;
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

std::string SdlAudio::MakeSynth(const std::bitset<128>& programs) {
  if (synth_ != nullptr) {
    // A few presets more, when the tune chooses programs the others did not.
    const std::lock_guard lock(tuneMutex_);
    return synth_->LoadPrograms(soundFont_, programs);
  }
  // Made and loaded before the mixer sees it: nothing waits on the lock meanwhile.
  auto synth = std::make_unique<TuneSynth>(frameRate_);
  if (std::string why = synth->LoadPrograms(soundFont_, programs); !why.empty()) return why;
  const std::lock_guard lock(tuneMutex_);
  synth_ = std::move(synth);
  return {};
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
  if (const std::string why = MakeSynth(MidiPrograms(tune)); !why.empty()) {
    CloseTune();
    tunes_ = false;
    Say("no music: " + why);
    return {};
  }
  CloseTune();
  const double seconds = std::max(MidiEndSeconds(tune).value_or(0), kShortestTuneMs / 1000.0);
  const std::lock_guard lock(tuneMutex_);
  tune_ = std::move(tune);
  tuneFrames_ = static_cast<int64_t>(
      std::ceil(std::min(seconds, static_cast<double>(INT32_MAX)) * frameRate_));
  return {};
}

void SdlAudio::PlayTune() {
  if (!Wake()) return;
  bool started = false;
  {
    const std::lock_guard lock(tuneMutex_);
    if (synth_ == nullptr || tune_.empty()) return;
    ++playing_;
    endSaid_ = false;
    mixedFrames_ = 0;
    endFrames_ = tuneFrames_;
    started = synth_->Start(tune_);
    sounding_ = started;
    if (!started) {
      endSaid_ = true;
      endFrames_ = -1;
    }
  }
  if (!started && onTuneEnd) onTuneEnd(TuneEnd::Failure);
}

void SdlAudio::CloseTune() {
  const std::lock_guard lock(tuneMutex_);
  if (synth_ == nullptr || !synth_->Playing()) return;
  synth_->Stop();
  sounding_ = false;
  SayTuneEnded(TuneEnd::Aborted);  // unless it had played through already
}

void SdlAudio::SayTuneEnded(TuneEnd end) {
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

void SdlAudio::MixTune(void* self, unsigned char* stream, int length) {
  // On the audio thread, into a round of silence, before the cue is mixed in.
  auto& device = *static_cast<SdlAudio*>(self);
  const std::lock_guard lock(device.tuneMutex_);
  const int frames = length / device.frameBytes_;
  device.AskToRestWhenQuiet(frames);
  TuneSynth* synth = device.synth_.get();
  if (synth == nullptr || !synth->Playing()) return;
  const bool ringing = synth->MixInto(reinterpret_cast<int16_t*>(stream), frames);
  if (device.endFrames_ >= 0) {
    device.mixedFrames_ += frames;
    if (device.mixedFrames_ >= device.endFrames_) device.SayTuneEnded(TuneEnd::Successful);
  }
  // Played through and died away: nothing more to synthesise until the next tune.
  if (!ringing && device.endSaid_) {
    synth->Stop();
    device.sounding_ = false;
  }
}

void SdlAudio::AskToRestWhenQuiet(int frames) {
  // With tuneMutex_ held, on the audio thread, which holds SDL_mixer's lock already.
  if (sounding_ || Mix_Playing(kCueChannel) != 0) {
    quietFrames_ = 0;
    return;
  }
  quietFrames_ += frames;
  if (restAsked_ || quietFrames_ < static_cast<int64_t>(kRestMs) * frameRate_ / 1000) return;
  restAsked_ = true;
  std::weak_ptr<SdlAudio*> alive = alive_;
  const uint64_t wakes = wakes_;
  postToUi_([alive, wakes] {
    if (const auto self = alive.lock()) (*self)->RestIfStillQuiet(wakes);
  });
}

}  // namespace vexlor
