// vexlor_shots OUTDIR: plays the game offscreen and writes the screenshots of
// the player's manual into OUTDIR/manual. The game's executable folder and its
// store lie in a temporary folder, removed at the end; nothing is written
// anywhere else.
#include <QApplication>
#include <cstdio>

#include "tools/shots/shots.h"

namespace {

void Say(const QString& line) {
  std::fprintf(stderr, "vexlor_shots: %s\n", qPrintable(line));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vexlor_shots OUTDIR\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace vexlor::shots;

  ScratchFolder folder;
  if (!folder.Made()) {
    Say(QStringLiteral("cannot make a temporary folder"));
    return 1;
  }
  // The two cues the game reads whole at start-up.
  for (const char* cue : {"Vexlor0.wav", "Vexlor3.wav"})
    WriteQuietCue(folder.Path() / cue);

  Album album(argv[1]);
  auto record = std::make_shared<ShotRecord>();
  {
    vexlor::TForm1 form(ShotEnvironment(folder.Path(), record));
    ShootMachine(form, *record, album);
    ShootSideWindows(form, record, album);
    record->onStep = nullptr;
  }
  for (const QString& box : record->boxes)
    Say(QStringLiteral("the game said: ") + box);
  for (const QString& failure : album.Failures())
    Say(failure);
  return album.Failures().isEmpty() ? 0 : 1;
}
