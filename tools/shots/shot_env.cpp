// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/shots/shot_env.h"

#include <unistd.h>

#include <QPointer>

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/soundgen/wav_writer.h"
#include "window/unit1.h"

namespace vexlor::shots {
namespace {

constexpr int64_t kStepMs = 25;
constexpr uint32_t kSeed = 20250614;

}  // namespace

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vexlor-shots-XXXXXX").string();
  if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

WindowEnvironment ShotEnvironment(const std::filesystem::path& folder,
                                  const std::shared_ptr<ShotRecord>& record, int scale) {
  WindowEnvironment env;
  env.executablePath = QString::fromStdString((folder / "vexlorslots").string());
  env.screenSize = kShotScreen;
  env.devicePixelRatio = scale;
  env.availableGeometry = QRect(QPoint(0, 0), kShotScreen);
  env.logicalDpi = 120;  // a window, not a maximised one
  env.frameMargins = [](const QWidget&) { return QMargins(); };
  env.storeFolder = folder / "store";
  env.today = [] { return std::string("06/14/25"); };
  env.seed = kSeed;
  env.clock = [record] { return record->clock.Now(); };
  env.at = [record](QObject* context, int64_t dueMs, std::function<void()> call) {
    record->clock.At(dueMs, [alive = QPointer<QObject>(context), call = std::move(call)] {
      if (alive) call();
    });
  };
  env.information = [record](const QString& text) { record->boxes << text; };
  env.error = [record](const QString& text) { record->boxes << text; };
  env.locale = ShotLocale();
  env.makeAudio = [] { return std::make_unique<SilentAudio>(); };
  return env;  // settingsFile stays empty: the switches are not remembered
}

bool PlayOut(const TForm1& form, ShotRecord& record) {
  for (int step = 0; step < 100'000; ++step) {
    if (!form.Runner().InProgress() && !record.clock.HasWaiting()) return true;
    if (record.clock.RunDue()) continue;
    record.clock.Advance(kStepMs);
    if (record.onStep) record.onStep();
    record.clock.RunDue();
  }
  return false;
}

SideEnvironment ShotSideEnvironment(const std::shared_ptr<ShotRecord>& record) {
  SideEnvironment side;
  side.information = [record](const QString& text) { record->boxes << text; };
  side.error = [record](const QString& text) { record->boxes << text; };
  side.help = [](int) {};
  side.locale = ShotLocale();
  return side;
}

QLocale ShotLocale() {
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

bool WriteQuietCue(const std::filesystem::path& file) {
  const std::string bytes = soundgen::EncodeWav(soundgen::Silence(0.05));
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace vexlor::shots
