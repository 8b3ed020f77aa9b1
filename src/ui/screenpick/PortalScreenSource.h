#pragma once
// Reads the screen through the desktop portal (org.freedesktop.portal.Screenshot), the way a program may on
// Wayland: first a non-interactive screenshot; where the portal refuses one (or its picture cannot be read), the
// portal's own PickColor; where no portal answers at all, Unavailable.

#include "ui/screenpick/ScreenSource.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QString>
#include <QTimer>
#include <QVariantMap>

namespace tintorium {

class TPortalScreenSource final : public TScreenSource {
  Q_OBJECT

 public:
  /// `bus` is the session bus the portal lives on.
  explicit TPortalScreenSource(const QDBusConnection& bus, QObject* parent = nullptr);
  ~TPortalScreenSource() override;

  void Start() override;

  /// How long a non-interactive screenshot may take before PickColor is tried instead.
  void SetScreenshotTimeout(int ms) { screenshotTimer_.setInterval(ms); }

 private slots:
  void OnResponse(uint code, const QVariantMap& results);

 private:
  enum class TStep { Idle, Screenshot, PickColor, Done };

  void Request(TStep step);
  void Listen(const QString& path);
  void StopListening();
  void CallFailed(const QDBusError& error);
  void ScreenshotAnswered(uint code, const QVariantMap& results);
  void PickAnswered(uint code, const QVariantMap& results);
  void Finish();

  QDBusConnection bus_;
  TStep step_ = TStep::Idle;
  QString listening_;
  QTimer screenshotTimer_;
  int requests_ = 0;
};

}  // namespace tintorium
