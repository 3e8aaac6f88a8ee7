// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/plays_file.h"

#include <QFile>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>
#include <system_error>

#include "config/plain_file.h"
#include "config/profile.h"

namespace vexlor {
namespace {

constexpr int kFormat = 1;
// A full history is some 40 kB; anything far larger is not one.
constexpr qint64 kMaxPlaysFileBytes = 1 << 20;

QJsonArray IntArray(const auto& values) {
  QJsonArray array;
  for (const auto value : values)
    array.append(static_cast<qint64>(value));
  return array;
}

QJsonObject PlayToJson(const Play& play) {
  QJsonArray won;
  for (bool line : play.linesWon)
    won.append(line);
  return QJsonObject{{"time", static_cast<qint64>(play.time)},
                     {"spin", play.spin},
                     {"coins", play.coins},
                     {"stops", IntArray(play.stops)},
                     {"cells", IntArray(play.cells)},
                     {"linesWon", won},
                     {"linePay", play.linePay},
                     {"holdsUsed", play.holdsUsed},
                     {"holdsGained", play.holdsGained},
                     {"bonusBefore", play.bonusBefore},
                     {"bonusAfter", play.bonusAfter},
                     {"bonusRound", play.bonusRound},
                     {"bonusPrize", play.bonusPrize},
                     {"credits", play.credits}};
}

// Reads the fields of one play, each a whole number in range or a boolean.
class PlayReader {
 public:
  explicit PlayReader(const QJsonObject& object) : object_(object) {}
  bool ok() const { return ok_; }

  template <typename Int>
  void Number(const char* key, Int& out) {
    Whole(object_.value(QLatin1String(key)), out);
  }
  void Flag(const char* key, bool& out) {
    const QJsonValue value = object_.value(QLatin1String(key));
    ok_ = ok_ && value.isBool();
    out = value.toBool();
  }
  template <typename Value, std::size_t N>
  void List(const char* key, std::array<Value, N>& out) {
    const QJsonValue value = object_.value(QLatin1String(key));
    const QJsonArray array = value.toArray();
    ok_ = ok_ && value.isArray() && array.size() == static_cast<qsizetype>(N);
    for (std::size_t i = 0; ok_ && i < N; ++i) {
      if constexpr (std::is_same_v<Value, bool>) {
        ok_ = array[static_cast<qsizetype>(i)].isBool();
        out[i] = array[static_cast<qsizetype>(i)].toBool();
      } else {
        Whole(array[static_cast<qsizetype>(i)], out[i]);
      }
    }
  }

 private:
  template <typename Int>
  void Whole(const QJsonValue& value, Int& out) {
    const double number = value.toDouble();
    ok_ = ok_ && value.isDouble() && std::trunc(number) == number &&
          number >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          number <= static_cast<double>(std::numeric_limits<Int>::max());
    if (ok_) out = static_cast<Int>(number);
  }

  const QJsonObject& object_;
  bool ok_ = true;
};

std::optional<Play> PlayFromJson(const QJsonValue& value) {
  if (!value.isObject()) return std::nullopt;
  const QJsonObject object = value.toObject();
  Play play;
  PlayReader read(object);
  read.Number("time", play.time);
  read.Number("spin", play.spin);
  read.Number("coins", play.coins);
  read.List("stops", play.stops);
  read.List("cells", play.cells);
  read.List("linesWon", play.linesWon);
  read.Number("linePay", play.linePay);
  read.Number("holdsUsed", play.holdsUsed);
  read.Number("holdsGained", play.holdsGained);
  read.Number("bonusBefore", play.bonusBefore);
  read.Number("bonusAfter", play.bonusAfter);
  read.Flag("bonusRound", play.bonusRound);
  read.Number("bonusPrize", play.bonusPrize);
  read.Number("credits", play.credits);
  if (!read.ok() || !IsPossiblePlay(play)) return std::nullopt;
  return play;
}

std::optional<PlayHistory> Refuse(QString* why, const QString& reason) {
  if (why != nullptr) *why = reason;
  return std::nullopt;
}

QString FileName(const std::filesystem::path& file) {
  return QString::fromStdString(file.filename().string());
}

}  // namespace

std::filesystem::path PlaysFileBeside(const std::filesystem::path& storeFile,
                                      const std::string& exeStem) {
  return storeFile.parent_path() / (exeStem + "-plays.json");
}

QByteArray PlaysToJson(const PlayHistory& history) {
  QJsonArray plays;
  for (const Play& play : history.plays)
    plays.append(PlayToJson(play));
  const QJsonObject root{{"format", kFormat},
                         {"openedSince", QString::fromStdString(history.openedSince)},
                         {"plays", plays}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<PlayHistory> PlaysFromJson(const QByteArray& text, QString* why) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(text, &error);
  if (document.isNull()) return Refuse(why, QStringLiteral("it is not JSON text"));
  const QJsonObject root = document.object();
  if (!document.isObject() || root.value(QLatin1String("format")).toInt() != kFormat ||
      !root.value(QLatin1String("plays")).isArray() ||
      !root.value(QLatin1String("openedSince")).isString()) {
    return Refuse(why, QStringLiteral("it is not a list of plays"));
  }
  PlayHistory history;
  history.openedSince = root.value(QLatin1String("openedSince")).toString().toStdString();
  for (const QJsonValue& value : root.value(QLatin1String("plays")).toArray()) {
    const std::optional<Play> play = PlayFromJson(value);
    if (!play) return Refuse(why, QStringLiteral("it holds a play no spin can give"));
    history.plays.push_back(*play);
  }
  while (history.plays.size() > kPlaysKept)
    history.plays.pop_front();
  return history;
}

PlaysLoad LoadPlays(const std::filesystem::path& file) {
  PlaysLoad load;
  RemoveStaleProfileTemporaries(file);
  const PlainFile in = ReadPlainFile(file, kMaxPlaysFileBytes);
  if (in.result == PlainRead::Missing) return load;
  QString why = QString::fromStdString(in.why);
  std::optional<PlayHistory> history;
  if (in.ok()) history = PlaysFromJson(QByteArray::fromStdString(in.bytes), &why);
  if (history) {
    load.history = std::move(*history);
    return load;
  }
  std::filesystem::path aside = file;
  aside += ".bad";
  std::error_code renamed;
  std::filesystem::rename(file, aside, renamed);
  load.writable = !renamed;
  load.problem =
      QStringLiteral("The last plays in %1 could not be read: %2. ").arg(FileName(file), why) +
      (renamed ? QStringLiteral("The file could not be set aside either, so this "
                                "run keeps no list of plays.")
               : QStringLiteral("The file was set aside as %1 and a new list begun.")
                     .arg(FileName(aside)));
  return load;
}

bool StorePlays(const std::filesystem::path& file, const PlayHistory& history) {
  std::error_code ignored;  // a folder that cannot be made refuses the write below
  std::filesystem::create_directories(file.parent_path(), ignored);
  const QByteArray text = PlaysToJson(history);
  return ReplaceWholeFile(
      file, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

}  // namespace vexlor
