#pragma once
// The contrast analyser ("Contrast Analyze", language section ContrastAnalyzeForm): judges a text colour against
// a background colour by WCAG 1.0 and WCAG 2, previews sample text, shows the pair as people with the three
// dichromacies see it, and lists the palette colours that make a good background for the text colour.
// Modeless; each one is independent and is destroyed when closed.
//
// Composition (objectName = language key):
//   band       imgContrast, lblContrastDesc, lblVisitW3C
//   gbHint     lblText over shText, lblBack over shBack (both drag sources and drop targets; a double click
//              opens the colour entry, Ctrl+V pastes a colour text), btnPickText / btnPickBack under them
//              ("Pick from screen", through the screen picker)
//   gbVariants lblFromPalette, clVars (double click: background := that colour)
//   gbResult   lblWcag1, imgw1sc + lblw1sc, lblBrightDiff, lblColorDiff, lblWcag2,
//              imgw2lt + lblw2lt + lblw2ltLevel, imgw2st + lblw2st + lblw2stLevel, lblContrastRatio
//   gbPreview  shViewBack with pre18txt, pre14txt, pre10txt (sizes in points, as WCAG measures text)
//   gbVision   one TColorVisionView per deficiency
//   buttons    btnSwap, btnOpposite, btnClose

#include "core/ColorTypes.h"
#include "core/Contrast.h"

#include <QDialog>
#include <QPointer>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QStandardItemModel;

namespace tintorium {

class TColorList;
class TColorSwatch;
class TColorVisionView;
class TContrastPreview;
class TPaletteDocument;

class TContrastAnalyzeForm final : public QDialog {
  Q_OBJECT
 public:
  /// Reads the variants from `palette` at each UpdateContrast; the palette may go away before the window does
  /// (the list then stays empty). Text black, background white until set.
  explicit TContrastAnalyzeForm(const TPaletteDocument* palette, QWidget* parent = nullptr);
  ~TContrastAnalyzeForm() override;

  /// A new window over `parent` with the text colour `text` (resolved to RGB) on white, measured and shown.
  static TContrastAnalyzeForm* Open(const TPaletteDocument* palette, TColor text, QWidget* parent);

  TColor TextColor() const;
  TColor BackColor() const;
  /// Set a colour without measuring (call UpdateContrast afterwards).
  void SetTextColor(TColor color);
  void SetBackColor(TColor color);

  /// Measures the text colour against the background and refreshes every display, the variants included.
  void UpdateContrast();
  /// The measurement of the last UpdateContrast.
  const TContrastResult& Result() const { return result_; }

  /// "Swap colors".
  void SwapColors();
  /// "Set background opposite to text": each channel of the text colour taken from 255.
  void SetOppositeBackground();
  /// A double click in clVars: the selected variant becomes the background; nothing without a selection.
  void TakeSelectedVariant();

  /// Starts a screen pick that hands the picked colour to its argument (not called when the pick is cancelled).
  using TScreenPick = std::function<void(std::function<void(TColor)>)>;
  /// Enables the "Pick from screen" buttons; without one they stay disabled.
  void SetScreenPick(TScreenPick pick);
  /// Opens the colour entry for `swatch` (shText or shBack) through the dialog seam; OK applies and measures.
  void EnterColor(TColorSwatch* swatch);
  /// The clipboard's text, when ReadColorText reads it, becomes `swatch`'s colour; true when it did.
  bool PasteColor(TColorSwatch* swatch);
  TColorSwatch* TextSwatch() const { return shText_; }
  TColorSwatch* BackSwatch() const { return shBack_; }
  QPushButton* PickTextButton() const { return btnPickText_; }
  QPushButton* PickBackButton() const { return btnPickBack_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* CreateBand();
  QWidget* CreateHintGroup();
  QWidget* CreateVariantsGroup();
  QWidget* CreateResultGroup();
  QWidget* CreatePreviewGroup();
  QWidget* CreateVisionGroup();
  QLayout* CreateButtons();
  void AcceptDrops(TColorSwatch* swatch);
  void PickFromScreen(TColorSwatch* swatch);
  void TakeColor(TColorSwatch* swatch, TColor color);
  void ShowMarks();
  void FillVariants(TColor text);

  QPointer<const TPaletteDocument> palette_;
  TContrastResult result_;
  bool placed_ = false;
  QLabel* lblVisitW3C_ = nullptr;
  TColorSwatch* shText_ = nullptr;
  TColorSwatch* shBack_ = nullptr;
  QPushButton* btnPickText_ = nullptr;
  QPushButton* btnPickBack_ = nullptr;
  TScreenPick screenPick_;
  TColorList* clVars_ = nullptr;
  QStandardItemModel* variants_ = nullptr;
  QLabel* imgw1sc_ = nullptr;
  QLabel* imgw2lt_ = nullptr;
  QLabel* imgw2st_ = nullptr;
  QLabel* lblw2ltLevel_ = nullptr;
  QLabel* lblw2stLevel_ = nullptr;
  QLabel* lblBrightDiff_ = nullptr;
  QLabel* lblColorDiff_ = nullptr;
  QLabel* lblContrastRatio_ = nullptr;
  QLabel* lblApcaContrast_ = nullptr;
  TContrastPreview* shViewBack_ = nullptr;
  std::array<TColorVisionView*, 3> visions_{};
  QPushButton* btnSwap_ = nullptr;
  QPushButton* btnOpposite_ = nullptr;
  QPushButton* btnClose_ = nullptr;
};

}  // namespace tintorium
