// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>

class QLocalServer;

namespace vexlor {

// One running game per store. The first start holds a lock on STORE.running
// for as long as it runs (the system drops it when the process ends, however
// it ends, so a crashed game never blocks the next start) and answers on a
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
  int lock_ = -1;
  QLocalServer* server_ = nullptr;  // owned as a child
};

}  // namespace vexlor
