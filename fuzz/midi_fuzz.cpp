// SPDX-License-Identifier: GPL-3.0-or-later
// MIDI tune files through the music loader: the input is written as the first
// tune of the rotation beside a stand-in executable and played the way the
// game plays a tune (GameSound::PlayTune: the device opens it, refusing a
// damaged file with a message, and plays it) through its FluidSynth
// synthesizer over SDL's dummy audio driver. The player reads the file on the audio
// thread when the tune starts; a file the device takes must be one that
// FluidSynth then reads without an error, for a file it cannot read would end
// at once without a word.
#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "fuzz/fuzz_support.h"
#include "sound/game_sound.h"
#include "sound/midi.h"
#include "sound/music.h"
#include "sound/sdl_audio.h"

namespace {

using vexlor::fuzz::Require;

// What the audio thread reports: mixing rounds, FluidSynth's errors, and the
// calls the device posts to the user-interface thread.
struct AudioThreadNews {
  std::mutex mutex;
  std::condition_variable changed;
  uint64_t mixes = 0;
  std::vector<std::string> errors;
  std::vector<std::function<void()>> posted;
};

AudioThreadNews& News() {
  static AudioThreadNews news;
  return news;
}

void CountMix(void*, Uint8*, int) {
  AudioThreadNews& news = News();
  const std::lock_guard lock(news.mutex);
  ++news.mixes;
  news.changed.notify_all();
}

void KeepError(int, const char* message, void*) {
  AudioThreadNews& news = News();
  const std::lock_guard lock(news.mutex);
  news.errors.emplace_back(message != nullptr ? message : "");
}

// The one device of the run, as the game has one: tunes are opened and closed on it.
vexlor::SdlAudio& Device() {
  static vexlor::SdlAudio* device = [] {
    Require(::setenv("SDL_AUDIODRIVER", "dummy", 1) == 0, "SDL's dummy audio driver is chosen");
    for (int level : {FLUID_PANIC, FLUID_ERR})
      fluid_set_log_function(level, KeepError, nullptr);
    for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG})
      fluid_set_log_function(level, nullptr, nullptr);  // the rest stays quiet
    static vexlor::SdlAudio audio([](std::function<void()> call) {
      AudioThreadNews& news = News();
      const std::lock_guard lock(news.mutex);
      news.posted.push_back(std::move(call));
      news.changed.notify_all();
    });
    Require(audio.CanPlayTunes(), "SDL opens the dummy audio driver with a soundfont");
    Mix_SetPostMix(CountMix, nullptr);
    return &audio;
  }();
  return *device;
}

// Runs the calls posted meanwhile, as the user-interface thread would.
void RunPosted() {
  std::vector<std::function<void()>> calls;
  {
    const std::lock_guard lock(News().mutex);
    calls.swap(News().posted);
  }
  for (const auto& call : calls)
    call();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const vexlor::fuzz::ScratchFolder folder;
  vexlor::SdlAudio& audio = Device();
  AudioThreadNews& news = News();

  vexlor::GameState state;
  state.AppDir = folder.AppDir();
  state.AssetPrefix = "Vexlor";
  state.MusicOn = true;
  vexlor::SetMusicFiles(state);
  folder.Clear();
  folder.Write("Vexlor0.mid", data, size);

  std::vector<std::string> messages;
  vexlor::GameSound sound(state, audio,
                          [&messages](const std::string& message) { messages.push_back(message); });
  std::vector<vexlor::TuneEnd> ends;
  audio.onTuneEnd = [&ends](vexlor::TuneEnd end) { ends.push_back(end); };
  struct Unhook {
    vexlor::SdlAudio& audio;
    ~Unhook() { audio.onTuneEnd = nullptr; }
  } unhook{audio};
  {
    const std::lock_guard lock(news.mutex);
    news.errors.clear();
  }

  const std::string& file = state.MusicFiles[0];
  sound.PlayTune(file);
  const std::string problem =
      vexlor::MidiProblem({reinterpret_cast<const unsigned char*>(data), size});
  if (!problem.empty()) {
    Require(messages.size() == 1 && messages[0] == "Cannot play " + file + ": " + problem,
            "a damaged tune is refused with the reason");
    return 0;
  }
  if (!messages.empty()) {
    Require(messages.size() == 1 && messages[0].starts_with("Cannot play " + file + ": "),
            "a tune the player refuses is refused with its message");
    return 0;
  }

  // The tune plays: wait for a mixing round that began after it started, in
  // which the player has read the file.
  {
    std::unique_lock lock(news.mutex);
    const uint64_t started = news.mixes;
    Require(news.changed.wait_for(lock, std::chrono::seconds(10),
                                  [&news, started] { return news.mixes > started; }),
            "the audio thread mixes");
  }
  audio.CloseTune();
  RunPosted();
  Require(ends.size() <= 1, "a tune ends once");
  std::string errors;
  {
    const std::lock_guard lock(news.mutex);
    for (const std::string& error : news.errors)
      errors += "\n  fluidsynth: " + error;
  }
  Require(errors.empty(),
          "a tune the device takes is read by the player without an error:" + errors);
  return 0;
}
