#pragma once
// Files other programs ship, for tests that read them: taken from the system when the package is installed,
// else from a cache under the build folder, filled once by `apt-get download` and `dpkg -x`. Empty when no
// package can be had (no apt, no network): the caller skips with a visible message.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStandardPaths>

namespace tintorium::test {

/// The folder `path` (absolute, as installed) of Debian package `package`, or empty.
inline QString PackageFolder(const QString& package, const QString& path) {
  if (QFileInfo(path).isDir() && !QDir(path).isEmpty()) return path;
  const QString cache = QStringLiteral(TINTORIUM_BINARY_DIR "/package-files/") + package;
  const QString cached = cache + QStringLiteral("/root") + path;
  if (QFileInfo(cached).isDir()) return cached;
  if (QStandardPaths::findExecutable(QStringLiteral("apt-get")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("dpkg")).isEmpty()) {
    return {};
  }
  QDir().mkpath(cache);
  QProcess download;
  download.setWorkingDirectory(cache);
  download.start(QStringLiteral("apt-get"), {QStringLiteral("download"), package});
  if (!download.waitForFinished(180000) || download.exitCode() != 0) return {};
  const QStringList debs = QDir(cache).entryList({package + QStringLiteral("_*.deb")}, QDir::Files);
  if (debs.isEmpty()) return {};
  QProcess unpack;
  unpack.start(QStringLiteral("dpkg"), {QStringLiteral("-x"), QDir(cache).filePath(debs.first()), cache + QStringLiteral("/root")});
  if (!unpack.waitForFinished(180000) || unpack.exitCode() != 0) return {};
  return QFileInfo(cached).isDir() ? cached : QString();
}

}  // namespace tintorium::test
