// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/single_game.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QSocketNotifier>
#include <cstring>
#include <optional>

namespace vexlor {
namespace {

// The socket's path: the same for every start with this store, another for another store.
std::string SocketPath(const std::filesystem::path& storeFile) {
  const QByteArray path = QByteArray::fromStdString(std::filesystem::absolute(storeFile).string());
  const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex();
  return (QDir::cleanPath(QDir::tempPath()) + QStringLiteral("/vexlorslots-") +
          QString::fromLatin1(hash.left(24)))
      .toStdString();
}

std::optional<sockaddr_un> Address(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return std::nullopt;  // too long for a socket
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

int LocalSocket() {
  return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

// Asks the game listening at `path` to come to the front; nothing when none listens.
void AskToRaise(const std::string& path) {
  const std::optional<sockaddr_un> address = Address(path);
  const int asking = address ? LocalSocket() : -1;
  if (asking < 0) return;
  if (::connect(asking, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0) {
    static constexpr char kFront[] = "front\n";
    [[maybe_unused]] const ssize_t sent = ::send(asking, kFront, sizeof(kFront) - 1, MSG_NOSIGNAL);
  }
  ::close(asking);
}

}  // namespace

SingleGame::~SingleGame() {
  if (listening_ >= 0) {
    ::close(listening_);
    ::unlink(socketPath_.c_str());
  }
  if (lock_ >= 0) ::close(lock_);
}

bool SingleGame::Claim(const std::filesystem::path& storeFile) {
  if (storeFile.empty()) return true;
  std::error_code ignored;
  std::filesystem::create_directories(storeFile.parent_path(), ignored);
  const std::string lockFile = storeFile.string() + ".running";
  lock_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  if (lock_ < 0) return true;  // nothing to hold: the store itself will say why it cannot be used
  if (::flock(lock_, LOCK_EX | LOCK_NB) == 0) {
    Listen(SocketPath(storeFile));
    return true;
  }
  ::close(lock_);
  lock_ = -1;
  AskToRaise(SocketPath(storeFile));
  return false;
}

void SingleGame::Listen(const std::string& socketPath) {
  const std::optional<sockaddr_un> address = Address(socketPath);
  if (!address) return;  // the game plays; a later start just does not raise it
  listening_ = LocalSocket();
  if (listening_ < 0) return;
  // A socket left by a game that ended without removing it is this store's no longer.
  ::unlink(socketPath.c_str());
  if (::bind(listening_, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0 ||
      ::listen(listening_, 4) != 0) {
    ::close(listening_);
    listening_ = -1;
    return;
  }
  socketPath_ = socketPath;
  asked_ = new QSocketNotifier(listening_, QSocketNotifier::Read, this);
  connect(asked_, &QSocketNotifier::activated, this, &SingleGame::Answer);
}

void SingleGame::Answer() {
  for (int asking; (asking = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
    ::close(asking);
    if (onRaise) onRaise();
  }
}

}  // namespace vexlor
