#include "app/MainStatusBar.h"

#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace tintorium {

TMainStatusBar::TMainStatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("sbMain"));
  setSizeGripEnabled(true);

  colorPanel_ = new QWidget(this);
  colorPanel_->setObjectName(QStringLiteral("sbPanel0"));
  colorPanel_->setFixedWidth(175);
  auto* layout = new QHBoxLayout(colorPanel_);
  layout->setContentsMargins(2, 0, 2, 0);
  layout->setSpacing(0);
  sbImgcb_ = new QLabel(colorPanel_);
  sbImgcb_->setObjectName(QStringLiteral("sbImgcb"));
  sbImgcb_->setFixedSize(16, 16);
  sbImgcb_->hide();
  colorText_ = new QLabel(colorPanel_);
  colorText_->setObjectName(QStringLiteral("sbColorText"));
  layout->addWidget(sbImgcb_);
  layout->addWidget(colorText_, 1);
  colorPanel_->installEventFilter(this);
  colorText_->installEventFilter(this);
  sbImgcb_->installEventFilter(this);

  countText_ = new QLabel(this);
  countText_->setObjectName(QStringLiteral("sbPanel1"));
  countText_->setFixedWidth(200);
  addWidget(colorPanel_);
  addWidget(countText_);
}

void TMainStatusBar::ShowColorUnderCursor(TColor color, const QString& text) {
  const QPixmap swatch = FramedSwatchPixmap({16, 16}, PictureRatio(), ToQColor(color), Qt::black);
  sbImgcb_->setPixmap(swatch);
  sbImgcb_->show();
  colorText_->setText(text);
  // A CSS text can be longer than the model values the panel was sized for; the panel grows, never shrinks.
  const int needed = colorText_->fontMetrics().horizontalAdvance(text) + sbImgcb_->width() + 8;
  if (needed > colorPanel_->minimumWidth()) colorPanel_->setFixedWidth(needed);
}

void TMainStatusBar::ClearColorUnderCursor() {
  colorText_->clear();
  sbImgcb_->hide();
}

void TMainStatusBar::SetCountText(const QString& text) {
  if (countText_->text() != text) countText_->setText(text);
}

QString TMainStatusBar::ColorText() const { return colorText_->text(); }
QString TMainStatusBar::CountText() const { return countText_->text(); }

bool TMainStatusBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && modelMenu_) {
    // The menu opens at the status bar's top-left corner.
    modelMenu_->popup(mapToGlobal(QPoint(0, 0)));
    return true;
  }
  return QStatusBar::eventFilter(watched, event);
}

}  // namespace tintorium
