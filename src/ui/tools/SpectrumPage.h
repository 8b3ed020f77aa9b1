#pragma once
// The "Spectrum" page of the tool area: the spectrum cSpec under its type selector, following the base colour;
// a cell picked by the user becomes the base colour in the "Result space" model.

#include "core/ColorObject.h"
#include "ui/tools/ToolPage.h"
#include "ui/workspace/BaseColorViews.h"

class QComboBox;
class QLabel;

namespace tintorium {

class TColorSpectrum;
class TWorkspace;

class TSpectrumPage final : public TToolPage, public TBaseColorFollower {
  Q_OBJECT

 public:
  static constexpr int kSpectrumSize = 101;

  /// Registers the page with `workspace` (which must outlive it) as the spectrum's follower.
  explicit TSpectrumPage(TWorkspace& workspace, QWidget* parent = nullptr);
  ~TSpectrumPage() override;

  TColorSpectrum* Spectrum() const { return cSpec_; }
  QComboBox* TypeBox() const { return cboSpecType_; }
  QComboBox* ModelBox() const { return cboSpecModel_; }

  /// Setting "SpecType": the cboSpecType index 0-5 (others select 0); its change handler runs even when the
  /// box already shows it.
  void SetSpecType(int index);
  int SpecType() const;
  /// Setting "SpecModel": the cboSpecModel index (out-of-range values select RGB).
  void SetResultModel(int index);
  TColorModel ResultModel() const;

  /// The spectrum's change handler: a user pick becomes the base colour in the Result space; anything else
  /// (a type change, a new base colour) does nothing.
  void SpectrumChanged();

  /// Every text of the page in built-in English; the language file then overrides them by object name.
  void RetranslateUi();

  void ShowTool(bool shown) override;
  void FollowBaseColor(const TColorObject& base) override;
  /// A change sent by a spectrum is not handed back to it.
  bool SkipsSender(const QObject* sender) const override;

 private:
  void TypeChanged(int index);
  void WatchPointer();

  TWorkspace& workspace_;
  QLabel* lblSpecType_ = nullptr;
  QComboBox* cboSpecType_ = nullptr;
  QLabel* lblSpecSpace_ = nullptr;
  QComboBox* cboSpecModel_ = nullptr;
  TColorSpectrum* cSpec_ = nullptr;
};

}  // namespace tintorium
