#pragma once
// The program-wide message texts: built-in English defaults, replaced by a language file's Global section.
//
// Language files are not ours, so a message text is never handed to a printf-style formatter. Use
//   Message(sCantOpen)                       for a text without placeholders,
//   FormatMessage(sPalCount, {count})        for a text with %d, %s or %f,
// and nothing else: both render through our own formatter ("%%" is a literal percent sign; %f shows two
// decimals with the decimal sign of the language in use, LanguageLocale.h). A translated text is accepted only when its placeholders are
// exactly the default text's, in the same order; otherwise the default text is kept.

#include <QList>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <type_traits>

namespace tintorium {

struct TLanguageEntry;

enum TMessageKey : int {
  sScreenPickTip,
  sScreenPickUnavailable,
  sColorIsWS,
  sColorNoWS,
  sColorIsWSm,
  sColorNoWSm,
  sFileNotFound,
  sLangLoadFail,
  sConnFail,
  sCantCreate,
  sCantSave,
  sCantOpen,
  sSaveChangesPromt,
  sErrLoadThemes,
  sLibraryNotExists,
  sbNext,
  sbFinish,
  lTotalImported,
  lExported,
  txtExportYes,
  txtExportNo,
  sChooseExportFile,
  sBrightDiff,
  sColorDiff,
  sContrastRatio,
  sLibCount,
  sPalCount,
  // Undo and redo of palette edits: the two captions with the step's name, and the steps' names.
  sPalUndo,
  sPalRedo,
  sPalEditAdd,
  sPalEditAddMany,
  sPalEditImport,
  sPalEditDrop,
  sPalEditEdit,
  sPalEditDelete,
  sPalEditDedupe,
  sPalEditConvert,
  sPalEditMove,
  sPalEditSort,
  // File dialog filters: the description only; the patterns are added by the program.
  sFilterAllPalettes,
  sFilterPalette,
  sFilterAco,
  sFilterAct,
  sFilterGpl,
  sFilterAse,
  sFilterSoc,
  sFilterScribus,
  sFilterHex,
  // The library open dialog's filter.
  sFilterLibrary,
  sOverwritePrompt,
  sKeptPaletteDamaged,
  // The start after an unclean end: the recovery copy's palette name and time.
  sRecoveryOffer,
  // The default cell of the mixer's corner pickers.
  sCornerBaseColor,
  // The print window: its page count, the page hint of its scroll bar, the wheel cards' names, a failed print.
  sPrintPages,
  sPrintPageHint,
  sPrintWheelCard,
  sPrintFailed,
  // The export wizard's final page when the writer failed: the reason.
  txtExportFailed,
  // The APCA figure of a pair and its readability levels by |Lc|, in the order of TApcaLevel.
  sApcaContrast,
  sApcaLevel0,
  sApcaLevel1,
  sApcaLevel2,
  sApcaLevel3,
  sApcaLevel4,
  sApcaLevel5,
  sApcaLevel6,
  // The help viewer: a link nothing on the system opens, a word the guide does not hold, a missing guide.
  sHelpLinkNoHandler,
  sHelpNotFound,
  sHelpMissing,
  // The offer after an unclean end: its two buttons.
  sRecoveryRestore,
  sRecoveryDiscard,
  // A file that could not be read or written: the file's name and the reason.
  sReadFailed,
  sSaveFailed,
  // Reasons of a failed read or write found from the file itself.
  sReasonMissing,
  sReasonFolder,
  sReasonNoAccess,
  sReasonNotReadable,
  sReasonNotWritable,
  // The readers' reasons: what is wrong with the file.
  sErrAcoVersion,
  sErrTruncated,
  sErrTooManyAco,
  sErrGplHeader,
  sErrGplRow,
  sErrSocRoot,
  sErrSocColor,
  sErrXmlBroken,
  sErrAseSignature,
  sErrAseVersion,
  sErrAseBlock,
  sErrAseModel,
  sErrAseNumber,
  sErrColorListLine,
  sErrScribusRoot,
  sErrScribusColor,
  // Save back into another program's swatch file that cannot hold the whole palette: the question (format,
  // what is lost) and the losses it lists.
  sSaveLossy,
  sLossNames,
  sLossCount,
  sLossModels,
  // The palette contrast window: the tooltip of a pair, the badges, the summary, the suggestion, saving.
  sMatrixTipPair,
  sMatrixTipRatio,
  sMatrixLarge,
  sMatrixFail,
  sMatrixSummary,
  sMatrixFix,
  sMatrixNoFix,
  sMatrixMeets,
  sFilterCsv,
  sFilterMarkdown,
  sFilterHtmlPage,
  sMatrixSaveFailed,
  // Colors from Image: the picture's file name under it, and a picture that could not be read.
  sCFIFileName,
  sCFILoadFail,
  // The print window's count of a single page ("%d page"; sPrintPages is the plural).
  sPrintPage,
  // File choosers' titles where the command's own name does not fit.
  sDlgOpen,
  sDlgSaveAs,
  kMessageCount
};

/// One argument of a message: a whole number for %d, a text for %s, a real number for %f.
class TMessageArg {
 public:
  template <typename T>
    requires std::is_integral_v<T>
  TMessageArg(T v) : value_(static_cast<qlonglong>(v)) {}
  template <typename T>
    requires std::is_floating_point_v<T>
  TMessageArg(T v) : value_(static_cast<double>(v)) {}
  TMessageArg(const QString& v) : value_(v) {}
  TMessageArg(const char* v) : value_(QString::fromUtf8(v)) {}
  const QVariant& Value() const { return value_; }

 private:
  QVariant value_;
};

/// The current text with "%%" shown as "%"; for texts without placeholders.
QString Message(TMessageKey key);
/// The current text with its placeholders filled from `args` in order (a missing argument shows nothing).
QString FormatMessage(TMessageKey key, std::initializer_list<TMessageArg> args);

/// A count with its noun: `one` when `count` is 1, `many` otherwise ("1 page", "2 pages").
QString CountMessage(TMessageKey one, TMessageKey many, long long count);

/// A file chooser's filter: the (translatable) description `key` with `patterns` ("*.tnp") in brackets after
/// it. Patterns are never taken from a language file, so a translation cannot change what the chooser lists.
QString FilterText(TMessageKey key, const QString& patterns);

/// The language-file key ("" for a fixed text no language file can change) and the built-in English text.
QString MessageKeyName(TMessageKey key);
QString DefaultMessageText(TMessageKey key);
/// The current raw template, placeholders unfilled (for inspection and tests; render with FormatMessage).
QString MessageTemplate(TMessageKey key);
/// The message whose key is exactly `name` (case-sensitive), or kMessageCount.
TMessageKey FindMessageKey(const QString& name);

/// Whether `text` has exactly the placeholders of `defaultText` (%d, %s, %f in the same order, "%%" free)
/// and no other "%" sequence.
bool PlaceholdersMatch(const QString& text, const QString& defaultText);

/// Replaces one message; an empty text, or one whose placeholders do not match, restores the default.
/// Returns whether `text` was taken.
bool SetMessageText(TMessageKey key, const QString& text);
/// Applies a Global section: exact keys only; unknown keys and the fixed texts are ignored.
void ApplyMessageEntries(const QList<TLanguageEntry>& entries);
/// Back to the built-in English texts and English number format.
void ResetMessages();

}  // namespace tintorium
