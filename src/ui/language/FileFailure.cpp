#include "ui/language/FileFailure.h"

#include "engine/files/FileResult.h"
#include "engine/formats/ColorListFiles.h"
#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/OfficeColorTable.h"
#include "engine/formats/ScribusSwatches.h"
#include "engine/formats/SwatchExchangeFile.h"
#include "engine/formats/SwatchFiles.h"
#include "engine/language/Messages.h"
#include "ui/language/MessageSeam.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <array>
#include <utility>

namespace tintorium {
namespace {

// The readers' English texts (with %1, %2 for their figures) and the message that says the same in the user's
// language.
const std::array<std::pair<const char*, TMessageKey>, 16> kReaderTexts{{
    {kUnsupportedAcoText, sErrAcoVersion},
    {kTruncatedText, sErrTruncated},
    {kTooManyAcoText, sErrTooManyAco},
    {kGplHeaderText, sErrGplHeader},
    {kGplRowText, sErrGplRow},
    {kSocRootText, sErrSocRoot},
    {kSocColorText, sErrSocColor},
    {kXmlBrokenText, sErrXmlBroken},
    {kAseSignatureText, sErrAseSignature},
    {kAseVersionText, sErrAseVersion},
    {kAseBlockText, sErrAseBlock},
    {kAseModelText, sErrAseModel},
    {kAseNumberText, sErrAseNumber},
    {kColorListLineText, sErrColorListLine},
    {kScribusRootText, sErrScribusRoot},
    {kScribusColorText, sErrScribusColor},
}};

// The reader's text in the user's language, when it is one of kReaderTexts.
QString TranslatedReaderText(const QString& text) {
  for (const auto& [english, key] : kReaderTexts) {
    QString pattern = QRegularExpression::escape(QString::fromLatin1(english));
    pattern.replace(QRegularExpression(QStringLiteral(R"(\\%\d)")), QStringLiteral("(.*)"));
    const QRegularExpressionMatch match =
        QRegularExpression(QRegularExpression::anchoredPattern(pattern), QRegularExpression::DotMatchesEverythingOption)
            .match(text);
    if (!match.hasMatch()) continue;
    switch (match.lastCapturedIndex()) {
      case 0: return Message(key);
      case 1: return FormatMessage(key, {match.captured(1)});
      default: return FormatMessage(key, {match.captured(1), match.captured(2)});
    }
  }
  return {};
}

bool IsGenericFailure(const TFileResult& result) {
  const QString& key = result.MessageKey();
  return key == QLatin1String(kCantOpenKey) || key == QLatin1String(kCantSaveKey) ||
         key == QLatin1String(kFileNotFoundKey) || (key.isEmpty() && result.Message().isEmpty());
}

QString ShownName(const QString& fileName) {
  const QUrl url(fileName);
  if (url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1 && !url.isLocalFile()) return fileName;
  return QDir::toNativeSeparators(fileName);
}

}  // namespace

QString FailureReason(const QString& fileName, const TFileResult& result, bool reading) {
  if (result.Ok()) return {};
  if (IsGenericFailure(result)) {
    const QFileInfo info(fileName);
    if (reading && !info.exists()) return Message(sReasonMissing);
    if (info.isDir()) return Message(sReasonFolder);
    if (reading && !info.isReadable()) return Message(sReasonNoAccess);
    return Message(reading ? sReasonNotReadable : sReasonNotWritable);
  }
  if (const TMessageKey key = FindMessageKey(result.MessageKey()); key != kMessageCount) return Message(key);
  if (QString translated = TranslatedReaderText(result.Message()); !translated.isEmpty()) return translated;
  return result.Message();
}

QString ReadFailureText(const QString& fileName, const TFileResult& result) {
  return FormatMessage(sReadFailed, {ShownName(fileName), FailureReason(fileName, result, true)});
}

QString SaveFailureText(const QString& fileName, const TFileResult& result) {
  return FormatMessage(sSaveFailed, {ShownName(fileName), FailureReason(fileName, result, false)});
}

void ShowReadFailure(const QString& fileName, const TFileResult& result) {
  ShowMessageBox(ReadFailureText(fileName, result), mfError);
}

void ShowSaveFailure(const QString& fileName, const TFileResult& result) {
  ShowMessageBox(SaveFailureText(fileName, result), mfError);
}

}  // namespace tintorium
