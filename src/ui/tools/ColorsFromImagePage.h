#pragma once
// The "Colors from Image" page of the tool area: a loaded picture fitted into the panel pnlPS, one to ten pickers
// on it, and the swatch row lstPSColors with one colour per picker. Colours leave the page through its actions
// (actCFICurrentSetBase, actCFICurrentAdd, actCFIAddAll) in the "Result space" model, or by a drag from the row.
//
// Nothing is decoded or allocated for the picture until the user loads one.

#include "ui/actions/ActionRules.h"
#include "core/ColorObject.h"
#include "engine/schemes/ImagePickers.h"
#include "ui/tools/ToolPage.h"

#include <QRandomGenerator>

#include <optional>

class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace tintorium {

class TMainActions;
class TPickedColorList;
class TPickerPanel;
class TWorkspace;

class TColorsFromImagePage final : public TToolPage, public TActionRules {
  Q_OBJECT

 public:
  /// `workspace` and `actions` must outlive the page. The random source is seeded from the system here.
  TColorsFromImagePage(TWorkspace& workspace, TMainActions& actions, QWidget* parent = nullptr);
  ~TColorsFromImagePage() override;

  /// Puts the built-in English texts on the page (a language file then replaces them by object name).
  void Retranslate();
  /// Set as Base and Add to palette need a selected swatch; the others are always available.
  void UpdateActions(TMainActions& actions) override;

  /// Load image... (actCFIOpen): asks for a picture (TPictureOpenDialog, through the dialog seam) and loads it;
  /// a cancelled chooser does nothing.
  void OpenPicture();
  /// Loads `fileName`: on success the file-name line names it, the picture is fitted and the pickers are placed
  /// anew; a file that is no picture, cannot be decoded or is too large shows the load failure message, blanks
  /// the name and leaves the picture, pickers and swatches as they were. Returns whether it loaded.
  bool LoadPicture(const QString& fileName);
  /// Mix pickers (actCFIRandomPick): every picker to a new random spot. Nothing happens without a picture.
  void MixPickers();
  /// Set as Base (actCFICurrentSetBase), Add to palette (actCFICurrentAdd): the selected swatch, tagged with
  /// the Result space model. Nothing happens without a selection.
  void SetCurrentAsBase();
  void AddCurrentToPalette();
  /// Add all to palette (actCFIAddAll): every swatch in list order.
  void AddAllToPalette();

  /// The option ViewCFIFile: whether the file-name line pnlCFIFile is shown.
  void SetShowFileName(bool shown);
  bool ShowsFileName() const;

  TColorModel ResultModel() const;
  /// The number of pickers placed (0 before the first picture).
  int PickCount() const { return pickers_.Count(); }

  QRandomGenerator& Random() { return random_; }
  const TImagePickers& Pickers() const { return pickers_; }
  TPickerPanel* Panel() const { return pnlPS_; }
  TPickedColorList* SwatchList() const { return lstPSColors_; }
  QComboBox* ModelBox() const { return cboPSModel_; }
  QComboBox* PicksBox() const { return cboPSPicks_; }
  QLabel* FileLabel() const { return lblCFIFile_; }
  QMenu* SwatchMenu() const { return pmnu_CFI_; }

 private:
  void CreateControls();
  void ConnectControls();
  QPushButton* ActionButton(const char* name, QAction* action);
  void ShowFileName(const QString& fileName);
  void PicksCountChanged(int index);
  void ShowSwatches(int selected);
  void SwatchClicked(int index);
  void PickerMoved(int index);
  std::optional<TColorObject> CurrentColor() const;
  TColorObject Tagged(TColor color) const;

  TWorkspace& workspace_;
  TMainActions& actions_;
  QRandomGenerator random_;
  TImagePickers pickers_{random_};
  QString lastFolder_;

  QPushButton* btnCFIOpen_ = nullptr;
  QPushButton* BitBtn1_ = nullptr;
  QLabel* lblCFISpace_ = nullptr;
  QComboBox* cboPSModel_ = nullptr;
  QLabel* lblPSCount_ = nullptr;
  QComboBox* cboPSPicks_ = nullptr;
  QFrame* pnlCFIFile_ = nullptr;
  QLabel* lblCFIFile_ = nullptr;
  TPickerPanel* pnlPS_ = nullptr;
  TPickedColorList* lstPSColors_ = nullptr;
  QPushButton* btnCFIAddAll_ = nullptr;
  QMenu* pmnu_CFI_ = nullptr;
};

}  // namespace tintorium
