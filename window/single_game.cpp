// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/single_game.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace vexlor {
namespace {

constexpr int kAnswerMs = 3000;  // a running game answers long before this

// The socket's name: the same for every start with this store, another for another store.
QString ServerName(const std::filesystem::path& storeFile) {
  const QByteArray path = QByteArray::fromStdString(std::filesystem::absolute(storeFile).string());
  return QStringLiteral("vexlorslots-") +
         QString::fromLatin1(
             QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(24));
}

}  // namespace

SingleGame::~SingleGame() {
  if (lock_ >= 0) ::close(lock_);
}

bool SingleGame::Claim(const std::filesystem::path& storeFile) {
  if (storeFile.empty()) return true;
  std::error_code ignored;
  std::filesystem::create_directories(storeFile.parent_path(), ignored);
  const std::string lockFile = storeFile.string() + ".running";
  lock_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  if (lock_ < 0) return true;  // nothing to hold: the store itself will say why it cannot be used
  const QString name = ServerName(storeFile);
  if (::flock(lock_, LOCK_EX | LOCK_NB) == 0) {
    // A socket left by a game that ended without closing it is this store's no longer.
    QLocalServer::removeServer(name);
    server_ = new QLocalServer(this);
    connect(server_, &QLocalServer::newConnection, this, [this] {
      while (QLocalSocket* asking = server_->nextPendingConnection()) {
        asking->deleteLater();
        if (onRaise) onRaise();
      }
    });
    server_->listen(name);
    return true;
  }
  ::close(lock_);
  lock_ = -1;
  QLocalSocket ask;
  ask.connectToServer(name);
  if (ask.waitForConnected(kAnswerMs)) {
    ask.write("front\n");
    ask.waitForBytesWritten(kAnswerMs);
    ask.disconnectFromServer();
  }
  return false;
}

}  // namespace vexlor
