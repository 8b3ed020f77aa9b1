#pragma once
// The settings store: one QSettings tree (organisation "Tintorium") with the group "Options" and its subgroups
// "Options/Main", "Options/Toolbars", "Options/LastPalette" and "Options/Color Tools".
//
// Reads go through read-with-default helpers: a missing value, or one of the wrong type, gives the default,
// and reading never writes. Integers and booleans are written as integers (a boolean as 0 or 1).

#include <QByteArray>
#include <QRect>
#include <QString>

class QSettings;

namespace tintorium {

/// The group names under which each part of the settings lives.
namespace settings_group {
inline constexpr const char* kOptions = "Options";
inline constexpr const char* kMain = "Options/Main";
inline constexpr const char* kToolbars = "Options/Toolbars";
inline constexpr const char* kLastPalette = "Options/LastPalette";
inline constexpr const char* kColorTools = "Options/Color Tools";
}  // namespace settings_group

/// The values of the Options key itself (without Language, which is read once at start).
struct TOptions {
  int cfAdjust = 10;                   // 1-100, amount of Brighten/Darken/Saturate/Desaturate
  QString Theme = QStringLiteral("Mac Style");
  bool CompactDraw = false;            // palette list drawn compact
  bool SavePalette = false;            // remember the palette between runs
  bool ViewLibOnlyColor = false;       // library list shows colours only
  bool HTMLSharp = true;               // HTML copy starts with "#"
  bool ViewCFIFile = true;             // file name panel of Colors from Image visible
  int ScreenPickerZoom = 1;            // 1-7 (100 %-700 %)
  int ColorUnCursorModel = 0;          // TColorModel of the colour-under-cursor readout, 4 its CSS view
  int CssForm = 7;                     // the CSS form last copied, index in CssForms (7 = oklch)
  QString MatrixViewAs = QStringLiteral("normal");  // the palette contrast window's view (TContrastMatrixCommand)
  QString MatrixShow = QStringLiteral("all");       // and its filter

  bool operator==(const TOptions&) const = default;
};

/// The values of "Main": window placement and base colour.
struct TMainSettings {
  int MWindowState = 0;   // 0 normal, 1 minimised, 2 maximised
  QRect Geometry;         // left, top, width, height (client size)
  bool MFormStyle = false;  // stay on top
  int baseValue = 65000;  // TColor, RGB (232, 253, 0)
  int baseModel = 0;      // TColorModel

  bool operator==(const TMainSettings&) const = default;
};

/// The values of "Color Tools".
struct TColorToolsSettings {
  int CWHar = 0;
  int CWStyle = 0;
  int CWModel = 0;
  int VariationsModel = 0;
  int VariationsSize = 8;
  int MixerModel = 0;
  int MixerColor1 = 255;       // red
  int MixerColor2 = 32768;     // green RGB (0, 128, 0)
  int MixerColor3 = 65535;     // yellow
  int MixerColor4 = 8388608;   // navy RGB (0, 0, 128)
  int MixerSize = 5;
  QString LibrarySmallLast = QStringLiteral("Web Hues.aco");
  QString LibraryLast = QStringLiteral("Web Safe.aco");
  int SpecType = 0;
  int SpecModel = 0;
  // The Scales page (TScalesPageSettings).
  int ScaleSteps = 0;
  QString ScaleCustomSteps = QStringLiteral("50, 100, 200, 300, 400, 500, 600, 700, 800, 900, 950");
  int ScaleMode = 0;
  int ScaleMeasure = 0;
  QString ScaleTargets;
  int ScaleBackground = 0xFFFFFF;  // white
  int ScaleHueShift = 0;
  QString ScaleName = QStringLiteral("primary");
  int ScaleNotation = 0;

  bool operator==(const TColorToolsSettings&) const = default;
};

/// The main window's design size (client area).
inline constexpr int kDesignWidth = 820;
inline constexpr int kDesignHeight = 475;

/// The stored placement corrected against `screen`: an edge more than 10 pixels beyond the screen's bottom or
/// right edge is centred again on that axis; so is a window lying wholly above or left of the screen (it could
/// never be reached otherwise). Other positions, negative ones included, are kept.
QRect CorrectPlacement(const QRect& stored, const QRect& screen);
/// A window of `size` centred on `screen` (screen size div 2 minus window size div 2).
QRect CentredPlacement(const QSize& size, const QRect& screen);
/// Room a window manager's title bar and borders take around the client area, kept free on a first start.
inline constexpr QSize kFrameAllowance{16, 48};
/// The client size of the main window on a first start: `needed` (everything at its natural width) grown toward
/// three quarters of `screen` (at most 1440 x 900), never larger than `screen` less kFrameAllowance, never
/// smaller than the design size unless the screen is.
QSize FirstStartSize(const QSize& needed, const QRect& screen);

class TSettings {
 public:
  /// `store` must outlive this object.
  explicit TSettings(QSettings& store);

  /// Values under `group` (one of settings_group); missing or wrong-typed values give `def`.
  bool ReadBoolDef(const char* group, const QString& name, bool def) const;
  int ReadIntegerDef(const char* group, const QString& name, int def) const;
  QString ReadStringDef(const char* group, const QString& name, const QString& def) const;
  void WriteBool(const char* group, const QString& name, bool value);
  void WriteInteger(const char* group, const QString& name, int value);
  void WriteString(const char* group, const QString& name, const QString& value);

  /// File name of the language file; empty means the built-in English texts.
  QString Language() const;
  void WriteLanguage(const QString& name);

  TOptions ReadOptions() const;
  void WriteOptions(const TOptions& options);

  /// Placement defaults: the design size centred on `screen`.
  TMainSettings ReadMain(const QRect& screen) const;
  /// Whether a main window size was ever stored (false on a first start).
  bool HasMainSize() const;
  /// Writes state, stay-on-top and base colour; the geometry only when `state` is normal (0).
  void WriteMain(const TMainSettings& main);

  TColorToolsSettings ReadColorTools() const;
  void WriteColorTools(const TColorToolsSettings& tools);

  QString ReadLastFile() const;
  void WriteLastFile(const QString& path);

  /// The saved layout of toolbars and docks; empty when none or not a byte array.
  QByteArray ReadToolbars() const;
  void WriteToolbars(const QByteArray& state);

  QSettings& Store() const { return store_; }

 private:
  QSettings& store_;
};

}  // namespace tintorium
