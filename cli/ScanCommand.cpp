#include "ScanCommand.h"

#include "HeadlessApp.h"
#include "interchange/UrlFetch.h"
#include "interchange/WebScan.h"

#include <QFileInfo>
#include <QString>

#include <string>

namespace tintorium::cli {
namespace {

constexpr const char* Help =
    "Usage: tintorium-cli scan FILE|ADDRESS\n"
    "\n"
    "Prints the colours a web page or style sheet writes with \"#\", one six-digit\n"
    "hexadecimal text per line, in order, duplicates kept, letter case as written\n"
    "(\"#fff\" gives fff written twice per digit: ffffff). Any file is read as text;\n"
    "an ADDRESS containing http:// or starting with https:// is fetched first\n"
    "(redirects followed, never from https:// down to http://).\n"
    "\n"
    "Exit status: 0 done, 1 the file could not be read or fetched, 2 bad arguments.\n";

std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }

int Failure(const TCliIO& io, const QString& source, const QString& message) {
  std::fprintf(io.err, "tintorium-cli scan: %s: %s\n", Utf8(source).c_str(), Utf8(message).c_str());
  return ExitFailure;
}

}  // namespace

int RunScanCommand(const TCliArgs& args, const TCliIO& io) {
  if (WantsHelp(args)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) {
    std::fputs("tintorium-cli scan: expected one FILE or ADDRESS\nTry 'tintorium-cli scan --help'.\n", io.err);
    return ExitUsage;
  }
  const THeadlessApp app;
  const QString source = QString::fromUtf8(args[0].data(), static_cast<qsizetype>(args[0].size()));
  TUrlDownload download;
  QString file = source;
  if (IsWebAddress(source)) {
    download = FetchUrl(source);
    if (!download.Ok()) return Failure(io, source, download.Status().Message());
    file = download.FileName();
  } else if (!QFileInfo::exists(file)) {
    return Failure(io, source, QString::fromLatin1(kFileNotFoundText));
  }
  // Printed as found, so a file of any size takes no more memory than one block.
  const TFileResult scanned = ScanTextColorsFile(
      file, [&io](const QString& color) { std::fprintf(io.out, "%s\n", color.toLatin1().constData()); });
  return scanned.Ok() ? ExitOk : Failure(io, source, scanned.Message());
}

}  // namespace tintorium::cli
