#pragma once
// Reads a PDF back the way a user's tools do: pdfinfo for its pages, pdftoppm for how a page looks.

#include "engine/print/PrintLayout.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

namespace tintorium::test {

/// The "Pages:" pdfinfo reports; -1 when pdfinfo cannot read the file.
inline int PdfPageCount(const QString& pdf) {
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  if (!info.waitForFinished(30000) || info.exitStatus() != QProcess::NormalExit || info.exitCode() != 0) return -1;
  const auto match = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
                         .match(QString::fromUtf8(info.readAllStandardOutput()));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

/// Page `page` (1-based) rendered by pdftoppm at `dpi`; a null image when it cannot be rendered.
inline QImage RenderPdfPage(const QString& pdf, int page, int dpi) {
  QTemporaryDir dir;
  const QString stem = dir.filePath(QStringLiteral("page"));
  QProcess render;
  render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                            QString::number(page), QStringLiteral("-l"), QString::number(page),
                                            QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, stem});
  if (!render.waitForFinished(60000) || render.exitCode() != 0) return {};
  return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

/// Where the middle of card `card`'s swatch lands on a page of `layout` rendered at `dpi`.
inline QPoint SwatchCentre(const TPrintLayout& layout, int card, int dpi) {
  const QRectF rect = layout.CardRect(card);
  const double scale = double(dpi) / layout.Geometry().Dpi;
  const double pixel = rect.width() / 210.0;  // the card's design pixel in dots
  return QPointF((rect.left() + 25 * pixel) * scale, (rect.top() + 25 * pixel) * scale).toPoint();
}

/// Whether two colours differ by at most `tolerance` in each channel (renderers round differently).
inline bool Near(QRgb a, QRgb b, int tolerance = 3) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace tintorium::test
