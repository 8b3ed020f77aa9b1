#include "ui/tools/ColorVisionView.h"

#include "ui/controls/ColorSwatch.h"
#include "core/Contrast.h"
#include "engine/language/LanguageLocale.h"
#include "ui/tools/ContrastPreview.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>

#include <array>
#include <cmath>

namespace tintorium {
namespace {

struct TVisionTexts {
  const char* name;
  const char* title;
};

constexpr std::array<TVisionTexts, ColorVisionCount> kTexts{{
    {"Protanopia", "Protanopia (no red cones)"},
    {"Deuteranopia", "Deuteranopia (no green cones)"},
    {"Tritanopia", "Tritanopia (no blue cones)"},
}};

QString Named(const char* prefix, const char* name, const char* suffix) {
  return QString::fromLatin1(prefix) + QString::fromLatin1(name) + QString::fromLatin1(suffix);
}

TColorSwatch* NewSwatch(const QString& name, QWidget* parent) {
  auto* swatch = new TColorSwatch(parent);
  swatch->setObjectName(name);
  swatch->setFixedSize(26, 22);
  swatch->SetAutoDrag(true);  // a simulated colour can be dragged out like any other
  return swatch;
}

}  // namespace

TColorVisionView::TColorVisionView(TColorVision vision, QWidget* parent) : QWidget(parent), vision_(vision) {
  const TVisionTexts& texts = kTexts[static_cast<std::size_t>(vision)];
  setObjectName(Named("pnl", texts.name, ""));
  auto* title = new QLabel(QString::fromLatin1(texts.title), this);
  title->setObjectName(Named("lbl", texts.name, ""));
  const QByteArray viewName = Named("sh", texts.name, "View").toLatin1();
  const QByteArray sampleName = Named("pre", texts.name, "Txt").toLatin1();
  view_ = new TContrastPreview(viewName.constData(), {{sampleName.constData(), "Lorem ipsum", 15, true}}, this);
  view_->setFixedHeight(34);
  text_ = NewSwatch(Named("sh", texts.name, "Text"), this);
  back_ = NewSwatch(Named("sh", texts.name, "Back"), this);
  ratioLabel_ = new QLabel(this);
  ratioLabel_->setObjectName(Named("lbl", texts.name, "Ratio"));

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setHorizontalSpacing(4);
  layout->setVerticalSpacing(4);
  layout->addWidget(title, 0, 0, 1, 4);
  layout->addWidget(view_, 1, 0, 1, 4);
  layout->addWidget(text_, 2, 0);
  layout->addWidget(back_, 2, 1);
  layout->addWidget(ratioLabel_, 2, 2);
  layout->setColumnStretch(3, 1);
  SetColors(clBlack, clWhite);
}

void TColorVisionView::SetColors(TColor text, TColor back) {
  seenText_ = SimulateColorVision(text, vision_);
  seenBack_ = SimulateColorVision(back, vision_);
  ratio_ = MeasureContrast(seenBack_, seenText_).Ratio;
  lc_ = ApcaContrast(seenText_, seenBack_);
  view_->SetColors(seenText_, seenBack_);
  text_->SetBaseColor(seenText_);
  back_->SetBaseColor(seenBack_);
  ShowFigures();
}

void TColorVisionView::ShowFigures() {
  ratioLabel_->setText(RatioText(ratio_) + QStringLiteral("   Lc ") + LcText(lc_));
}

QString TColorVisionView::RatioText(double ratio) {
  return LocaleNumber(ShownContrastRatio(ratio), 2) + QStringLiteral(" : 1");
}

QString TColorVisionView::LcText(double lc) {
  return LocaleNumber(lc, 1);
}

void TColorVisionView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange || event->type() == QEvent::LanguageChange) ShowFigures();
  QWidget::changeEvent(event);
}

}  // namespace tintorium
