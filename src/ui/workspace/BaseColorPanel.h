#pragma once
// The Base Color panel: the base swatch, the web indicators, and one page of channel sliders and number
// fields per colour model, chosen by a tab set.

#include "core/ColorTypes.h"
#include "ui/workspace/BaseColorViews.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;
class QStackedWidget;
class QTabBar;

namespace tintorium {

class TColorBar;
class TColorSwatch;
class TMainActions;
class TWorkspace;
struct TColorDragOffer;

/// The place of the sliders and fields on a page of the given width: the R slider runs from its left edge to
/// the page width minus the field width minus 13; the field sits 6 pixels to its right.
struct TChannelRowGeometry {
  int sliderWidth;
  int fieldLeft;
};
TChannelRowGeometry ChannelRowGeometry(int pageWidth, int sliderLeft, int fieldWidth);

/// Reads a whole number the way the fields are read: an optional leading minus and the leading digits,
/// stopping at the first other character; an empty or non-numeric text is 0. Saturates far outside int.
int ReadFieldNumber(const QString& text);
/// The hexadecimal field's reading, ReadHexColorText's rule: "#1a2b3c", "1A2B3C", " #abc " (AABBCC); empty for
/// anything else, over-long text included.
std::optional<TRGBValues> ReadHexField(const QString& text);
/// Whether a number field of `model` takes the typed text: digits, and "-" in Lab.
bool FieldAcceptsText(TColorModel model, const QString& text);

class TBaseColorPanel final : public QWidget, public TBaseColorEditors {
  Q_OBJECT

 public:
  /// Edits the base colour of `workspace` (not owned; it must outlive the panel) and registers itself as its
  /// editors.
  explicit TBaseColorPanel(TWorkspace& workspace, QWidget* parent = nullptr);
  ~TBaseColorPanel() override;

  /// Builds the swatch's popup menu pmnu_base from the actions, and routes the indicator clicks to Make
  /// Websafe and Make Websmart.
  void AttachActions(TMainActions& actions);

  TColorSwatch* BaseSwatch() const { return shBase_; }
  QLabel* WebSafeIndicator() const { return imgWebSafe_; }
  QLabel* WebSmartIndicator() const { return imgWebSmart_; }
  QTabBar* ModelTabs() const { return tsColorModels_; }
  QStackedWidget* ModelPages() const { return nbColorModels_; }
  /// Slider `pick` (1-4) of `model`; nullptr when the model has no such channel. Builds the model's page when
  /// it was not shown yet.
  TColorBar* Bar(TColorModel model, int pick);
  QLineEdit* Field(TColorModel model, int pick);
  QLineEdit* HexField() const { return edHEX_; }
  QMenu* BaseMenu() const { return pmnu_base_; }
  /// Which picture of imlWebSafe an indicator shows: 1 on the step, 0 off it.
  int WebSafePicture() const { return webSafePicture_; }
  int WebSmartPicture() const { return webSmartPicture_; }

  /// Writes `values` into every slider of `model` except the one whose pick is `exceptPick`, then the field of
  /// exceptPick (1-4) or every field (0) from its slider; for RGB also the hexadecimal field.
  void ShowModelValues(TColorModel model, const TChannelValues& values, int exceptPick);

  // TBaseColorEditors
  void ShowBaseMarks(const TColorObject& base) override;
  void ShowBaseValues(const TColorObject& base, TColorModel model, bool refreshAll) override;

 signals:
  void OnWebSafeClick();
  void OnWebSmartClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct TModelEditors {
    QWidget* page = nullptr;
    std::vector<QLabel*> labels;
    std::vector<TColorBar*> bars;
    std::vector<QLineEdit*> fields;
  };

  void BuildSwatchRow();
  void BuildPages();
  void AddPage(TColorModel model);
  void BuildPageEditors(TColorModel model);
  void FinishLatePage(TColorModel model);
  const TModelEditors& Editors(TColorModel model);
  void ConnectBar(TColorModel model, TColorBar* bar);
  void LayoutPages();
  void SetTexts();
  void SetPageTexts(TColorModel model);
  TChannelValues SliderValues(TColorModel model) const;
  void SliderTracked(TColorModel model, TColorBar* bar);
  void SliderCommitted(TColorModel model, TColorBar* bar);
  void FieldsEntered(TColorModel model, QObject* field);
  void HexEntered();
  void MarkHexRefused(bool refused);
  void LeaveField(QLineEdit* field);
  bool FilterFieldKey(TColorModel model, QKeyEvent* event, QObject* field);
  bool IsEditorField(const QObject* object) const;
  bool FilterFieldDrag(QEvent* event);
  void DropOnBase(const TColorDragOffer& offer);

  TWorkspace& workspace_;
  TColorSwatch* shBase_ = nullptr;
  QLabel* imgWebSafe_ = nullptr;
  QLabel* imgWebSmart_ = nullptr;
  QTabBar* tsColorModels_ = nullptr;
  QStackedWidget* nbColorModels_ = nullptr;
  std::array<TModelEditors, 4> editors_;
  QLabel* lblHex_ = nullptr;
  QLineEdit* edHEX_ = nullptr;
  QMenu* pmnu_base_ = nullptr;
  std::array<QPixmap, 2> imlWebSafe_;
  int webSafePicture_ = 0;
  int webSmartPicture_ = 0;
  bool started_ = false;
};

}  // namespace tintorium
