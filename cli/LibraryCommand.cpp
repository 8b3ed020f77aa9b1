#include "LibraryCommand.h"

#include "ColorLines.h"
#include "HeadlessApp.h"
#include "engine/library/LibraryFile.h"
#include "engine/library/LibraryFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <string>

namespace tintorium::cli {
namespace {

constexpr const char* Help =
    "Usage: tintorium-cli library list [--json]\n"
    "       tintorium-cli library show NAME [--json]\n"
    "\n"
    "  list   the library folders, in the order the program lists them (the shipped\n"
    "         libraries, then your own in the user data folder), each followed by its\n"
    "         libraries: every .aco, then .act, .tnp, .gpl and .ase file. A name an\n"
    "         earlier folder already has is marked \"(hidden)\"; a folder that does not\n"
    "         exist is marked \"(missing)\"\n"
    "  show   one line per colour of a library, as 'palette show' prints them. NAME is a\n"
    "         library's file name as 'list' prints it, or a path holding '/'\n"
    "  --json prints one JSON object; list: {\"folders\": an array of {\"path\",\n"
    "         \"present\", \"libraries\": an array of {\"name\", \"hidden\"}}}; show:\n"
    "         {\"library\" (its path), \"colors\": an array of {\"name\", \"model\",\n"
    "         \"values\", \"rgb\", \"hex\"}}\n"
    "\n"
    "Exit status: 0 done, 1 the library could not be read, 2 bad arguments.\n";

std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }

int Usage(const TCliIO& io, const std::string& message) {
  std::fprintf(io.err, "tintorium-cli library: %s\nTry 'tintorium-cli library --help'.\n", message.c_str());
  return ExitUsage;
}

int ListJson(const TCliIO& io) {
  QStringList listed;
  TJsonWriter json;
  json.BeginObject().Key("folders").BeginArray();
  for (const QString& folder : LibraryFolders()) {
    json.BeginObject()
        .Member("path", Utf8(QDir::cleanPath(folder)))
        .Member("present", QFileInfo(folder).isDir())
        .Key("libraries")
        .BeginArray();
    for (const QString& name : ListLibraries(folder)) {
      const bool hidden = listed.contains(name, Qt::CaseInsensitive);
      json.BeginObject().Member("name", Utf8(name)).Member("hidden", hidden).EndObject();
      if (!hidden) listed += name;
    }
    json.EndArray().EndObject();
  }
  json.EndArray().EndObject().WriteLine(io.out);
  return ExitOk;
}

int List(const TCliIO& io) {
  QStringList listed;
  for (const QString& folder : LibraryFolders()) {
    const bool present = QFileInfo(folder).isDir();
    std::fprintf(io.out, "%s%s\n", Utf8(QDir::cleanPath(folder)).c_str(), present ? "" : " (missing)");
    for (const QString& name : ListLibraries(folder)) {
      const bool hidden = listed.contains(name, Qt::CaseInsensitive);
      std::fprintf(io.out, "\t%s%s\n", OneLine(name).c_str(), hidden ? " (hidden)" : "");
      if (!hidden) listed += name;
    }
  }
  return ExitOk;
}

int Show(const QString& name, bool asJson, const TCliIO& io) {
  const QString path = LibraryPath(LibraryFolders(), name);
  const TReadResult<TColors> read = LoadLibraryFile(path);
  if (asJson) {
    TJsonWriter json;
    json.BeginObject().Member("library", Utf8(path)).Key("colors").BeginArray();
    for (const TColorObjectFx& color : read.Value) WriteColorJson(json, QString::fromStdU16String(color.Name()), color);
    json.EndArray().EndObject().WriteLine(io.out);
  } else {
    for (const TColorObjectFx& color : read.Value) PrintColorLine(io, QString::fromStdU16String(color.Name()), color);
  }
  if (read.Ok()) return ExitOk;
  std::fprintf(io.err, "tintorium-cli library: %s: %s\n", Utf8(path).c_str(), Utf8(read.Status.Message()).c_str());
  return ExitFailure;
}

}  // namespace

int RunLibraryCommand(const TCliArgs& raw, const TCliIO& io) {
  if (WantsHelp(raw)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  bool json = false;
  const TCliArgs args = WithoutFlag(raw, "--json", json);
  if (args.empty()) return Usage(io, "missing action (list or show)");
  const THeadlessApp app;
  if (args[0] == "list") return args.size() == 1 ? (json ? ListJson(io) : List(io)) : Usage(io, "usage: tintorium-cli library list");
  if (args[0] == "show") {
    if (args.size() != 2) return Usage(io, "usage: tintorium-cli library show NAME");
    return Show(QString::fromUtf8(args[1].data(), static_cast<qsizetype>(args[1].size())), json, io);
  }
  return Usage(io, "unknown action '" + std::string(args[0]) + "'");
}

}  // namespace tintorium::cli
