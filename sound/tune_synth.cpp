// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/tune_synth.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <string_view>

#include "sound/soundfont_cut.h"

namespace vexlor {
namespace {

// FluidSynth's gain for the tunes' level beside the cues (its default is 0.2).
constexpr double kGain = 1.2;
constexpr int kPolyphony = 64;

// The half-band filter: the samples between two synthesised ones are
// sum(kTaps[k] * (s[m - k] + s[m + 1 + k])), a Blackman-windowed sinc.
constexpr int kTapCount = 8;
constexpr int kHistory = 2 * kTapCount - 1;

// The synthesizer renders this many of its frames at a time (0.37 s at 22.05
// kHz): its voices and reverb stay warm in the cache through a batch instead
// of being fetched again every mixing round.
constexpr int kBatchFrames = 8192;

std::array<float, kTapCount> MakeTaps() {
  constexpr double kPi = 3.14159265358979323846;
  std::array<float, kTapCount> taps{};
  double sum = 0;
  for (int k = 0; k < kTapCount; ++k) {
    const double x = k + 0.5;  // distance from the midpoint, in synthesised samples
    const double sinc = std::sin(kPi * x) / (kPi * x);
    const double phase = kPi * (x + kTapCount) / kTapCount;  // 0..2 pi across the filter
    const double window = 0.42 - 0.5 * std::cos(phase) + 0.08 * std::cos(2 * phase);
    taps[static_cast<std::size_t>(k)] = static_cast<float>(sinc * window);
    sum += 2 * sinc * window;
  }
  for (float& tap : taps)
    tap = static_cast<float>(tap / sum);  // a steady level passes unchanged
  return taps;
}

const std::array<float, kTapCount> kTaps = MakeTaps();

// FluidSynth reads soundfonts through these: a name that the cuts loaded
// are known by opens that cut, any other a file.
std::mutex cutsLock;
std::map<std::string, const SoundFontCut*, std::less<>> cuts;
uint64_t cutsMade = 0;

struct OpenFont {
  const SoundFontCut* cut = nullptr;  // null for a file read as it is
  std::FILE* file = nullptr;
  uint64_t at = 0;
};

void* OpenFontFile(const char* name) {
  OpenFont font;
  {
    const std::lock_guard lock(cutsLock);
    const auto known = cuts.find(std::string_view(name));
    if (known != cuts.end()) font.cut = known->second;
  }
  font.file = std::fopen(font.cut != nullptr ? font.cut->path.c_str() : name, "rb");
  if (font.file == nullptr) return nullptr;
  return new OpenFont(font);  // FluidSynth's until it closes it
}

int ReadFont(void* buffer, fluid_long_long_t count, void* handle) {
  auto& font = *static_cast<OpenFont*>(handle);
  auto* out = static_cast<unsigned char*>(buffer);
  if (count < 0) return FLUID_FAILED;
  const auto bytes = static_cast<uint64_t>(count);
  if (font.cut == nullptr)
    return std::fread(out, 1, bytes, font.file) == bytes ? FLUID_OK : FLUID_FAILED;
  if (!font.cut->Read(font.file, font.at, out, bytes)) return FLUID_FAILED;
  font.at += bytes;
  return FLUID_OK;
}

int SeekFont(void* handle, fluid_long_long_t offset, int origin) {
  auto& font = *static_cast<OpenFont*>(handle);
  if (font.cut == nullptr) return fseeko(font.file, offset, origin) == 0 ? FLUID_OK : FLUID_FAILED;
  const int64_t base = origin == SEEK_SET   ? 0
                       : origin == SEEK_CUR ? static_cast<int64_t>(font.at)
                                            : static_cast<int64_t>(font.cut->Size());
  if (base + offset < 0) return FLUID_FAILED;
  font.at = static_cast<uint64_t>(base + offset);
  return FLUID_OK;
}

fluid_long_long_t TellFont(void* handle) {
  const auto& font = *static_cast<OpenFont*>(handle);
  if (font.cut == nullptr) return ftello(font.file);
  return static_cast<fluid_long_long_t>(font.at);
}

int CloseFont(void* handle) {
  const auto* font = static_cast<OpenFont*>(handle);
  std::fclose(font->file);
  delete font;
  return FLUID_OK;
}

void Forget(const SoundFontCut& cut) {
  const std::lock_guard lock(cutsLock);
  std::erase_if(cuts, [&cut](const auto& known) { return known.second == &cut; });
}

int16_t Clipped(float sample) {
  const float rounded = sample + (sample < 0 ? -0.5f : 0.5f);
  return static_cast<int16_t>(std::clamp(rounded, -32768.0f, 32767.0f));
}

}  // namespace

TuneSynth::TuneSynth(int deviceRate) {
  // FluidSynth's chatter stays quiet; its errors go where it sends them.
  for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG})
    fluid_set_log_function(level, nullptr, nullptr);
  settings_ = new_fluid_settings();
  fluid_settings_setnum(settings_, "synth.sample-rate", deviceRate / 2.0);
  fluid_settings_setint(settings_, "synth.chorus.active", 0);
  // The tunes sound at most 60 notes at once; 64 voices hold them all (General
  // MIDI asks for 24), 10 KiB each, where FluidSynth would keep 256.
  fluid_settings_setint(settings_, "synth.polyphony", kPolyphony);
  // Only the instruments the tunes choose are read from the soundfont, not all of it.
  fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  fluid_settings_setnum(settings_, "synth.gain", kGain);
  fluid_settings_setint(settings_, "synth.threadsafe-api", 0);  // the device's lock guards it
  synth_ = new_fluid_synth(settings_);
  if (synth_ == nullptr) return;
  fluid_sfloader_t* loader = new_fluid_defsfloader(settings_);
  if (loader == nullptr) return;
  fluid_sfloader_set_callbacks(loader, OpenFontFile, ReadFont, SeekFont, TellFont, CloseFont);
  fluid_synth_add_sfloader(synth_, loader);  // the synthesizer's from now on
}

TuneSynth::~TuneSynth() {
  Stop();
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
  for (const std::unique_ptr<SoundFontCut>& cut : cuts_)
    Forget(*cut);
}

std::string TuneSynth::LoadPrograms(const std::string& path, const std::bitset<128>& programs) {
  const std::bitset<128> missing = programs & ~programs_;
  if (missing.none()) return {};
  if (synth_ == nullptr) return "FluidSynth cannot start";
  std::optional<SoundFontCut> cut = CutSoundFont(path, missing);
  if (!cut && !cuts_.empty()) {
    // The soundfont has none of them: the synthesizer falls back on other
    // presets as it would with the whole soundfont.
    programs_ |= missing;
    return {};
  }
  if (cut) {
    cuts_.push_back(std::make_unique<SoundFontCut>(std::move(*cut)));
    std::string name;
    {
      const std::lock_guard lock(cutsLock);
      name = "vexlor-cut-" + std::to_string(++cutsMade);
      cuts.emplace(name, cuts_.back().get());
    }
    // Channels keep their presets: a tune still dying away keeps its
    // instruments, and Start gives the next tune's channels theirs.
    if (const int font = fluid_synth_sfload(synth_, name.c_str(), 0); font >= 0) {
      font_ = font;
      programs_ |= missing;
      return {};
    }
    Forget(*cuts_.back());
    cuts_.pop_back();
    if (!cuts_.empty()) return "the soundfont " + path + " cannot be loaded";
  }
  font_ = fluid_synth_sfload(synth_, path.c_str(), 0);
  if (font_ < 0) return "the soundfont " + path + " cannot be loaded";
  programs_.set();
  return {};
}

bool TuneSynth::Start(std::span<const unsigned char> midi) {
  Stop();
  if (!Loaded()) return false;
  fluid_synth_system_reset(synth_);  // each tune begins from the General MIDI defaults
  for (std::vector<float>& channel : ahead_)
    channel.assign(kHistory, 0.0f);  // the filter starts from silence
  read_ = 0;
  player_ = new_fluid_player(synth_);
  if (player_ == nullptr || fluid_player_add_mem(player_, midi.data(), midi.size()) != FLUID_OK ||
      fluid_player_play(player_) != FLUID_OK) {
    Stop();
    return false;
  }
  return true;
}

void TuneSynth::Stop() {
  if (player_ == nullptr) return;
  fluid_player_stop(player_);
  delete_fluid_player(player_);
  player_ = nullptr;
  fluid_synth_all_sounds_off(synth_, -1);
  for (std::vector<float>& channel : ahead_)
    channel.clear();
  read_ = 0;
}

bool TuneSynth::MixInto(int16_t* out, int frames) {
  if (player_ == nullptr) return false;
  const int half = frames / 2;
  if (Ahead() < half) RenderAhead(std::max(half, kBatchFrames / half * half), half);
  for (int channel = 0; channel < 2; ++channel) {
    // The filter's input: the samples it still reads from the last round, then this round's.
    const float* input = ahead_[channel].data() + read_;
    // Each synthesised sample, kTapCount - 1 late, then the one between it and the next.
    for (int i = 0; i < half; ++i) {
      const float* m = input + kTapCount - 1 + i;
      float between = 0;
      for (int k = 0; k < kTapCount; ++k)
        between += kTaps[static_cast<std::size_t>(k)] * (m[-k] + m[1 + k]);
      int16_t* pair = out + 4 * i + channel;
      pair[0] = Clipped(pair[0] + *m);
      pair[2] = Clipped(pair[2] + between);
    }
  }
  read_ += static_cast<std::size_t>(half);
  return Ahead() > 0 || fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING ||
         fluid_synth_get_active_voice_count(synth_) > 0;
}

int TuneSynth::Ahead() const {
  return static_cast<int>(ahead_[0].size() - read_) - kHistory;
}

void TuneSynth::RenderAhead(int count, int piece) {
  // What was read goes; the filter's history and what is left stay in front.
  for (std::vector<float>& channel : ahead_) {
    channel.erase(channel.begin(), channel.begin() + static_cast<std::ptrdiff_t>(read_));
    channel.resize(channel.size() + static_cast<std::size_t>(count));
  }
  read_ = 0;
  const std::size_t from = ahead_[0].size() - static_cast<std::size_t>(count);
  // In the pieces a mixing round asks for: the player's notes start at the
  // beginning of the piece they fall in, so the pieces' length is part of the sound.
  for (int done = 0; done < count; done += piece) {
    const int now = std::min(piece, count - done);
    fluid_synth_write_float(synth_, now, ahead_[0].data() + from + done, 0, 1,
                            ahead_[1].data() + from + done, 0, 1);
  }
  for (std::vector<float>& channel : ahead_) {
    std::transform(channel.begin() + static_cast<std::ptrdiff_t>(from), channel.end(),
                   channel.begin() + static_cast<std::ptrdiff_t>(from),
                   [](float sample) { return sample * 32768.0f; });
  }
}

}  // namespace vexlor
