#include "engine/language/Messages.h"

#include "engine/language/LanguageFile.h"
#include "engine/language/LanguageLocale.h"

#include <array>
#include <optional>

namespace tintorium {
namespace {

struct TMessageDef {
  const char* key;  // nullptr: fixed text without a key
  const char* text;
};

// In the order of TMessageKey.
constexpr std::array<TMessageDef, kMessageCount> kMessages = {{
    {"sScreenPickTip", "Use +/- or mouse wheel for zoom"},
    {"sScreenPickUnavailable",
     "Screen picking needs an X11 session or a desktop portal (xdg-desktop-portal) that offers screenshots or "
     "color picking. Neither is available here."},
    {"sColorIsWS", "Color is Web Safe"},
    {"sColorNoWS", "Color is not Web Safe!"},
    {"sColorIsWSm", "Color is Web Smart"},
    {"sColorNoWSm", "Color is not Web Smart!"},
    {"sFileNotFound", "File not found"},
    {"sLangLoadFail", "Fail to load language file"},
    {"sConnFail", "Connection failed"},
    {"sCantCreate", "Could not create file!"},
    {"sCantSave", "Could not save file!"},
    {"sCantOpen", "Could not read file!"},
    {"sSaveChangesPromt", "File was modified. Save changes?"},
    {"sErrLoadThemes", "Cannot load interface themes"},
    {"sLibraryNotExists", "Selected library does not exists!"},
    {"sbNext", "Next >>"},
    {"sbFinish", "Finish"},
    {"lTotalImported", "Total imported %d"},
    {"lExported", "%d colors available"},
    {"txtExportYes", "Export was successfully completed! Press \"Finish\" to close wizard window."},
    {"txtExportNo",
     "Export was failed. Maybe, you have set indeterminate file type in the Path file field. Press \"Finish\" "
     "to close wizard window and repeat procedure."},
    {"sChooseExportFile", "Choose output filename, please"},
    {"sBrightDiff", "Brightness difference = %d (min 125)"},
    {"sColorDiff", "Color difference = %d (min 500)"},
    {"sContrastRatio", "Contrast ratio = %f : 1"},
    {"sLibCount", "Count: %d"},
    {"sPalCount", "Colors in palette: %d"},
    {"sPalUndo", "Undo %s"},
    {"sPalRedo", "Redo %s"},
    {"sPalEditAdd", "Add Color"},
    {"sPalEditAddMany", "Add Colors"},
    {"sPalEditImport", "Import"},
    {"sPalEditDrop", "Drop Color"},
    {"sPalEditEdit", "Edit Color"},
    {"sPalEditDelete", "Delete Color"},
    {"sPalEditDedupe", "Remove Duplicates"},
    {"sPalEditConvert", "Convert Values"},
    {"sPalEditMove", "Move Color"},
    {"sPalEditSort", "Sort Palette"},
    {"sFilterAllPalettes", "All supported palettes"},
    {"sFilterPalette", "Tintorium Palette"},
    {"sFilterAco", "Adobe Photoshop Color Palette"},
    {"sFilterAct", "Adobe Color Table"},
    {"sFilterGpl", "GIMP Palette"},
    {"sFilterAse", "Adobe Swatch Exchange"},
    {"sFilterSoc", "LibreOffice Color Table"},
    {"sFilterScribus", "Scribus Swatches"},
    {"sFilterHex", "Hex Color List"},
    {"sFilterLibrary", "Library"},
    {"sOverwritePrompt", "%s already exists. Do you want to replace it?"},
    {"sKeptPaletteDamaged",
     "The palette kept from the last session could not be read. It was set aside as %s and a new palette is "
     "open."},
    {"sRecoveryOffer",
     "Tintorium did not end properly last time. A recovery copy of the palette %s from %s was kept. "
     "Restore it, or discard it for good?"},
    {"sCornerBaseColor", "Base Color"},
    {"sPrintPages", "%d pages"},
    {"sPrintPageHint", "Page %d"},
    {"sPrintWheelCard", "Color Wheel #%d"},
    {"sPrintFailed", "The scheme could not be printed."},
    {"txtExportFailed", "Export failed (%s). Press \"Finish\" to close wizard window and repeat procedure."},
    {"sApcaContrast", "APCA Lc = %s: %s"},
    {"sApcaLevel0", "not readable"},
    {"sApcaLevel1", "barely visible"},
    {"sApcaLevel2", "spot text and non-text"},
    {"sApcaLevel3", "large or heavy text"},
    {"sApcaLevel4", "other content text"},
    {"sApcaLevel5", "minimum body text"},
    {"sApcaLevel6", "preferred body text"},
    {"sHelpLinkNoHandler", "Nothing on this computer can open the link %s. Copy it into a program that can."},
    {"sHelpNotFound", "\"%s\" is not in the guide."},
    {"sHelpMissing", "The user guide %s is missing."},
    {"sRecoveryRestore", "Restore"},
    {"sRecoveryDiscard", "Discard"},
    {"sReadFailed", "Could not read %s: %s"},
    {"sSaveFailed", "Could not save %s: %s"},
    {"sReasonMissing", "the file does not exist."},
    {"sReasonFolder", "it is a folder, not a file."},
    {"sReasonNoAccess", "you have no permission to read it."},
    {"sReasonNotReadable", "its contents are not in a format this command reads, or the file is damaged."},
    {"sReasonNotWritable", "the folder cannot be written to, or the disk is full."},
    {"sErrAcoVersion", "the swatch file is of version %s, which cannot be read: only versions 1 and 2 exist."},
    {"sErrTruncated", "the file is damaged: it ends before the data it announces."},
    {"sErrTooManyAco", "a swatch file holds at most 65535 colors; %s colors cannot be written."},
    {"sErrGplHeader", "this is not a GIMP palette: its first line is not \"GIMP Palette\"."},
    {"sErrGplRow", "line %s of the GIMP palette is not a colour: red, green and blue must be whole numbers from 0 to 255."},
    {"sErrSocRoot", "this is not a LibreOffice color table: its root is not a color-table."},
    {"sErrSocColor", "the color on line %s of the color table is not a #rrggbb color."},
    {"sErrXmlBroken", "the file is damaged: line %s is not well-formed XML (%s)."},
    {"sErrAseSignature", "this is not an Adobe Swatch Exchange file: it does not start with \"ASEF\"."},
    {"sErrAseVersion", "Adobe Swatch Exchange version %s is not supported; only version 1.0 is."},
    {"sErrAseBlock", "the file is damaged: block %s is shorter than what it holds."},
    {"sErrAseModel", "block %s holds a colour in an unknown model (\"%s\")."},
    {"sErrAseNumber", "the file is damaged: the colour in block %s has a value that is not a number."},
    {"sErrColorListLine", "line %s is not a color: it should hold %s hexadecimal digits."},
    {"sErrScribusRoot", "this is not a Scribus swatch file: its root is not SCRIBUSCOLORS."},
    {"sErrScribusColor", "the color on line %s of the swatch file has no RGB=\"#rrggbb\" or CMYK=\"#ccmmyykk\" value."},
    {"sSaveLossy",
     "%s cannot hold everything this palette holds; saving in it loses %s. Yes: Save anyway. No: Save As a "
     "Tintorium palette (.tnp). Cancel: do not save."},
    {"sLossNames", "the colors' names"},
    {"sLossCount", "the colors beyond the first %d"},
    {"sLossModels", "the CMYK, Lab and HSB models (saved as RGB)"},
    {"sMatrixTipPair", "Text %s on background %s"},
    {"sMatrixTipRatio", "Contrast ratio %s : 1 (%s)"},
    {"sMatrixLarge", "AA large"},
    {"sMatrixFail", "Fail"},
    {"sMatrixSummary", "Pairs meeting AA: %d, AAA: %d, AA large: %d, APCA Lc 60: %d, Lc 75: %d, Lc 90: %d (of %d)"},
    {"sMatrixFix", "For %s: %s, ΔE OK %s, ratio %s : 1, Lc %s"},
    {"sMatrixNoFix", "No colour of this hue meets %s on this background."},
    {"sMatrixMeets", "The pair already meets %s."},
    {"sFilterCsv", "CSV table"},
    {"sFilterMarkdown", "Markdown table"},
    {"sFilterHtmlPage", "HTML page"},
    {"sMatrixSaveFailed", "The table could not be saved: %s"},
    {"sCFIFileName", "Filename: %s"},
    {"sCFILoadFail", "Fail to load this type of image, because of incorrect file format or unknown file type."},
    {"sPrintPage", "%d page"},
    {"sDlgOpen", "Open"},
    {"sDlgSaveAs", "Save As"},
}};

// The program-wide texts; empty means the default.
std::array<QString, kMessageCount>& Overrides() {
  static std::array<QString, kMessageCount> texts;
  return texts;
}

bool ValidKey(TMessageKey key) { return key >= 0 && key < kMessageCount; }

// The placeholders of a template in order ('d', 's', 'f'); nothing when a "%" starts anything else.
std::optional<QString> Placeholders(const QString& text) {
  QString kinds;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'%') continue;
    if (++i >= text.size()) return std::nullopt;
    const QChar c = text[i];
    if (c == u'd' || c == u's' || c == u'f') {
      kinds.append(c);
    } else if (c != u'%') {
      return std::nullopt;
    }
  }
  return kinds;
}

QString Render(const QVariant& arg, QChar kind) {
  if (!arg.isValid()) return {};
  switch (kind.unicode()) {
    case u'd': return QString::number(arg.toLongLong());
    case u'f': return LanguageLocale().toString(arg.toDouble(), 'f', 2);
    default: return arg.toString();
  }
}

// Only ever called on a template whose placeholders were checked.
QString Fill(const QString& text, std::initializer_list<TMessageArg> args) {
  QString out;
  out.reserve(text.size() + 16);
  auto next = args.begin();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'%' || i + 1 >= text.size()) {
      out.append(text[i]);
      continue;
    }
    const QChar kind = text[++i];
    if (kind == u'%') {
      out.append(kind);
      continue;
    }
    out.append(Render(next != args.end() ? next->Value() : QVariant(), kind));
    if (next != args.end()) ++next;
  }
  return out;
}

}  // namespace

QString CountMessage(TMessageKey one, TMessageKey many, long long count) {
  return FormatMessage(count == 1 ? one : many, {count});
}

QString FilterText(TMessageKey key, const QString& patterns) {
  return QStringLiteral("%1 (%2)").arg(Message(key), patterns);
}

QString MessageKeyName(TMessageKey key) {
  return ValidKey(key) && kMessages[key].key ? QString::fromLatin1(kMessages[key].key) : QString();
}

QString DefaultMessageText(TMessageKey key) {
  return ValidKey(key) ? QString::fromUtf8(kMessages[key].text) : QString();
}

QString MessageTemplate(TMessageKey key) {
  if (!ValidKey(key)) return {};
  const QString& text = Overrides()[key];
  return text.isNull() ? DefaultMessageText(key) : text;
}

TMessageKey FindMessageKey(const QString& name) {
  for (int i = 0; i < kMessageCount; ++i) {
    if (kMessages[i].key && name == QLatin1String(kMessages[i].key)) return static_cast<TMessageKey>(i);
  }
  return kMessageCount;
}

bool PlaceholdersMatch(const QString& text, const QString& defaultText) {
  const auto got = Placeholders(text);
  const auto want = Placeholders(defaultText);
  return got && want && *got == *want;
}

bool SetMessageText(TMessageKey key, const QString& text) {
  if (!ValidKey(key)) return false;
  // An empty value is an untranslated line, not a wish for an empty message box.
  const bool ok = !text.isEmpty() && PlaceholdersMatch(text, DefaultMessageText(key));
  Overrides()[key] = ok ? text : QString();
  return ok;
}

void ApplyMessageEntries(const QList<TLanguageEntry>& entries) {
  for (const TLanguageEntry& entry : entries) {
    const TMessageKey key = FindMessageKey(entry.key);
    if (key != kMessageCount) SetMessageText(key, entry.value);
  }
}

void ResetMessages() {
  for (QString& text : Overrides()) text = QString();
  SetLanguageLocale({});
}

QString Message(TMessageKey key) { return FormatMessage(key, {}); }

QString FormatMessage(TMessageKey key, std::initializer_list<TMessageArg> args) {
  return Fill(MessageTemplate(key), args);
}

}  // namespace tintorium
