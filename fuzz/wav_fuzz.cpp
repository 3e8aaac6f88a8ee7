// SPDX-License-Identifier: GPL-3.0-or-later
// WAV cue files through the cue loader: the input is written as the reel-stop,
// count, coin and win cues beside a stand-in executable, read the way the game
// reads them (the first two whole at start-up, the others on first play) and
// played on SDL2_mixer over SDL's dummy audio driver. A cue is kept exactly
// when it is a WAV file, and a synchronous cue holds the game as long as the
// cue plays: not for hours because of a header field, nor not at all.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "fuzz/fuzz_support.h"
#include "sound/game_sound.h"
#include "sound/sdl_audio.h"
#include "sound/wav.h"

namespace {

using vexlor::fuzz::Require;

// How far the wait may be off the cue's length: the rounding of the wait,
// and the mixer's resampling of the cue.
constexpr int64_t kWaitToleranceMs = 25;
// Inputs played on one device before it is closed and a new one opened, and
// the most sound its decoded cues may hold meanwhile (four cues an input).
constexpr std::size_t kInputsPerDevice = 32;
constexpr int64_t kSoundPerDeviceMs = 10 * 60 * 1000;

// How long the cue on the device's cue channel plays, in milliseconds: the
// length of the samples SDL2_mixer decoded for it, in the device's format.
int64_t PlayingMs() {
  const Mix_Chunk* chunk = Mix_GetChunk(0);
  Require(chunk != nullptr, "a cue that plays is on the cue channel");
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  Require(Mix_QuerySpec(&frequency, &format, &channels) != 0, "the mixer is open");
  const int64_t bytesPerSecond =
      static_cast<int64_t>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
  return static_cast<int64_t>(chunk->alen) * 1000 / bytesPerSecond;
}

// One input's game: its state with the in-memory cues, and its sound with
// the cues read from files.
struct Game {
  vexlor::GameState state;
  std::unique_ptr<vexlor::GameSound> sound;
};

// The device keeps what it decoded by the address of the image, for as long
// as it lives, and the game keeps its images as long as the device: so every
// game stays until its device closes. Opening and closing SDL's device takes
// tens of milliseconds, so a device serves a run of inputs.
struct Bench {
  std::unique_ptr<vexlor::SdlAudio> audio;
  std::vector<std::unique_ptr<Game>> games;  // closed before the device
  int64_t soundMs = 0;                       // what the device holds decoded

  // The device for an input whose cues last `cueMs` each.
  vexlor::SdlAudio& Device(int64_t cueMs) {
    if (audio == nullptr || games.size() >= kInputsPerDevice ||
        soundMs + 4 * cueMs > kSoundPerDeviceMs) {
      games.clear();
      audio.reset();
      soundMs = 0;
      audio = std::make_unique<vexlor::SdlAudio>([](std::function<void()>) {});
      Require(audio->Ready(), "SDL opens the dummy audio driver");
    }
    soundMs += 4 * cueMs;
    return *audio;
  }
  ~Bench() { games.clear(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool driverSet = ::setenv("SDL_AUDIODRIVER", "dummy", 1) == 0;
  Require(driverSet, "SDL's dummy audio driver is chosen");
  static const vexlor::fuzz::ScratchFolder folder;
  static Bench bench;
  const std::vector<unsigned char> bytes(data, data + size);

  folder.Clear();
  const auto first = folder.Write("Vexlor0.wav", data, size);
  for (const char* name : {"Vexlor3.wav", "Vexlor1.wav", "VexlorWin.wav"}) {
    std::error_code error;
    std::filesystem::create_hard_link(first, folder.path() / name, error);
    Require(!error, "cannot link a cue file");
  }

  const std::optional<int64_t> cueMs = vexlor::WavDurationMs(bytes);
  vexlor::SdlAudio& audio = bench.Device(cueMs.value_or(0));
  Game& game = *bench.games.emplace_back(std::make_unique<Game>());
  game.state.AppDir = folder.AppDir();
  game.state.AssetPrefix = "Vexlor";
  game.state.SoundOn = true;
  game.sound = std::make_unique<vexlor::GameSound>(game.state, audio, [](const std::string&) {});
  vexlor::GameSound& sound = *game.sound;

  // Start-up: the two cues kept in memory.
  const bool isWav = cueMs.has_value();
  const std::vector<std::string> messages = sound.LoadSoundImages();
  Require(messages.empty() == isWav, "a cue is refused, with a message, when it is no WAV file");
  Require(isWav ? game.state.ReelStopSound == bytes && game.state.CountSound == bytes
                : game.state.ReelStopSound.empty() && game.state.CountSound.empty(),
          "the in-memory cues are the files' images");
  sound.PlayReelStopCue();
  sound.PlayCountCue();
  sound.PlayCoinCue();

  // The win cue holds play: as long as the samples the mixer decoded play.
  const int64_t held = sound.PlayWinCue();
  Require(isWav || held == 0, "only a WAV file plays");
  if (held > 0) {
    const int64_t playing = PlayingMs();
    Require(held + kWaitToleranceMs >= playing, "a cue holds play until it has played");
    Require(held <= playing + kWaitToleranceMs, "a cue holds play longer than it plays");
  }
  return 0;
}
