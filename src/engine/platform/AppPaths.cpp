#include "engine/platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tintorium {
namespace {

QString& DataOverride() {
  static QString folder;
  return folder;
}

QString WithSlash(QString folder) {
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

bool HoldsData(const QString& folder) {
  return QFileInfo(folder + QStringLiteral("Language")).isDir() || QFileInfo(folder + QStringLiteral("Palettes")).isDir() ||
         QFileInfo(folder + QStringLiteral("help")).isDir();
}

}  // namespace

void SetProgramIdentity() {
  QCoreApplication::setApplicationName(QStringLiteral("Tintorium"));
  QCoreApplication::setOrganizationName(QStringLiteral("Tintorium"));
}

QString ProgramFolder() { return WithSlash(QCoreApplication::applicationDirPath()); }

QString DataFolder() {
  if (!DataOverride().isEmpty()) return WithSlash(DataOverride());
  return DataFolderFor(ProgramFolder());
}

QString DataFolderFor(const QString& programFolder) {
  const QString program = WithSlash(programFolder);
  if (HoldsData(program)) return program;
  const QString installed = WithSlash(QDir::cleanPath(program + QStringLiteral("../share/tintorium")));
  if (HoldsData(installed)) return installed;
  // In a build tree the data sits beside the window program in bin/, which build/cli/ is a sibling of.
  const QString buildTree = WithSlash(QDir::cleanPath(program + QStringLiteral("../bin")));
  return HoldsData(buildTree) ? buildTree : program;
}

QString PalettesFolder() { return DataFolder() + QStringLiteral("Palettes/"); }
QString UserPalettesFolder() {
  return WithSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) + QStringLiteral("Palettes/");
}

QString TemplatesFolder() { return DataFolder() + QStringLiteral("Templates/"); }
QString UserTemplatesFolder() {
  return WithSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) + QStringLiteral("Templates/");
}
QString HelpFile(const QString& language) {
  const QString data = DataFolder();
  // Only a plain code names a folder: a language file cannot point the guide elsewhere.
  static const QRegularExpression kCode(QStringLiteral("^[A-Za-z]{2,3}$"));
  if (kCode.match(language).hasMatch()) {
    const QString translated = data + QStringLiteral("help/") + language.toLower() + QStringLiteral("/index.html");
    if (QFileInfo(translated).isFile()) return translated;
  }
  return data + QStringLiteral("help/index.html");
}

QString TempFolder() {
  QString folder = QDir::tempPath();
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  return folder;
}

QString LastPaletteFile() {
  return WithSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) + QStringLiteral("lastcolors.tnp");
}

void SetDataFolderOverride(const QString& folder) { DataOverride() = folder; }

}  // namespace tintorium
