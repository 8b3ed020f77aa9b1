#include "app/ToolPageSettings.h"

#include "ui/controls/ColorVariation.h"
#include "ui/library/LibraryPanel.h"
#include "ui/tools/ColorMixerPage.h"
#include "ui/tools/ColorWheelPage.h"
#include "ui/tools/LibraryPage.h"
#include "ui/tools/ScalesPage.h"
#include "ui/tools/SpectrumPage.h"
#include "ui/tools/VariationsPage.h"

namespace tintorium {

void TToolPageSettings::Apply(TColorWheelPage& page) const {
  page.RestoreSettings({values_.CWStyle, values_.CWHar, values_.CWModel});
}

void TToolPageSettings::Apply(TVariationsPage& page) const {
  page.SetResultModel(values_.VariationsModel);
  page.SetSwatchCount(values_.VariationsSize);
}

void TToolPageSettings::Apply(TColorMixerPage& page) const {
  page.LoadSettings({values_.MixerModel,
                     {values_.MixerColor1, values_.MixerColor2, values_.MixerColor3, values_.MixerColor4},
                     values_.MixerSize});
}

void TToolPageSettings::Apply(TSpectrumPage& page) const {
  page.SetSpecType(values_.SpecType);
  page.SetResultModel(values_.SpecModel);
}

TScalesPageSettings TToolPageSettings::ScalesSettings() const {
  return {values_.ScaleSteps,      values_.ScaleCustomSteps, values_.ScaleMode, values_.ScaleMeasure,
          values_.ScaleTargets,    values_.ScaleBackground,  values_.ScaleHueShift, values_.ScaleName,
          values_.ScaleNotation};
}

void TToolPageSettings::Apply(TScalesPage& page) const { page.RestoreSettings(ScalesSettings()); }

void TToolPageSettings::Collect(const TScalesPage& page) {
  const TScalesPageSettings s = page.CurrentSettings();
  values_.ScaleSteps = s.Steps;
  values_.ScaleCustomSteps = s.CustomSteps;
  values_.ScaleMode = s.Mode;
  values_.ScaleMeasure = s.Measure;
  values_.ScaleTargets = s.Targets;
  values_.ScaleBackground = s.Background;
  values_.ScaleHueShift = s.HueShift;
  values_.ScaleName = s.Name;
  values_.ScaleNotation = s.Notation;
}

void TToolPageSettings::Apply(TLibraryPage& page) const { page.Start(values_.LibraryLast); }

void TToolPageSettings::Apply(TLibraryPanel& panel) const { panel.Start(values_.LibrarySmallLast); }

void TToolPageSettings::Collect(const TColorWheelPage& page) {
  const TWheelPageSettings current = page.CurrentSettings();
  values_.CWStyle = current.CWStyle;
  values_.CWHar = current.CWHar;
  values_.CWModel = current.CWModel;
}

void TToolPageSettings::Collect(const TVariationsPage& page) {
  values_.VariationsModel = page.ResultModel();
  values_.VariationsSize = page.Strip(vtWarm)->Size();
}

void TToolPageSettings::Collect(const TColorMixerPage& page) {
  const TMixerSettings mixer = page.StoreSettings();
  values_.MixerModel = mixer.model;
  values_.MixerColor1 = mixer.colors[0];
  values_.MixerColor2 = mixer.colors[1];
  values_.MixerColor3 = mixer.colors[2];
  values_.MixerColor4 = mixer.colors[3];
  values_.MixerSize = mixer.size;
}

void TToolPageSettings::Collect(const TSpectrumPage& page) {
  values_.SpecType = page.SpecType();
  values_.SpecModel = page.ResultModel();
}

void TToolPageSettings::Collect(const TLibraryPage& page) { values_.LibraryLast = page.SelectedLibrary(); }

void TToolPageSettings::Collect(const TLibraryPanel& panel) { values_.LibrarySmallLast = panel.SelectedLibrary(); }

}  // namespace tintorium
