#pragma once
// The screen picker behind actToolsScreenPick: hides the main window, freezes the desktop (captured directly on
// X11, through the desktop portal on Wayland), covers it with the frozen picture and a magnifier, and makes the
// clicked pixel the base colour (or hands it to the window that asked, StartFor). Esc, or the magnifier's close button, ends it without a change.
//
// Idle -> hiding (the main window is hidden; a timer, not a sleep, lets the desktop repaint) -> reading the
// screen -> picking (cover and magnifier shown) -> idle, with the main window back where it was. Where the portal
// picks the colour itself there is no cover; where nothing can read the screen the user is told so.

#include "ui/actions/ActionRules.h"
#include "core/ColorObject.h"
#include "engine/screenpick/FrozenScreen.h"
#include "engine/screenpick/ScreenPickRoute.h"

#include <QDBusConnection>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

class QAction;
class QColor;
class QWidget;

namespace tintorium {

class TDesktopPickDialog;
class TDesktopShadowForm;
class TScreenSource;
class TWorkspace;

class TScreenPicker final : public QObject, public TActionRules {
  Q_OBJECT

 public:
  /// `workspace` gets the picked colour; `mainWindow` (may be null) is hidden while picking. Both must outlive
  /// the picker.
  TScreenPicker(TWorkspace& workspace, QWidget* mainWindow, QObject* parent = nullptr);
  ~TScreenPicker() override;

  /// Starts the picker when `action` (actToolsScreenPick) is triggered.
  void AttachAction(QAction* action);
  void UpdateActions(TMainActions& actions) override;

  /// The magnifier's zoom level (setting ScreenPickerZoom), kept as given: a stored 0 draws as 1 and the next
  /// step makes it a real level.
  int Zoom() const { return zoom_; }
  void SetZoom(int zoom) { zoom_ = zoom; }

  /// Opens the picker; does nothing while it is open.
  void Start();
  /// Opens the picker for a window that wants the colour itself: the pick goes to `deliver` (an RGB colour), not
  /// to the base colour. Does nothing while the picker is open.
  void StartFor(std::function<void(TColor)> deliver);
  /// Ends the picker without a change.
  void Close();
  /// From Start until the picker has closed again.
  bool IsOpen() const { return open_; }

  /// The cover window and the magnifier while picking; null otherwise.
  TDesktopShadowForm* Cover() const { return cover_; }
  TDesktopPickDialog* Magnifier() const { return magnifier_; }
  /// The picture pixel under the pointer and its colour (white until the pointer moves over the picture).
  QPoint Position() const { return position_; }
  const TColorObject& PickedColor() const { return picked_; }

  /// How long the desktop gets to repaint after the main window is hidden (default 500 ms).
  void SetHideWait(int ms) { hideTimer_.setInterval(ms); }
  /// The bus on which the desktop portal is looked for (default: the session bus, reached only when needed).
  void SetPortalBus(const QDBusConnection& bus) { portalBus_ = bus; }

 signals:
  /// The cover window and the magnifier are shown.
  void Opened();
  /// The picker closed (after a pick, Esc, a failure or a pick by the portal).
  void Closed();

 private:
  void HiddenWaitOver();
  void ReadScreen(TScreenPickRoute route);
  void ShowPicture(const TFrozenScreen& screen);
  void CreateMagnifier();
  void PlaceMagnifier();
  void MoveTo(const QPoint& pixel);
  void Pick(const QPoint& pixel);
  void KeyPressed(int key, const QString& text);
  void WheelTurned(int delta);
  void Redraw();
  void ApplyColor(const QColor& color);
  void ScreenUnavailable();
  void Finish();
  void RestoreMainWindow();

  TWorkspace& workspace_;
  QPointer<QWidget> mainWindow_;
  std::optional<QDBusConnection> portalBus_;
  int zoom_ = 1;
  bool open_ = false;
  bool mainWasVisible_ = false;
  bool portalTried_ = false;
  QPoint mainPosition_;
  TScreenPickRoute route_ = TScreenPickRoute::Capture;
  QTimer hideTimer_;
  TScreenSource* source_ = nullptr;
  TDesktopShadowForm* cover_ = nullptr;
  TDesktopPickDialog* magnifier_ = nullptr;
  QPoint position_;
  bool hasPosition_ = false;
  TColorObject picked_;
  std::function<void(TColor)> deliver_;
};

}  // namespace tintorium
