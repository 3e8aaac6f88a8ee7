// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL2_mixer device on SDL's dummy driver: the shipped cues and tunes
// decode, a new cue cuts off the old, and a tune's end is handed on.
#include "sound/sdl_audio.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bitset>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>

#include "sound/midi.h"
#include "sound/soundfont_cut.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wav_file.h"

namespace vexlor {
namespace {

// Calls posted from the audio thread, run by the test's own thread.
class PostBox {
 public:
  void Post(std::function<void()> call) {
    const std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
    ready_.notify_all();
  }
  // Runs what has been posted, waiting for the first call if there is none
  // yet. False when nothing came within `patience` (a fault, not a verdict
  // on speed: a short tune ends well within it).
  bool RunPosted(std::chrono::seconds patience) {
    std::vector<std::function<void()>> calls;
    {
      std::unique_lock lock(mutex_);
      if (!ready_.wait_for(lock, patience, [this] { return !calls_.empty(); })) return false;
      calls.swap(calls_);
    }
    for (const auto& call : calls)
      call();
    return true;
  }
  bool Empty() {
    const std::lock_guard lock(mutex_);
    return calls_.empty();
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<std::function<void()>> calls_;
};

std::vector<unsigned char> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A Standard MIDI File of one piano note of a fifth of a second.
void WriteShortTune(const std::string& path) {
  const unsigned char bytes[] = {'M',  'T',  'h',  'd',  0,    0,    0,    6,
                                 0,    0,    0,    1,    0,    96,  // format 0, 96 ticks a beat
                                 'M',  'T',  'r',  'k',  0,    0,    0,    19,  // one track
                                 0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,      // 500,000 us a beat
                                 0x00, 0x90, 60,   90,                          // note on
                                 0x26, 0x80, 60,   0,      // 38 ticks later, off
                                 0x00, 0xFF, 0x2F, 0x00};  // end of track
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// A format 1 file of two seconds, by a tempo map of two tempos: the first
// track sets 120 beats a minute, then 60 after two beats (1 s), and ends a
// beat later (2 s); the second holds one note from 0 to 1.5 s and ends there.
// FluidSynth's player would play on past 4 s: until the note's release has
// died out, and then two seconds for the reverb.
const std::vector<unsigned char> kTwoSecondTune = {
    'M',  'T',  'h',  'd',  0,    0,    0,    6,    0, 1, 0, 2, 0, 96,  // format 1, 96 ticks a beat
    'M',  'T',  'r',  'k',  0,    0,    0,    19,                       // first track
    0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,                           // 500,000 us a beat
    0x81, 0x40, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,                     // 192 ticks on: 1 s a beat
    0x60, 0xFF, 0x2F, 0x00,                                             // 96 on: the end
    'M',  'T',  'r',  'k',  0,    0,    0,    13,                       // second track
    0x00, 0x90, 60,   90,                                               // note on
    0x81, 0x70, 0x80, 60,   0,                                          // 240 ticks on, off
    0x00, 0xFF, 0x2F, 0x00};

class SdlDevice : public ::testing::Test {
 protected:
  PostBox box_;
  SdlAudio audio_{[this](std::function<void()> call) { box_.Post(std::move(call)); }};
};

TEST_F(SdlDevice, EveryShippedCueAndTuneDecodes) {
  ASSERT_TRUE(audio_.Ready()) << "SDL could not open the dummy audio driver";
  ASSERT_TRUE(audio_.CanPlayTunes()) << "no soundfont for the tunes";
  const std::string folder = VEXLOR_SOUND_DIR;
  std::vector<std::vector<unsigned char>> cues;  // kept alive while the device lives
  for (const char* ending : {"0", "1", "2", "3", "5", "6", "7", "8", "Win"}) {
    cues.push_back(ReadFile(folder + "/Vexlor" + ending + ".wav"));
    EXPECT_TRUE(audio_.PlayCue(cues.back())) << ending << ".wav: " << Mix_GetError();
  }
  for (int n = 0; n < 5; ++n) {
    const std::string tune = folder + "/Vexlor" + std::to_string(n) + ".mid";
    EXPECT_EQ(audio_.OpenTune(tune), "") << tune;
  }
  audio_.CloseTune();
}

TEST_F(SdlDevice, ANewCueCutsOffTheOneStillPlaying) {
  ASSERT_TRUE(audio_.Ready());
  const std::vector<unsigned char> longCue = testing::WavImage(3000);
  const std::vector<unsigned char> shortCue = testing::WavImage(50);
  ASSERT_TRUE(audio_.PlayCue(longCue));
  const Mix_Chunk* first = Mix_GetChunk(0);
  ASSERT_TRUE(audio_.PlayCue(shortCue));
  EXPECT_EQ(Mix_Playing(-1), 1);  // one channel, and on it the new cue
  EXPECT_NE(Mix_GetChunk(0), first);
  EXPECT_LT(Mix_GetChunk(0)->alen, first->alen);
}

TEST_F(SdlDevice, AShortTunesEndIsHandedOnAsPlayedThroughAndAClosedOneAsAborted) {
  ASSERT_TRUE(audio_.CanPlayTunes());
  testing::TempFolder folder;
  const std::string tune = (folder.path() / "short.mid").string();
  WriteShortTune(tune);
  std::vector<TuneEnd> ends;
  std::vector<std::thread::id> threads;
  audio_.onTuneEnd = [&](TuneEnd end) {
    ends.push_back(end);
    threads.push_back(std::this_thread::get_id());
  };
  ASSERT_EQ(audio_.OpenTune(tune), "");
  audio_.PlayTune();
  ASSERT_TRUE(box_.RunPosted(std::chrono::seconds(20))) << "the tune never ended";
  ASSERT_EQ(ends, std::vector<TuneEnd>{TuneEnd::Successful});
  EXPECT_EQ(threads.front(), std::this_thread::get_id());

  ASSERT_EQ(audio_.OpenTune(tune), "");
  audio_.PlayTune();
  audio_.CloseTune();  // stopped before its end
  ASSERT_TRUE(box_.RunPosted(std::chrono::seconds(20)));
  EXPECT_EQ(ends.back(), TuneEnd::Aborted);
}

// Frames mixed in rounds during which the tune sounded, counted after the device's own count.
std::atomic<int64_t> g_musicFrames{0};
std::atomic<int> g_frameBytes{4};
std::atomic<SdlAudio*> g_audio{nullptr};

void CountMusicRound(void*, Uint8*, int length) {
  if (g_audio.load()->TuneSounding()) g_musicFrames += length / g_frameBytes;
}

TEST(SdlTuneEnd, ComesFromTheMixingRoundThatReachesTheEndOfTrack) {
  // The gap between tunes, counted in frames of sound rather than in time,
  // so that it holds on a machine of any speed: the end is handed on from the
  // round that mixes the last frame of the file, while the tune still sounds.
  int64_t framesBefore = -1;  // mixed before the round that handed the end on
  bool stillPlaying = false;
  PostBox box;
  SdlAudio audio([&](std::function<void()> call) {
    framesBefore = g_musicFrames;
    stillPlaying = g_audio.load()->TuneSounding();
    box.Post(std::move(call));
  });
  g_audio = &audio;
  ASSERT_TRUE(audio.CanPlayTunes());
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0);
  g_frameBytes = SDL_AUDIO_BITSIZE(format) / 8 * channels;
  testing::TempFolder folder;
  const std::string tune = (folder.path() / "two.mid").string();
  std::ofstream(tune, std::ios::binary)
      .write(reinterpret_cast<const char*>(kTwoSecondTune.data()),
             static_cast<std::streamsize>(kTwoSecondTune.size()));
  const int64_t end = 2 * rate;
  std::vector<TuneEnd> ends;
  audio.onTuneEnd = [&](TuneEnd e) { ends.push_back(e); };
  ASSERT_EQ(audio.OpenTune(tune), "");
  Mix_SetPostMix(CountMusicRound, nullptr);
  g_musicFrames = 0;
  audio.PlayTune();
  ASSERT_TRUE(box.RunPosted(std::chrono::seconds(30))) << "the tune never ended";
  Mix_SetPostMix(nullptr, nullptr);
  EXPECT_EQ(ends, std::vector<TuneEnd>{TuneEnd::Successful});
  EXPECT_LT(framesBefore, end);
  EXPECT_GE(framesBefore + 8192, end) << "handed on " << (end - framesBefore) << " frames late";
  EXPECT_TRUE(stillPlaying) << "the end waited for the player to stop";
  audio.CloseTune();  // the end has been said: stopping it now says no more
  EXPECT_TRUE(box.Empty());
}

TEST_F(SdlDevice, AQuietDeviceRestsAndTheNextCueWakesIt) {
  const std::vector<unsigned char> cue = ReadFile(std::string(VEXLOR_SOUND_DIR) + "/Vexlor1.wav");
  ASSERT_TRUE(audio_.PlayCue(cue));
  // Asked from the audio thread once it has mixed kRestMs of silence.
  ASSERT_TRUE(box_.RunPosted(std::chrono::seconds(30))) << "the device never asked to rest";
  EXPECT_FALSE(audio_.Awake());
  ASSERT_TRUE(audio_.PlayCue(cue));
  EXPECT_TRUE(audio_.Awake());
  EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SdlDevice, ABrokenTuneFileGivesThePlayersMessage) {
  ASSERT_TRUE(audio_.CanPlayTunes());
  testing::TempFolder folder;
  const std::string tune = (folder.path() / "broken.mid").string();
  std::ofstream(tune) << "MThd but nothing a player could use";
  const std::string message = audio_.OpenTune(tune);
  EXPECT_EQ(message.rfind("Cannot play " + tune + ": ", 0), 0u) << message;
}

TEST(SoundFont, ThePlayersListComesFirstThenTheDistributionsThenEachDataFolder) {
  const std::vector<std::string> listed = SoundFontCandidates("/a.sf2;/b.sf2:", "");
  ASSERT_GT(listed.size(), 3u);
  EXPECT_EQ(std::vector(listed.begin(), listed.begin() + 3),
            (std::vector<std::string>{"/a.sf2", "/b.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"}));
  EXPECT_EQ(listed.back(), "/usr/share/soundfonts/TimGM6mb.sf2");  // the default XDG_DATA_DIRS
  const std::vector<std::string> own = SoundFontCandidates("", "/opt/x::/y");
  EXPECT_EQ(own.front(), "/usr/share/sounds/sf2/TimGM6mb.sf2");
  EXPECT_EQ(own[own.size() - 6], "/opt/x/soundfonts/default.sf2");
  EXPECT_EQ(own.back(), "/y/soundfonts/TimGM6mb.sf2");
}

TEST(SoundFont, ACutToTheTunesProgramsSoundsAsTheWholeSoundFontAndHoldsAThirdOfItsPresets) {
  const std::string font = FindSoundFont();
  ASSERT_FALSE(font.empty()) << "no soundfont for the tunes";
  // The same soundfont with a chunk after its presets: it cannot be cut, and is loaded whole.
  testing::TempFolder folder;
  const std::string whole = (folder.path() / "whole.sf2").string();
  std::vector<unsigned char> bytes = ReadFile(font);
  const uint32_t riff = static_cast<uint32_t>(bytes.size() + 12 - 8);
  for (int shift = 0; shift < 32; shift += 8)
    bytes[4 + shift / 8] = static_cast<unsigned char>(riff >> shift);
  for (char c : std::string_view("LIST\4\0\0\0more", 12))
    bytes.push_back(static_cast<unsigned char>(c));
  std::ofstream(whole, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  ASSERT_FALSE(CutSoundFont(whole, std::bitset<128>().set()));

  TuneSynth cut(44100), all(44100);
  std::bitset<128> chosen;
  // Two tunes one after the other: the second adds the programs the first did not choose.
  for (const char* name : {"/Vexlor0.mid", "/Vexlor4.mid"}) {
    const std::vector<unsigned char> tune = ReadFile(std::string(VEXLOR_SOUND_DIR) + name);
    chosen |= MidiPrograms(tune);
    ASSERT_EQ(cut.LoadPrograms(font, MidiPrograms(tune)), "");
    ASSERT_EQ(all.LoadPrograms(whole, MidiPrograms(tune)), "");
    ASSERT_TRUE(cut.Start(tune) && all.Start(tune));
    std::vector<int16_t> fromCut(2048 * 2), fromAll(2048 * 2);
    bool heard = false;
    for (int round = 0; round < 100; ++round) {  // 4.6 s
      std::fill(fromCut.begin(), fromCut.end(), 0);
      std::fill(fromAll.begin(), fromAll.end(), 0);
      cut.MixInto(fromCut.data(), 2048);
      all.MixInto(fromAll.data(), 2048);
      ASSERT_EQ(fromCut, fromAll) << name << ", round " << round;
      heard =
          heard || std::any_of(fromCut.begin(), fromCut.end(), [](int16_t s) { return s != 0; });
    }
    EXPECT_TRUE(heard) << name;
  }
  const std::optional<SoundFontCut> kept = CutSoundFont(font, chosen);
  ASSERT_TRUE(kept);
  EXPECT_LT(kept->presets.size() * 3, ReadFile(font).size() - kept->fileBytes);
}

}  // namespace
}  // namespace vexlor
