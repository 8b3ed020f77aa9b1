#pragma once
// The "Color Tools" settings and the tool pages: hands each page its stored values and takes them back. The
// values of a page that is never given or asked stay as they were read, so they are written back unchanged.

#include "app/Settings.h"
#include "ui/tools/ScalesPageSettings.h"

namespace tintorium {

class TColorMixerPage;
class TColorWheelPage;
class TLibraryPage;
class TLibraryPanel;
class TScalesPage;
class TSpectrumPage;
class TVariationsPage;

class TToolPageSettings final {
 public:
  /// The values as read, updated by the Collect functions.
  TColorToolsSettings& Values() { return values_; }
  const TColorToolsSettings& Values() const { return values_; }

  void Read(const TSettings& settings) { values_ = settings.ReadColorTools(); }
  void Write(TSettings& settings) const { settings.WriteColorTools(values_); }

  /// The Scales page's part of the values (as last collected, or as read when the page was never made).
  TScalesPageSettings ScalesSettings() const;

  void Apply(TColorWheelPage& page) const;
  void Apply(TVariationsPage& page) const;
  void Apply(TColorMixerPage& page) const;
  void Apply(TSpectrumPage& page) const;
  void Apply(TScalesPage& page) const;
  /// Starts the page on its last library.
  void Apply(TLibraryPage& page) const;
  /// Starts the Swatches panel on its last library.
  void Apply(TLibraryPanel& panel) const;

  void Collect(const TColorWheelPage& page);
  void Collect(const TVariationsPage& page);
  void Collect(const TColorMixerPage& page);
  void Collect(const TSpectrumPage& page);
  void Collect(const TScalesPage& page);
  void Collect(const TLibraryPage& page);
  void Collect(const TLibraryPanel& panel);

 private:
  TColorToolsSettings values_;
};

}  // namespace tintorium
