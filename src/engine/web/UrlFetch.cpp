#include "engine/web/UrlFetch.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace tintorium {
namespace {

const QString kHttp = QStringLiteral("http://");
const QString kHttps = QStringLiteral("https://");

// The address from its scheme on: "http://" may stand anywhere in what was typed, "https://" only in front.
QString FromScheme(const QString& address) {
  if (address.startsWith(kHttps, Qt::CaseInsensitive)) return address;
  const qsizetype at = address.indexOf(kHttp, 0, Qt::CaseInsensitive);
  return at < 0 ? QString() : address.mid(at);
}

QString WithoutScheme(const QString& address) {
  const QString from = FromScheme(address);
  if (from.isEmpty()) return address;
  return from.mid(from.indexOf(u':') + 3);
}

// "host:port" as written after the scheme, before the path, query or fragment; without a user part.
QString Authority(const QString& address) {
  const QString rest = WithoutScheme(address);
  qsizetype end = rest.size();
  for (QChar stop : {u'/', u'?', u'#'}) {
    const qsizetype at = rest.indexOf(stop);
    if (at >= 0 && at < end) end = at;
  }
  QString authority = rest.left(end);
  const qsizetype at = authority.lastIndexOf(u'@');
  if (at >= 0) authority.remove(0, at + 1);
  return authority;
}

// The address to request, or an invalid one when it names no host of HTTP or HTTPS.
QUrl RequestUrl(const QString& address, const TFetchOptions& options) {
  QString text = FromScheme(address.trimmed());
  const qsizetype fragment = text.indexOf(u'#');
  if (fragment >= 0) text.truncate(fragment);
  QUrl url(text, QUrl::TolerantMode);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https")) return {};
  url.setScheme(scheme);
  if (scheme == u"http" && url.port() < 0 && options.DefaultPort != 80) url.setPort(options.DefaultPort);
  return url;
}

// The media type of a Content-Type value: "text/html; charset=utf-8" gives "text/html".
QString MediaType(const QVariant& header) {
  QString type = header.toString();
  const qsizetype semicolon = type.indexOf(u';');
  if (semicolon >= 0) type.truncate(semicolon);
  return type.trimmed().toLower();
}

// One GET through Qt's network stack, its body streamed into `file` under the limits of `options`.
class TFetchRun {
 public:
  TFetchRun(QSaveFile& file, const TFetchOptions& options) : file_(file), options_(options) {}

  bool Run(const QUrl& url, const QByteArray& hostHeader) {
    QNetworkAccessManager manager;
    manager.setAutoDeleteReplies(false);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(options_.MaxRedirects);
    request.setRawHeader("User-Agent", "Tintorium");
    // Compressed answers would be inflated before the size cap sees them.
    request.setRawHeader("Accept-Encoding", "identity");
    if (!hostHeader.isEmpty()) request.setRawHeader("Host", hostHeader);
    if (!options_.ExtraCaCertificates.isEmpty()) {
      QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
      tls.addCaCertificates(options_.ExtraCaCertificates);
      request.setSslConfiguration(tls);
    }
    reply_.reset(manager.get(request));
    QNetworkReply* reply = reply_.get();
    QEventLoop loop;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, reply, [this] { Fail(); });
    QObject::connect(reply, &QNetworkReply::requestSent, reply, [&] { watchdog.start(options_.ReadTimeoutMs); });
    QObject::connect(reply, &QNetworkReply::redirected, reply, [&] { watchdog.start(options_.ConnectTimeoutMs); });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
      watchdog.start(options_.ReadTimeoutMs);
      const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
      if (length.isValid() && length.toLongLong() > options_.MaxBodyBytes) Fail();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
      watchdog.start(options_.ReadTimeoutMs);
      Take();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    watchdog.start(options_.ConnectTimeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    watchdog.stop();
    if (!failed_) Take();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    contentType_ = MediaType(reply->header(QNetworkRequest::ContentTypeHeader));
    const bool ok = !failed_ && reply->error() == QNetworkReply::NoError && status >= 200 && status <= 299;
    reply_.reset();
    return ok;
  }

  const QString& ContentType() const { return contentType_; }

 private:
  // Aborted once control is back in the loop: aborting inside the reply's own signals upsets it.
  void Fail() {
    if (failed_) return;
    failed_ = true;
    QMetaObject::invokeMethod(reply_.get(), &QNetworkReply::abort, Qt::QueuedConnection);
  }

  // Everything that has arrived goes to the file at once, so memory holds one piece of the body at most.
  void Take() {
    if (failed_) return;
    const QByteArray piece = reply_->readAll();
    written_ += piece.size();
    if (written_ > options_.MaxBodyBytes || file_.write(piece) != piece.size()) Fail();
  }

  QSaveFile& file_;
  const TFetchOptions& options_;
  std::unique_ptr<QNetworkReply> reply_;
  qint64 written_ = 0;
  bool failed_ = false;
  QString contentType_;
};

}  // namespace

bool IsWebAddress(const QString& text) {
  return text.startsWith(kHttps, Qt::CaseInsensitive) || text.contains(kHttp, Qt::CaseInsensitive);
}

QString WithWebScheme(const QString& text) { return IsWebAddress(text) ? text : kHttp + text; }

QString UrlHost(const QString& address) {
  QString authority = Authority(address);
  if (authority.startsWith(u'[')) {  // an IPv6 literal keeps its colons
    const qsizetype close = authority.indexOf(u']');
    return close > 0 ? authority.mid(1, close - 1) : authority.mid(1);
  }
  const qsizetype colon = authority.indexOf(u':');
  if (colon >= 0) authority.truncate(colon);
  return authority;
}

quint16 UrlPort(const QString& address, quint16 defaultPort) {
  const QString authority = Authority(address);
  const qsizetype close = authority.startsWith(u'[') ? authority.indexOf(u']') : -1;
  const qsizetype colon = authority.indexOf(u':', close < 0 ? 0 : close);
  if (colon < 0) return defaultPort;
  bool ok = false;
  const uint port = authority.mid(colon + 1).toUInt(&ok);
  return (ok && port > 0 && port <= 65535) ? static_cast<quint16>(port) : defaultPort;
}

QString UrlTempFileName(const QString& address) {
  QString name = address.mid(address.lastIndexOf(u'/') + 1);
  if (name.isEmpty() || name == u"." || name == u"..") return QStringLiteral("weburl.html");
  static const std::pair<QChar, const char16_t*> replacements[] = {
      {u'?', u"q"}, {u':', u"dd"}, {u';', u"dc"}, {u'<', u"tb"},  {u'>', u"tf"},
      {u'/', u"s"}, {u'\\', u"bs"}, {u'"', u"kk"}, {u'=', u"r"}, {u'*', u"z"}};
  for (const auto& [from, to] : replacements) name.replace(from, QString::fromUtf16(to));
  return name;
}

TUrlDownload::TUrlDownload() = default;
TUrlDownload::TUrlDownload(TUrlDownload&&) noexcept = default;
TUrlDownload& TUrlDownload::operator=(TUrlDownload&&) noexcept = default;
TUrlDownload::~TUrlDownload() = default;

TUrlDownload FetchUrl(const QString& address, const TFetchOptions& options) {
  TUrlDownload download;
  download.status_ = TFileResult::Failure(QString::fromLatin1(kConnFailText), QString::fromLatin1(kConnFailKey));
  if (!IsWebAddress(address)) return download;
  const QUrl url = RequestUrl(address, options);
  if (!url.isValid()) return download;

  auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tintorium-url-XXXXXX"));
  if (!folder->isValid()) return download;
  QSaveFile file(folder->filePath(UrlTempFileName(address)));
  if (!file.open(QIODevice::WriteOnly)) return download;

  // A port put in only because the address named none stays out of the Host header, as the address has it.
  QByteArray hostHeader;
  if (url.scheme() == u"http" && UrlPort(address, 0) == 0 && options.DefaultPort != 80)
    hostHeader = url.host(QUrl::FullyEncoded).contains(u':') ? "[" + url.host(QUrl::FullyEncoded).toUtf8() + "]"
                                                               : url.host(QUrl::FullyEncoded).toUtf8();
  TFetchRun run(file, options);
  if (!run.Run(url, hostHeader) || !file.commit()) return download;

  download.fileName_ = file.fileName();
  download.contentType_ = run.ContentType();
  download.folder_ = std::move(folder);
  download.status_ = TFileResult();
  return download;
}

}  // namespace tintorium
