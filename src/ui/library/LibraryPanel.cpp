#include "ui/library/LibraryPanel.h"

#include "ui/language/FileFailure.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorLibTable.h"
#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "ui/language/MessageSeam.h"
#include "engine/formats/FormatRegistry.h"
#include "engine/language/Messages.h"
#include "ui/library/LibraryCombo.h"
#include "engine/library/LibraryFile.h"
#include "engine/library/LibraryFolder.h"
#include "ui/workspace/Workspace.h"

#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace tintorium {
namespace {

// Our own palette file shows what it read before a damage; other formats show nothing then.
bool IsPaletteFile(const QString& path) {
  const TFileFormat* format = PaletteFormatForPath(path);
  return format != nullptr && (format->Flags & fNative) != 0;
}

bool IsLibraryFile(const QString& path) { return IsLibraryFileName(path); }

/// One six-digit hex text per colour, one a line.
QString ColorsText(const TColors& colors) {
  QString text;
  text.reserve(qsizetype(colors.size()) * 8);
  for (const TColorObjectFx& color : colors) {
    text += QString::fromStdString(HexText(ColorToRGBValues(color.GetColor())));
    text += QStringLiteral("\r\n");
  }
  return text;
}

}  // namespace

TLibraryPanel::TLibraryPanel(TWorkspace& workspace, const QStringList& folders, QWidget* parent)
    : QWidget(parent), workspace_(workspace), folders_(folders), cboLib_(new QComboBox(this)),
      ctLib_(new TColorLibTable(this)) {
  setObjectName(QStringLiteral("panLibrary"));
  cboLib_->setObjectName(QStringLiteral("cboLib"));
  cboLib_->setMaxVisibleItems(20);
  cboLib_->installEventFilter(this);
  ctLib_->setObjectName(QStringLiteral("ctLib"));
  ctLib_->SetCellStyle(csCorel);
  ctLib_->setMinimumSize(60, 40);
  ctLib_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(3);
  layout->addWidget(cboLib_);
  layout->addWidget(ctLib_, 1);

  connect(cboLib_, &QComboBox::currentIndexChanged, this, &TLibraryPanel::ShowSmallLibrary);
  ConnectTable();
}

TLibraryPanel::~TLibraryPanel() = default;


void TLibraryPanel::Start(const QString& remembered) {
  ListLibraries(folders_, *cboLib_);
  if (SelectRememberedLibrary(*cboLib_, remembered)) ShowSmallLibrary();
}

QString TLibraryPanel::SelectedLibrary() const { return tintorium::SelectedLibrary(*cboLib_); }

void TLibraryPanel::ShowSmallLibrary() {
  const QString name = SelectedLibrary();
  if (name.isEmpty()) return;
  const QString path = LibraryPath(folders_, name);
  if (!IsLibraryFile(path)) {
    ctLib_->SetColorsText(QString());
    return;
  }
  const TReadResult<TColors> read = LoadLibraryFile(path);
  if (read.Ok() || IsPaletteFile(path)) ctLib_->SetColorsText(ColorsText(read.Value));
  if (!read.Ok()) ShowReadFailure(path, read.Status);
}

void TLibraryPanel::ConnectTable() {
  connect(ctLib_, &TColorLibTable::OnMouseMove, this, [this] {
    if (ctLib_->HoverIndex() >= 0)
      workspace_.ShowColorUnderCursor(ctLib_->HoverColor());
    else
      workspace_.ClearColorUnderCursor();
  });
  connect(ctLib_, &TColorLibTable::OnMouseLeave, this, [this] { workspace_.ClearColorUnderCursor(); });
  // Only a left click applies, and only on the swatch under both the press and the release.
  connect(ctLib_, &TColorLibTable::OnMouseUp, this, [this] {
    if (ctLib_->ClickedCell() >= 0) PickSelected();
  });
  connect(ctLib_, &TColorLibTable::OnKeyDown, this, &TLibraryPanel::ShowSelectedUnderCursor);
  connect(ctLib_, &TColorLibTable::OnKeyUp, this, [this](int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) PickSelected();
  });
}

void TLibraryPanel::PickSelected() {
  const int cell = ctLib_->SelectedCell();
  if (cell < 0 || cell >= ctLib_->Count()) return;
  workspace_.BaseColor().SetColor(ctLib_->SelectedColor(), cmRGB);
  workspace_.BaseColorChanged(ctLib_, cmRGB, true, false);
}

void TLibraryPanel::ShowSelectedUnderCursor() {
  const int cell = ctLib_->SelectedCell();
  if (cell >= 0 && cell < ctLib_->Count())
    workspace_.ShowColorUnderCursor(ctLib_->SelectedColor());
  else
    workspace_.ClearColorUnderCursor();
}

bool TLibraryPanel::eventFilter(QObject* watched, QEvent* event) {
  // Enter loads this list's own choice (again), as choosing it does.
  if (watched == cboLib_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ShowSmallLibrary();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tintorium
