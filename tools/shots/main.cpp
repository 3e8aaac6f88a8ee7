// SPDX-License-Identifier: GPL-3.0-or-later
// vexlor_shots OUTDIR [LANGUAGE]: plays the game offscreen, in English or in
// LANGUAGE ("de"), and writes the screenshots of the player's manual into
// OUTDIR/manual, once as "name.png" and once at twice the size as
// "name@2x.png" for dense screens. Each time the game's
// executable folder and its store lie in a temporary folder, removed at the
// end; nothing is written anywhere else.
#include <QApplication>
#include <cstdio>

#include "cli/language.h"
#include "tools/shots/shots.h"

namespace {

void Say(const QString& line) {
  std::fprintf(stderr, "vexlor_shots: %s\n", qPrintable(line));
}

// Plays a game from its start with the fixed seed, and takes its pictures on
// a screen of `scale` device pixels per pixel. True when all were taken.
bool TakeShots(const char* outDir, int scale) {
  using namespace vexlor::shots;
  ScratchFolder folder;
  if (!folder.Made()) {
    Say(QStringLiteral("cannot make a temporary folder"));
    return false;
  }
  // The two cues the game reads whole at start-up.
  for (const char* cue : {"Vexlor0.wav", "Vexlor3.wav"})
    WriteQuietCue(folder.Path() / cue);

  Album album(outDir, scale);
  auto record = std::make_shared<ShotRecord>();
  {
    vexlor::TForm1 form(ShotEnvironment(folder.Path(), record, scale));
    ShootMachine(form, *record, album);
    ShootSideWindows(form, record, album);
    record->onStep = nullptr;
  }
  for (const QString& box : record->boxes)
    Say(QStringLiteral("the game said: ") + box);
  for (const QString& failure : album.Failures())
    Say(failure);
  return album.Failures().isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: vexlor_shots OUTDIR [LANGUAGE]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 3) vexlor::InstallTranslations(app, QString::fromLocal8Bit(argv[2]));
  bool taken = true;
  for (int scale : {1, 2})
    taken = TakeShots(argv[1], scale) && taken;
  return taken ? 0 : 1;
}
