#pragma once
// A rectangle filled with a background colour, with sample texts on it in a text colour: the contrast analyser's
// preview. The samples are labels named for the language file.

#include "core/ColorTypes.h"

#include <QFrame>
#include <QList>

class QLabel;

namespace tintorium {

class TContrastPreview final : public QFrame {
  Q_OBJECT
 public:
  /// One sample text: its label's objectName, its built-in text and its font.
  struct TSample {
    const char* name;
    const char* text;
    int pixelSize;
    bool bold = false;
    const char* family = "Verdana";
  };

  /// The samples stand one below the other, left aligned. The frame is named `name`.
  TContrastPreview(const char* name, const QList<TSample>& samples, QWidget* parent = nullptr);

  TColor TextColor() const { return text_; }
  TColor BackColor() const { return back_; }
  /// Repaints the background and the samples; both colours are shown whatever the theme says about labels.
  void SetColors(TColor text, TColor back);

  QList<QLabel*> Samples() const { return samples_; }

 private:
  TColor text_ = clBlack;
  TColor back_ = clWhite;
  QList<QLabel*> samples_;
};

}  // namespace tintorium
