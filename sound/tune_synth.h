// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace vexlor {

struct SoundFontCut;

// The tunes' synthesizer: FluidSynth with a General MIDI soundfont, one for
// the life of the audio device, the soundfont loaded once, by the first tune.
// It synthesises at half the device's rate, half the work, and doubles the
// rate with a half-band filter that keeps the tunes flat to about 9 kHz (at
// 44.1 kHz) and nothing above 11 kHz. Chorus is off: the tunes send nothing to it.
//
// Not thread-safe: the device calls it under a lock of its own.
class TuneSynth {
 public:
  // Output: stereo, signed 16-bit, `deviceRate` frames a second.
  explicit TuneSynth(int deviceRate);
  ~TuneSynth();
  TuneSynth(const TuneSynth&) = delete;
  TuneSynth& operator=(const TuneSynth&) = delete;

  // Loads the presets of `programs` from the soundfont at `path`, those not
  // loaded yet: "" when they are, else why not. Only the presets a tune can
  // choose are loaded, each program in every bank, so that the synthesizer
  // keeps their tables alone (a soundfont that cannot be cut is loaded
  // whole). The first load reads the most: done before the synthesizer is
  // handed to the mixer.
  std::string LoadPrograms(const std::string& path, const std::bitset<128>& programs);
  bool Loaded() const { return font_ >= 0; }

  // Starts `midi` from its beginning, cutting off whatever sounds; the bytes
  // must outlive the tune. False when the player refuses the file.
  bool Start(std::span<const unsigned char> midi);
  // Silences the tune at once.
  void Stop();
  bool Playing() const { return player_ != nullptr; }

  // Mixes `frames` (even) frames of the tune into `out` (stereo, interleaved),
  // adding to what is there with clipping. False once the tune is over and
  // its last notes have died away.
  bool MixInto(int16_t* out, int frames);

 private:
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_player_t* player_ = nullptr;
  int font_ = -1;                                    // the last soundfont or cut loaded
  std::bitset<128> programs_;                        // those whose presets are loaded
  std::vector<std::unique_ptr<SoundFontCut>> cuts_;  // read again as samples are needed
  int Ahead() const;                                 // synthesised frames not yet mixed
  void RenderAhead(int count, int piece);

  // Per channel, in 16-bit units: the synthesised samples the filter still reads
  // (its history), then those rendered ahead; read_ is where the next round starts.
  std::array<std::vector<float>, 2> ahead_;
  std::size_t read_ = 0;
};

}  // namespace vexlor
