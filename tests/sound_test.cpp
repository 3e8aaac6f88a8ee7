// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's cues and music rotation over a recording audio device.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "sound/game_sound.h"
#include "sound/midi.h"
#include "sound/music.h"
#include "sound/wav.h"
#include "tests/support/recording_audio.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wav_file.h"

namespace vexlor {
namespace {

using testing::RecordingAudio;
using testing::TempFolder;
using testing::WriteWav;

// Cue lengths in ms as the test writes them, by the file's ending.
const std::vector<std::pair<const char*, int>> kCueLengths = {
    {"0.wav", 100}, {"1.wav", 300}, {"2.wav", 600}, {"3.wav", 40},    {"5.wav", 1200},
    {"6.wav", 250}, {"7.wav", 900}, {"8.wav", 500}, {"Win.wav", 1500}};

class Sound : public ::testing::Test {
 protected:
  void SetUp() override {
    state_.AppDir = folder_.path().string() + "/";
    state_.AssetPrefix = "Vexlor";
    state_.SoundOn = true;
    state_.MusicOn = true;
    for (const auto& [ending, ms] : kCueLengths)
      WriteWav(folder_.path() / (std::string("Vexlor") + ending), ms);
    SetMusicFiles(state_);
  }
  // Plays every cue once; the lengths of the cues the device was given. The
  // time the cues hold play adds up in held_.
  std::vector<std::string> PlayAll() {
    sound_.PlayReelStopCue();
    sound_.PlayCoinCue();
    held_ += sound_.PlayBonusResetCue();
    sound_.PlayCountCue();
    sound_.PlayPrizeCue();
    held_ += sound_.PlayBonusPointCue();
    sound_.PlayStartCue();
    held_ += sound_.PlayExtraHoldCue();
    held_ += sound_.PlayWinCue();
    std::vector<std::string> played;
    for (const auto& e : audio_.events)
      played.push_back(e.detail);
    return played;
  }
  bool TuneExists(const std::string& path) const { return present_.count(path) > 0; }
  std::string Tune(int n) const { return state_.MusicFiles[static_cast<std::size_t>(n)]; }

  TempFolder folder_;
  GameState state_;
  RecordingAudio audio_;
  int64_t held_ = 0;
  GameSound sound_{state_, audio_, {}};
  std::set<std::string> present_;
  FileExists exists_ = [this](const std::string& path) { return TuneExists(path); };
};

TEST_F(Sound, EveryCuePlaysItsFileAndOnlyTheWaitingOnesTakeTheirTime) {
  ASSERT_TRUE(sound_.LoadSoundImages().empty());
  EXPECT_EQ(PlayAll(), (std::vector<std::string>{"100", "300", "600", "40", "1200", "250", "900",
                                                 "500", "1500"}));
  // Bonus reset, bonus point, extra hold and win hold play as long as they sound.
  EXPECT_EQ(held_, 600 + 250 + 500 + 1500);
}

TEST_F(Sound, WithSoundOffOnlyTheWinAndTheBonusPointAreHeard) {
  ASSERT_TRUE(sound_.LoadSoundImages().empty());
  state_.SoundOn = false;
  EXPECT_EQ(PlayAll(), (std::vector<std::string>{"250", "1500"}));
  EXPECT_EQ(held_, 250 + 1500);
}

TEST_F(Sound, MissingOrDamagedCuesAreSilentAndTheStartUpOnesGiveOneMessage) {
  std::filesystem::remove(folder_.path() / "Vexlor0.wav");
  std::ofstream(folder_.path() / "Vexlor3.wav") << "not a wave";
  std::filesystem::remove(folder_.path() / "VexlorWin.wav");
  const auto messages = sound_.LoadSoundImages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Vexlor0.wav"), std::string::npos);
  EXPECT_NE(messages[0].find("Vexlor3.wav"), std::string::npos);
  sound_.PlayReelStopCue();
  sound_.PlayCountCue();
  EXPECT_EQ(sound_.PlayWinCue(), 0);  // nothing to wait for
  EXPECT_EQ(audio_.Count("cue"), 0);
}

TEST_F(Sound, WithOnlyTunesTwoAndFourTheyTakeTurns) {
  present_ = {Tune(2), Tune(4)};
  StartMusicAtStartUp(state_, sound_, exists_);
  EXPECT_EQ(state_.MusicTrack, 12);  // marked for starting
  PollMusic(state_, sound_);
  PollMusic(state_, sound_);  // a second poll starts nothing more
  for (int end = 0; end < 3; ++end)
    OnTuneEnded(state_, sound_, TuneEnd::Successful, exists_);
  std::vector<std::string> opened;
  for (const auto& e : audio_.events) {
    if (e.what == "open") opened.push_back(e.detail);
  }
  EXPECT_EQ(opened, (std::vector<std::string>{Tune(2), Tune(4), Tune(2), Tune(4)}));
  EXPECT_EQ(audio_.Count("play"), 4);
}

TEST_F(Sound, TheNextTuneStartsInTheCallThatReportsTheEndNotAtAPoll) {
  // The gap between tunes: the game adds no wait of its own (the poll runs
  // every 100 ms). Opening the next tune is what closes the one that ended,
  // so the player never stands closed between them.
  present_ = {Tune(0), Tune(1), Tune(3)};
  StartMusicAtStartUp(state_, sound_, exists_);
  PollMusic(state_, sound_);
  for (int next : {1, 3, 0}) {
    audio_.events.clear();
    OnTuneEnded(state_, sound_, TuneEnd::Successful, exists_);
    ASSERT_EQ(audio_.events.size(), 2u);
    EXPECT_EQ(audio_.events[0].what, "open");
    EXPECT_EQ(audio_.events[0].detail, Tune(next));
    EXPECT_EQ(audio_.events[1].what, "play");
    EXPECT_EQ(state_.MusicTrack, next);  // playing, not marked for a poll to start
    PollMusic(state_, sound_);
    EXPECT_EQ(audio_.events.size(), 2u);
  }
}

TEST_F(Sound, AnEndStartsNothingWithMusicOffAndClosesThePlayerWithNoTuneLeft) {
  present_ = {Tune(2)};
  StartMusicAtStartUp(state_, sound_, exists_);
  PollMusic(state_, sound_);
  SwitchMusic(state_, sound_);  // off, while the end was on its way
  audio_.events.clear();
  OnTuneEnded(state_, sound_, TuneEnd::Successful, exists_);
  EXPECT_TRUE(audio_.events.empty());
  SwitchMusic(state_, sound_);
  present_.clear();
  audio_.events.clear();
  OnTuneEnded(state_, sound_, TuneEnd::Successful, exists_);
  EXPECT_EQ(state_.MusicTrack, kNoTunes);
  ASSERT_EQ(audio_.events.size(), 1u);
  EXPECT_EQ(audio_.events[0].what, "close");
}

TEST_F(Sound, OnlyATuneThatPlayedToItsEndMovesTheRotation) {
  present_ = {Tune(0), Tune(1)};
  StartMusicAtStartUp(state_, sound_, exists_);
  PollMusic(state_, sound_);
  audio_.events.clear();
  for (TuneEnd end : {TuneEnd::Superseded, TuneEnd::Aborted, TuneEnd::Failure})
    OnTuneEnded(state_, sound_, end, exists_);
  EXPECT_EQ(state_.MusicTrack, 0);
  EXPECT_TRUE(audio_.events.empty());
}

TEST_F(Sound, NoTuneFilesMeanNoPlayerAtAll) {
  StartMusicAtStartUp(state_, sound_, exists_);
  EXPECT_EQ(state_.MusicTrack, kNoTunes);
  PollMusic(state_, sound_);
  EXPECT_EQ(audio_.Count("open"), 0);
}

TEST_F(Sound, MusicOffStopsTheTuneAndOnPlaysTheCurrentOneFromItsStart) {
  present_ = {Tune(3)};
  StartMusicAtStartUp(state_, sound_, exists_);
  PollMusic(state_, sound_);
  SwitchMusic(state_, sound_);
  EXPECT_FALSE(state_.MusicOn);
  EXPECT_EQ(audio_.events.back().what, "close");
  SwitchMusic(state_, sound_);
  EXPECT_TRUE(state_.MusicOn);
  ASSERT_GE(audio_.events.size(), 2u);
  EXPECT_EQ(audio_.events[audio_.events.size() - 2].detail, Tune(3));
  EXPECT_EQ(audio_.events.back().what, "play");
}

TEST_F(Sound, WithMusicOffAtStartTheFirstTuneWaitsForTheSwitch) {
  present_ = {Tune(1), Tune(3)};
  state_.MusicOn = false;
  StartMusicAtStartUp(state_, sound_, exists_);
  PollMusic(state_, sound_);
  EXPECT_EQ(audio_.Count("open"), 0);
  SwitchMusic(state_, sound_);
  EXPECT_EQ(audio_.events.back().what, "play");
  EXPECT_EQ(audio_.events[audio_.events.size() - 2].detail, Tune(1));
}

TEST(InstalledSound, CuesAndTunesComeFromTheDataFolderUnlessBesideTheExecutable) {
  TempFolder prefix;
  const std::filesystem::path bin = prefix.path() / "bin";
  const std::filesystem::path share = prefix.path() / "share" / "vexlorslots";
  std::filesystem::create_directories(bin);
  std::filesystem::create_directories(share);
  for (const auto& [ending, ms] : kCueLengths)
    WriteWav(share / (std::string("Vexlor") + ending), ms);
  WriteWav(bin / "Vexlor1.wav", 77);
  for (int n = 0; n < kTuneCount; ++n)
    std::ofstream(share / ("Vexlor" + std::to_string(n) + ".mid")) << "MThd";
  std::ofstream(bin / "Vexlor2.mid") << "MThd";

  GameState state;
  state.AppDir = bin.string() + "/";
  state.AssetPrefix = "Vexlor";
  state.SoundOn = true;
  RecordingAudio audio;
  GameSound sound(state, audio, {});
  EXPECT_TRUE(sound.LoadSoundImages().empty());
  sound.PlayReelStopCue();
  sound.PlayCoinCue();
  sound.PlayWinCue();
  std::vector<std::string> played;
  for (const auto& e : audio.events)
    played.push_back(e.detail);
  EXPECT_EQ(played, (std::vector<std::string>{"100", "77", "1500"}));

  SetMusicFiles(state);
  EXPECT_EQ(state.MusicFiles[0], (share / "Vexlor0.mid").string());
  EXPECT_EQ(state.MusicFiles[2], (bin / "Vexlor2.mid").string());
}

TEST(Midi, OnlyAHeaderAndTheTracksItDeclaresMakeATune) {
  std::vector<unsigned char> tune = {'M',  'T', 'h', 'd', 0,   0,   0, 6, 0,    1,    0, 2,
                                     0,    96,  'M', 'T', 'r', 'k', 0, 0, 0,    4,    0, 0xFF,
                                     0x2F, 0,   'X', 'x', 'x', 'x', 0, 0, 0,    1,    7, 'M',
                                     'T',  'r', 'k', 0,   0,   0,   4, 0, 0xFF, 0x2F, 0};
  EXPECT_EQ(MidiProblem(tune), "");  // an unknown chunk between the tracks is passed over
  EXPECT_EQ(MidiProblem(std::span(tune.data(), tune.size() - 1)), "MIDI file cut short");
  std::vector<unsigned char> moreTracks = tune;
  moreTracks[11] = 3;
  EXPECT_EQ(MidiProblem(moreTracks), "MIDI file cut short");
  std::vector<unsigned char> format3 = tune;
  format3[9] = 3;
  EXPECT_EQ(MidiProblem(format3), "damaged MIDI header");
  std::vector<unsigned char> hugeTrack = tune;
  hugeTrack[18] = 0xFF;  // a track claiming 4 GB
  EXPECT_EQ(MidiProblem(hugeTrack), "MIDI file cut short");
  EXPECT_EQ(MidiProblem(testing::WavImage(10)), "not a MIDI file");
}

TEST(Midi, ATuneLastsToTheLatestEndOfTrackByTheTempoMapOfAllTracks) {
  // The first track ends last, at tick 384; the tempo changes are the second
  // track's: a beat a second, then two a second from tick 96.
  const std::vector<unsigned char> tune = {
      'M',  'T',  'h',  'd',  0,    0,    0,    6,  0, 1, 0, 2, 0, 96,  // format 1, two tracks
      'M',  'T',  'r',  'k',  0,    0,    0,    5,                      // first track
      0x83, 0x00, 0xFF, 0x2F, 0x00,                                     // 384 ticks on: the end
      'M',  'T',  'r',  'k',  0,    0,    0,    26,                     // second track
      0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,                         // 1,000,000 us a beat
      0x60, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,                         // 96 on: 500,000 us
      0x00, 0x90, 64,   80,   0x60, 0x80, 64,   0,                      // a note
      0x00, 0xFF, 0x2F, 0x00};
  ASSERT_EQ(MidiProblem(tune), "");
  EXPECT_DOUBLE_EQ(MidiEndSeconds(tune).value_or(-1), 1.0 + 288 * 0.5 / 96);
  // Without a tempo, 120 beats a minute; a track may stop without its End of Track.
  const std::vector<unsigned char> plain = {'M',  'T',  'h', 'd', 0, 0,  0, 6,
                                            0,    0,    0,   1,   0, 96,        // format 0
                                            'M',  'T',  'r', 'k', 0, 0,  0, 8,  // its track
                                            0x00, 0x90, 60,  90,                // note on
                                            0x82, 0x20, 60,  0};                // 288 ticks on, off
  ASSERT_EQ(MidiProblem(plain), "");
  EXPECT_DOUBLE_EQ(MidiEndSeconds(plain).value_or(-1), 1.5);
  EXPECT_FALSE(MidiEndSeconds(std::span(tune.data(), tune.size() - 1)).has_value());
}

TEST(Wav, LengthsComeFromTheHeaderAndDamageGivesNothing) {
  const std::vector<unsigned char> wav = testing::WavImage(250);
  EXPECT_EQ(WavDurationMs(wav), 250);
  std::vector<unsigned char> cut(wav.begin(), wav.begin() + 44 + 800);  // 50 ms of data left
  EXPECT_EQ(WavDurationMs(cut), 50);
  for (std::size_t size : {0u, 4u, 12u, 20u, 43u})
    EXPECT_FALSE(WavDurationMs(std::span(wav.data(), size)).has_value()) << size;
  std::vector<unsigned char> noRate = wav;
  noRate[24] = noRate[25] = noRate[26] = noRate[27] = 0;  // sample rate 0
  EXPECT_FALSE(WavDurationMs(noRate).has_value());
  std::vector<unsigned char> oddFrames = wav;
  oddFrames[32] = 3;  // a frame of 3 bytes holds no 16-bit mono sample
  EXPECT_FALSE(WavDurationMs(oddFrames).has_value());
  std::vector<unsigned char> compressed = wav;
  compressed[20] = 2;  // ADPCM
  EXPECT_FALSE(WavDurationMs(compressed).has_value());
  std::vector<unsigned char> huge = wav;
  huge[16] = huge[17] = huge[18] = huge[19] = 0xFF;  // a fmt chunk claiming 4 GB
  EXPECT_FALSE(WavDurationMs(huge).has_value());
}

TEST(Wav, TheLengthIsTheFramesOverTheRateNotTheStatedByteRate) {
  // The byte rate a header states is not what the decoder plays by: a cue
  // stating one byte a second held the game for hours, one stating a huge
  // rate not at all (both found by fuzzing the cue loader).
  std::vector<unsigned char> wav = testing::WavImage(250);
  for (const uint32_t stated : {1u, 0u, 0xFFFFFFFFu}) {
    for (int i = 0; i < 4; ++i)
      wav[28 + i] = static_cast<unsigned char>(stated >> (8 * i));
    EXPECT_EQ(WavDurationMs(wav), 250) << stated;
  }
  std::vector<unsigned char> slow = wav;
  slow[24] = 16;  // 16 frames a second, not 8000: the 2000 frames last 125 s
  slow[25] = 0;
  EXPECT_EQ(WavDurationMs(slow), 125'000);
  slow[24] = 10;  // 10 a second: 200 s, longer than a cue plays
  EXPECT_FALSE(WavDurationMs(slow).has_value());
}

TEST(Wav, ACutImageIsGivenToTheDecoderWithTheLengthItHolds) {
  const std::vector<unsigned char> wav = testing::WavImage(250);
  EXPECT_FALSE(WavCutToSize(wav).has_value());  // whole
  std::vector<unsigned char> cut(wav.begin(), wav.begin() + 44 + 800);
  cut[40] = cut[41] = cut[42] = cut[43] = 0xFF;  // the data chunk claims 4 GB
  const auto trimmed = WavCutToSize(cut);
  ASSERT_TRUE(trimmed.has_value());
  EXPECT_EQ(std::vector<unsigned char>(trimmed->begin() + 40, trimmed->begin() + 44),
            (std::vector<unsigned char>{0x20, 0x03, 0, 0}));  // 800
  EXPECT_EQ(WavDurationMs(*trimmed), 50);
  EXPECT_EQ(WavDurationMs(cut), 50);
  EXPECT_FALSE(WavCutToSize(std::vector<unsigned char>{'M', 'T', 'h', 'd'}).has_value());
}

}  // namespace
}  // namespace vexlor
