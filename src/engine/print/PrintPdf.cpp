#include "engine/print/PrintPdf.h"

#include "engine/print/PrintLayout.h"
#include "engine/print/PrintPainter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace tintorium {

TFileResult WritePrintPdf(const QString& fileName, const TPrintCards& cards, const QPageSize& pageSize,
                          const QString& title) {
  if (cards.empty()) return TFileResult::Failure(QStringLiteral("There are no colors to print."));
  QSaveFile file(fileName);
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) return TFileResult::CantSave();

  QPdfWriter writer(&file);
  writer.setResolution(kPdfDpi);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Tintorium"));
  writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  const TPrintLayout layout(int(cards.size()),
                            PrintPageGeometry(pageSize.sizePixels(kPdfDpi), kPdfDpi, QMargins()));
  QPainter painter;
  if (!painter.begin(&writer)) {
    file.cancelWriting();
    return TFileResult::CantSave();
  }
  for (int page = 0; page < layout.PageCount(); ++page) {
    if (page > 0) writer.newPage();
    PaintPrintPage(painter, cards, layout, page);
  }
  painter.end();
  if (file.error() != QFileDevice::NoError || !file.commit()) return TFileResult::CantSave();
  return {};
}

}  // namespace tintorium
