#include "ui/tools/ContrastPreview.h"

#include "engine/qtcolor/QtColorAdapter.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tintorium {

TContrastPreview::TContrastPreview(const char* name, const QList<TSample>& samples, QWidget* parent)
    : QFrame(parent) {
  setObjectName(QString::fromLatin1(name));
  setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->setSpacing(2);
  for (const TSample& sample : samples) {
    auto* label = new QLabel(QString::fromUtf8(sample.text), this);
    label->setObjectName(QString::fromLatin1(sample.name));
    QFont font(QString::fromLatin1(sample.family));
    font.setPixelSize(sample.pixelSize);
    font.setBold(sample.bold);
    label->setFont(font);
    layout->addWidget(label);
    samples_.append(label);
  }
  layout->addStretch();
  SetColors(text_, back_);
}

void TContrastPreview::SetColors(TColor text, TColor back) {
  text_ = text;
  back_ = back;
  // A style sheet of the frame's own outranks the theme's palette and any sheet given with -stylesheet: the
  // preview must show the pair as it is.
  setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; border: 1px solid #808080; }"
                               "QFrame#%1 QLabel { color: %3; background: transparent; }")
                    .arg(objectName(), ToQColor(back).name(), ToQColor(text).name()));
}

}  // namespace tintorium
