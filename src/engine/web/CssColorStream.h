#pragma once
// Every CSS Color 4 notation in style sheets, SCSS files and HTML pages, read in blocks of any size.

#include "engine/web/CssColorScanner.h"
#include "engine/files/FileResult.h"
#include "engine/web/HtmlStyleScanner.h"
#include "engine/web/WebScan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace tintorium {

/// How a text holds its CSS.
enum class TCssSource : std::uint8_t {
  StyleSheet,  // .css
  Scss,        // .scss
  Html,        // anything else: the <style> elements and style attributes of a page
};
TCssSource CssSourceForPath(const QString& path);

/// Finds the colours of text bytes that arrive in blocks of any size exactly as in the whole text: a colour cut
/// by a block end is found once. A byte-order mark selects UTF-8 or UTF-16 (either byte order); without one the
/// bytes are taken as they are and a name that is no valid UTF-8 is read as Latin-1. Names and notations reach
/// `found` as UTF-8.
class TCssColorStream {
 public:
  TCssColorStream(TCssColorMatchSink found, TCssSource source);
  ~TCssColorStream();

  void Feed(QByteArrayView bytes);
  void Finish();

 private:
  enum class TEncoding : std::uint8_t { Undecided, Bytes, Utf8, Utf16LE, Utf16BE };

  void Decide(QByteArrayView head);
  void FeedDecided(QByteArrayView bytes);
  void Put(char32_t unit);
  void Found(TCssColorMatch match) const;

  TCssColorMatchSink found_;
  TCssSource source_;
  TEncoding encoding_ = TEncoding::Undecided;
  QByteArray head_;  // the first bytes while there are too few to tell a byte-order mark
  int oddByte_ = -1;  // the first byte of a UTF-16 unit that a block end cut in two
  std::unique_ptr<TCssColorScanner> css_;
  std::unique_ptr<THtmlStyleScanner> html_;
};

/// The colours of the whole of `bytes`, in order.
std::vector<TCssColorMatch> ScanCssColorsInBytes(QByteArrayView bytes, TCssSource source);

/// Scans the file `fileName` as CssSourceForPath says, in blocks of `blockSize` bytes, handing each colour to
/// `found` as it is found. Failures as ScanTextColorsFile's: a missing file gives nothing and success, a file
/// that cannot be read "Could not read file!", a pipe or device is read up to 64 MiB.
TFileResult ScanCssColorsFile(const QString& fileName, const TCssColorMatchSink& found,
                              qsizetype blockSize = kScanBlockSize);

}  // namespace tintorium
