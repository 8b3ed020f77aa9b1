#include "ui/screenpick/PortalScreenSource.h"

#include "engine/screenpick/PortalResults.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>

namespace tintorium {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// Errors that mean nobody offers the portal on this bus, as against a portal that declined.
bool NoPortal(const QDBusError& error) {
  switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::NoServer:
    case QDBusError::Disconnected:
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
      return true;
    default:
      return error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
  }
}

QRect DesktopGeometry() {
  QRect desktop;
  for (const QScreen* screen : QGuiApplication::screens()) desktop = desktop.united(screen->geometry());
  return desktop;
}

std::optional<QRgb> ColorOfResults(const QVariantMap& results) {
  const QVariant value = results.value(QStringLiteral("color"));
  if (!value.canConvert<QDBusArgument>()) return std::nullopt;
  const QDBusArgument argument = value.value<QDBusArgument>();
  if (argument.currentSignature() != QLatin1String("(ddd)")) return std::nullopt;
  double red = 0, green = 0, blue = 0;
  argument.beginStructure();
  argument >> red >> green >> blue;
  argument.endStructure();
  return PortalColor(red, green, blue);
}

}  // namespace

TPortalScreenSource::TPortalScreenSource(const QDBusConnection& bus, QObject* parent)
    : TScreenSource(parent), bus_(bus) {
  screenshotTimer_.setSingleShot(true);
  screenshotTimer_.setInterval(30000);
  connect(&screenshotTimer_, &QTimer::timeout, this, [this] {
    if (step_ == TStep::Screenshot) Request(TStep::PickColor);
  });
}

TPortalScreenSource::~TPortalScreenSource() { StopListening(); }

void TPortalScreenSource::Start() {
  if (step_ != TStep::Idle) return;
  if (!bus_.isConnected()) {
    step_ = TStep::Done;
    QMetaObject::invokeMethod(this, &TScreenSource::Unavailable, Qt::QueuedConnection);
    return;
  }
  Request(TStep::Screenshot);
}

void TPortalScreenSource::Request(TStep step) {
  StopListening();
  step_ = step;
  const QString token = QStringLiteral("tintorium%1_%2").arg(++requests_).arg(QRandomGenerator::global()->generate());
  // The portal answers on a request object named after our bus name and the token; listening before the call
  // means an early answer is not missed.
  QString sender = bus_.baseService().mid(1);
  sender.replace(u'.', u'_');
  Listen(kPath + QStringLiteral("/request/") + sender + u'/' + token);

  QVariantMap options{{QStringLiteral("handle_token"), token}};
  const bool screenshot = step == TStep::Screenshot;
  if (screenshot) {
    options.insert(QStringLiteral("interactive"), false);
    options.insert(QStringLiteral("modal"), false);
  }
  const QString method = screenshot ? QStringLiteral("Screenshot") : QStringLiteral("PickColor");
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
  call << QString() << options;
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, step] {
    watcher->deleteLater();
    if (step_ != step) return;
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
      CallFailed(reply.error());
      return;
    }
    // Portals older than the handle_token convention name the request object themselves.
    const QString handle = reply.value().path();
    if (!handle.isEmpty() && handle != listening_) {
      StopListening();
      Listen(handle);
    }
  });
  if (screenshot) screenshotTimer_.start();
}

void TPortalScreenSource::Listen(const QString& path) {
  listening_ = path;
  bus_.connect(kService, path, kRequestInterface, QStringLiteral("Response"), this,
               SLOT(OnResponse(uint, QVariantMap)));
}

void TPortalScreenSource::StopListening() {
  if (listening_.isEmpty()) return;
  bus_.disconnect(kService, listening_, kRequestInterface, QStringLiteral("Response"), this,
                  SLOT(OnResponse(uint, QVariantMap)));
  listening_.clear();
}

void TPortalScreenSource::CallFailed(const QDBusError& error) {
  if (step_ == TStep::Screenshot && !NoPortal(error)) {
    Request(TStep::PickColor);  // a portal without screenshots (or one that declines them) may still pick
    return;
  }
  Finish();
  emit Unavailable();
}

void TPortalScreenSource::OnResponse(uint code, const QVariantMap& results) {
  if (step_ == TStep::Screenshot)
    ScreenshotAnswered(code, results);
  else if (step_ == TStep::PickColor)
    PickAnswered(code, results);
}

void TPortalScreenSource::ScreenshotAnswered(uint code, const QVariantMap& results) {
  screenshotTimer_.stop();
  if (code == 0) {
    const QImage picture = LoadPortalPicture(results.value(QStringLiteral("uri")).toString());
    const QRect desktop = DesktopGeometry();
    if (!picture.isNull() && !desktop.isEmpty()) {
      Finish();
      emit Frozen({picture, desktop});
      return;
    }
  }
  Request(TStep::PickColor);
}

void TPortalScreenSource::PickAnswered(uint code, const QVariantMap& results) {
  Finish();
  if (code == 1) {
    emit Cancelled();
    return;
  }
  const std::optional<QRgb> color = code == 0 ? ColorOfResults(results) : std::nullopt;
  if (color)
    emit Picked(QColor::fromRgb(*color));
  else
    emit Unavailable();
}

void TPortalScreenSource::Finish() {
  screenshotTimer_.stop();
  StopListening();
  step_ = TStep::Done;
}

}  // namespace tintorium
