// A stand-in for the desktop portal's screenshot interface, for tests on a private session bus.
//
//   fake_portal screenshot FILE        Screenshot answers 0 with file://FILE; PickColor answers 0 with grey
//   fake_portal refuse R G B           Screenshot answers 2 (refused); PickColor answers 0 with R G B (0-255)
//   fake_portal cancel                 Screenshot answers 2; PickColor answers 1 (the user cancelled)
//   fake_portal garbage                Screenshot answers 0 with a file that is no picture; PickColor answers 0
//                                      with a colour of the wrong type
//
// It owns org.freedesktop.portal.Desktop and prints "ready" once it does; every call is printed as it comes.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {

class TFakeScreenshotPortal final : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

 public:
  explicit TFakeScreenshotPortal(QStringList args) : args_(std::move(args)) {}

 public slots:
  QDBusObjectPath Screenshot(const QString& parent, const QVariantMap& options, const QDBusMessage& message) {
    Q_UNUSED(parent);
    const QString mode = args_.value(0);
    if (mode == QLatin1String("screenshot"))
      return Answer("Screenshot", message, options, 0,
                    {{"uri", QUrl::fromLocalFile(args_.value(1)).toString()}});
    if (mode == QLatin1String("garbage"))
      return Answer("Screenshot", message, options, 0, {{"uri", QStringLiteral("file:///proc/self/status")}});
    return Answer("Screenshot", message, options, 2, {});
  }

  QDBusObjectPath PickColor(const QString& parent, const QVariantMap& options, const QDBusMessage& message) {
    Q_UNUSED(parent);
    const QString mode = args_.value(0);
    if (mode == QLatin1String("cancel")) return Answer("PickColor", message, options, 1, {});
    if (mode == QLatin1String("garbage"))
      return Answer("PickColor", message, options, 0, {{"color", QStringLiteral("red")}});
    const double r = mode == QLatin1String("refuse") ? args_.value(1).toDouble() / 255.0 : 0.5;
    const double g = mode == QLatin1String("refuse") ? args_.value(2).toDouble() / 255.0 : 0.5;
    const double b = mode == QLatin1String("refuse") ? args_.value(3).toDouble() / 255.0 : 0.5;
    QDBusArgument color;
    color.beginStructure();
    color << r << g << b;
    color.endStructure();
    return Answer("PickColor", message, options, 0, {{"color", QVariant::fromValue(color)}});
  }

 private:
  QDBusObjectPath Answer(const char* method, const QDBusMessage& message, const QVariantMap& options, uint code,
                         const QVariantMap& results) {
    QString sender = message.service().mid(1);
    sender.replace(u'.', u'_');
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                             .arg(sender, options.value(QStringLiteral("handle_token")).toString());
    std::printf("%s interactive=%d\n", method, options.value(QStringLiteral("interactive"), true).toBool() ? 1 : 0);
    std::fflush(stdout);
    // The answer comes after the reply, as from a real portal.
    QTimer::singleShot(20, this, [path, code, results] {
      QDBusMessage response = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
      response << code << results;
      QDBusConnection::sessionBus().send(response);
    });
    return QDBusObjectPath(path);
  }

  QStringList args_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  TFakeScreenshotPortal portal(app.arguments().mid(1));
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                          QDBusConnection::ExportAllSlots) ||
      !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
    std::fprintf(stderr, "fake_portal: cannot register: %s\n", qPrintable(bus.lastError().message()));
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  return app.exec();
}

#include "FakePortal.moc"
