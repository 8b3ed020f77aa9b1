#pragma once
// One column of the contrast analyser's colour-vision preview: the sample, the text and background swatches
// and the contrast ratio of the pair as seen with one deficiency.

#include "core/ColorVision.h"

#include <QWidget>

class QLabel;

namespace tintorium {

class TColorSwatch;
class TContrastPreview;

class TColorVisionView final : public QWidget {
  Q_OBJECT
 public:
  /// Child names start with the deficiency's name ("Protanopia" ...): lblProtanopia (title),
  /// shProtanopiaView (sample), shProtanopiaText, shProtanopiaBack (swatches), lblProtanopiaRatio (the WCAG 2 ratio
  /// and the APCA Lc).
  explicit TColorVisionView(TColorVision vision, QWidget* parent = nullptr);

  TColorVision Vision() const { return vision_; }
  /// Shows the pair (as a normal eye sees it) as the deficiency sees it.
  void SetColors(TColor text, TColor back);

  TColor SeenText() const { return seenText_; }
  TColor SeenBack() const { return seenBack_; }
  double Ratio() const { return ratio_; }
  /// The APCA Lc of the seen text on the seen background.
  double Lc() const { return lc_; }

  /// "4.12 : 1" with the user's decimal separator.
  static QString RatioText(double ratio);
  /// "63.1" or "-68.5" with the user's decimal separator; never "-0.0".
  static QString LcText(double lc);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ShowFigures();

  TColorVision vision_;
  TColor seenText_ = clBlack;
  TColor seenBack_ = clWhite;
  double ratio_ = 21.0;
  double lc_ = 0;
  TContrastPreview* view_;
  TColorSwatch* text_;
  TColorSwatch* back_;
  QLabel* ratioLabel_;
};

}  // namespace tintorium
