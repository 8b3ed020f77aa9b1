#include "app/RecoveryKeeper.h"

#include "engine/files/SafeSave.h"
#include "engine/palette/PaletteFile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>

namespace tintorium {
namespace {

constexpr QByteArrayView kMagic = "TintoriumRecovery 1\n";
constexpr QByteArrayView kPaletteMark = "palette\n";
// A copy is a palette plus a few lines; anything far larger is not one.
constexpr qint64 kMaxCopyBytes = qint64(256) * 1024 * 1024;

QString LockFileOf(const QString& copyFile) {
  return copyFile.left(copyFile.size() - 4) + QStringLiteral(".lock");
}

// Settings hold plain values only; anything else in a copy is not one of ours.
bool PlainSetting(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::QByteArray: return true;
    default: return false;
  }
}

QByteArray EncodeSettings(const QVariantMap& settings) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setVersion(QDataStream::Qt_6_0);
  for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
    if (PlainSetting(it.value())) out << it.key() << it.value();
  }
  return bytes;
}

bool DecodeSettings(const QByteArray& bytes, QVariantMap& settings) {
  QDataStream in(bytes);
  in.setVersion(QDataStream::Qt_6_0);
  while (!in.atEnd()) {
    QString key;
    QVariant value;
    in >> key >> value;
    if (in.status() != QDataStream::Ok || !PlainSetting(value)) return false;
    settings.insert(key, value);
  }
  return true;
}

bool ReadCopy(const QString& fileName, QByteArray& bytes) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxCopyBytes) return false;
  bytes = file.readAll();
  return true;
}

}  // namespace

TRecoveryKeeper::TRecoveryKeeper(const QString& folder, QObject* parent) : QObject(parent), folder_(folder) {
  QDir().mkpath(folder_);
  static int keepers = 0;  // several windows of one process (tests) each keep their own copy
  base_ = QDir(folder_).filePath(
      QStringLiteral("recovery-%1-%2").arg(QCoreApplication::applicationPid()).arg(++keepers));
  lock_ = std::make_unique<QLockFile>(base_ + QStringLiteral(".lock"));
  lock_->setStaleLockTime(0);  // only a dead owner makes a lock stale, never its age
  lock_->tryLock(0);
  timer_.setSingleShot(true);
  timer_.setInterval(DelayMs);
  connect(&timer_, &QTimer::timeout, this, [this] { WriteNow(); });
}

TRecoveryKeeper::~TRecoveryKeeper() = default;

QString TRecoveryKeeper::DefaultFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("recovery"));
}

void TRecoveryKeeper::Schedule() {
  if (source_) timer_.start();
}

bool TRecoveryKeeper::WriteNow() {
  timer_.stop();
  if (!source_) return true;
  TRecoverySnapshot snapshot = source_();
  // An unmodified palette with no base colour chosen and no setting changed in the session holds nothing worth
  // offering.
  if (!snapshot.PaletteModified && snapshot.History.size() <= 1 && snapshot.Settings.isEmpty()) {
    Remove();
    return true;
  }
  snapshot.Time = QDateTime::currentDateTime();
  ++writes_;
  return SaveFileAtomically(CopyFile(), Encode(snapshot)).Ok();
}

void TRecoveryKeeper::Remove() {
  timer_.stop();
  QFile::remove(CopyFile());
}

std::vector<TRecoveryKeeper::TOrphan> TRecoveryKeeper::TakeOrphans() {
  std::vector<TOrphan> orphans;
  const QFileInfoList copies = QDir(folder_).entryInfoList({QStringLiteral("recovery-*.rec")}, QDir::Files, QDir::Time | QDir::Reversed);
  for (const QFileInfo& info : copies) {
    const QString copy = info.absoluteFilePath();
    if (copy == QFileInfo(CopyFile()).absoluteFilePath()) continue;
    auto lock = std::make_unique<QLockFile>(LockFileOf(copy));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) continue;  // its program still runs
    TOrphan orphan{copy, {}};
    QByteArray bytes;
    if (ReadCopy(copy, bytes) && Decode(bytes, orphan.Snapshot)) {
      orphans.push_back(std::move(orphan));
      adopted_.push_back(std::move(lock));  // held until dropped, so a second program never offers it too
      continue;
    }
    QFile::remove(copy);
  }
  return orphans;
}

void TRecoveryKeeper::DropOrphan(const TOrphan& orphan) {
  QFile::remove(orphan.CopyFile);
  const QString lockFile = LockFileOf(orphan.CopyFile);
  std::erase_if(adopted_, [&](const std::unique_ptr<QLockFile>& lock) { return lock->fileName() == lockFile; });
}

QByteArray TRecoveryKeeper::Encode(const TRecoverySnapshot& snapshot) {
  QByteArray out(kMagic.data(), kMagic.size());
  out += "file " + snapshot.PaletteFileName.toUtf8().toBase64() + '\n';
  out += QByteArray("modified ") + (snapshot.PaletteModified ? "1" : "0") + '\n';
  out += "time " + snapshot.Time.toString(Qt::ISODate).toLatin1() + '\n';
  out += "base " + QByteArray::number(snapshot.BaseColor, 16) + '\n';
  out += "history";
  for (TColor color : snapshot.History) out += ' ' + QByteArray::number(color, 16);
  out += '\n';
  if (!snapshot.Settings.isEmpty()) out += "settings " + EncodeSettings(snapshot.Settings).toBase64() + '\n';
  out += kPaletteMark.toByteArray();
  out += EncodePaletteData(snapshot.Entries);
  return out;
}

bool TRecoveryKeeper::Decode(QByteArrayView bytes, TRecoverySnapshot& snapshot) {
  if (!bytes.startsWith(kMagic)) return false;
  const qsizetype mark = QByteArrayView(bytes).indexOf(kPaletteMark);
  if (mark < 0) return false;
  TRecoverySnapshot read;
  const QList<QByteArray> lines = bytes.sliced(kMagic.size(), mark - kMagic.size()).toByteArray().split('\n');
  bool ok = true;
  for (const QByteArray& line : lines) {
    const qsizetype space = line.indexOf(' ');
    const QByteArray key = space < 0 ? line : line.left(space);
    const QByteArray value = space < 0 ? QByteArray() : line.mid(space + 1);
    if (key == "file") {
      read.PaletteFileName = QString::fromUtf8(QByteArray::fromBase64(value));
    } else if (key == "modified") {
      read.PaletteModified = value == "1";
    } else if (key == "time") {
      read.Time = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODate);
    } else if (key == "base") {
      read.BaseColor = value.toUInt(&ok, 16);
    } else if (key == "settings") {
      ok = DecodeSettings(QByteArray::fromBase64(value), read.Settings);
    } else if (key == "history") {
      for (const QByteArray& item : value.split(' ')) {
        if (item.isEmpty()) continue;
        bool itemOk = false;
        read.History.push_back(item.toUInt(&itemOk, 16));
        ok = ok && itemOk;
      }
    }
    if (!ok) return false;
  }
  if (!read.Time.isValid()) return false;
  if (!ParsePaletteData(bytes.sliced(mark + kPaletteMark.size()), read.Entries).Ok()) return false;
  snapshot = std::move(read);
  return true;
}

}  // namespace tintorium
