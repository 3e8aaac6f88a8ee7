// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <string>

class QSocketNotifier;

namespace vexlor {

// One running game per store. The first start holds a lock on STORE.running
// for as long as it runs (the system drops it when the process ends, however
// it ends, so a crashed game never blocks the next start) and listens on a
// local socket named after the store. A later start finds the lock taken,
// asks the running game to come to the front and does not play.
class SingleGame : public QObject {
  Q_OBJECT
 public:
  SingleGame() = default;
  ~SingleGame() override;

  // False when another game runs for `storeFile`: it has been asked to come
  // to the front. Without a store every start plays.
  bool Claim(const std::filesystem::path& storeFile);

  std::function<void()> onRaise;  // a later start asked this game to come to the front

 private:
  void Listen(const std::string& socketPath);
  void Answer();  // every start that has asked since

  int lock_ = -1;
  int listening_ = -1;
  std::string socketPath_;            // removed again when this game ends
  QSocketNotifier* asked_ = nullptr;  // owned as a child
};

}  // namespace vexlor
