#include "interchange/UrlFetch.h"

#include <QDir>
#include <QSaveFile>
#include <QTcpSocket>
#include <QTemporaryDir>


namespace tintorium {
namespace {

constexpr qsizetype kMaxHeaderBytes = 64 * 1024;

QString WithoutScheme(const QString& address) {
  static const QString scheme = QStringLiteral("http://");
  return address.startsWith(scheme) ? address.mid(scheme.size()) : address;
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

// The request target: path and query, "/" when the address has no path.
QByteArray RequestTarget(const QString& address) {
  const QString rest = WithoutScheme(address);
  qsizetype start = rest.size();
  for (QChar stop : {u'/', u'?'}) {
    const qsizetype at = rest.indexOf(stop);
    if (at >= 0 && at < start) start = at;
  }
  QString target = rest.mid(start);
  const qsizetype fragment = target.indexOf(u'#');
  if (fragment >= 0) target.truncate(fragment);
  if (!target.startsWith(u'/')) target.prepend(u'/');
  // Spaces and other bytes that may not stand in a request line are percent-encoded; the rest goes as typed.
  return target.toUtf8().toPercentEncoding("/?&=%:;@+$,!~*'()[]-._");
}

// The body of an HTTP answer as it arrives: plain (with or without a length) or chunked.
class THttpBody {
 public:
  THttpBody(QSaveFile& file, qint64 maxBytes) : file_(file), maxBytes_(maxBytes) {}

  // False when the answer breaks the protocol, exceeds the limit, or the file cannot be written.
  bool Feed(QByteArray& pending) {
    if (!headerDone_) {
      const qsizetype end = pending.indexOf("\r\n\r\n");
      if (end < 0) return pending.size() <= kMaxHeaderBytes;
      if (!ParseHeader(pending.left(end))) return false;
      pending.remove(0, end + 4);
      headerDone_ = true;
    }
    return chunked_ ? FeedChunked(pending) : FeedPlain(pending);
  }
  // Whether the body is complete without waiting for the connection to close.
  bool Complete() const { return complete_; }
  // Whether closing the connection now ends a complete answer.
  bool CompleteAtClose() const { return complete_ || (headerDone_ && !chunked_ && !HasLength()); }

 private:
  bool ParseHeader(const QByteArray& header) {
    const QList<QByteArray> lines = header.split('\n');
    const QList<QByteArray> status = lines.value(0).trimmed().split(' ');
    if (status.size() < 2 || !status[0].startsWith("HTTP/")) return false;
    bool numeric = false;
    const int code = status[1].toInt(&numeric);
    // Redirects and errors are failures: only a 2xx answer carries the page.
    if (!numeric || code < 200 || code > 299) return false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
      const QByteArray line = lines[i].trimmed();
      const qsizetype colon = line.indexOf(':');
      if (colon <= 0) continue;
      const QByteArray name = line.left(colon).trimmed().toLower();
      const QByteArray value = line.mid(colon + 1).trimmed();
      if (name == "content-length") {
        bool ok = false;
        const qint64 length = value.toLongLong(&ok);
        if (!ok || length < 0 || length > maxBytes_) return false;
        contentLength_ = length;
      } else if (name == "transfer-encoding" && value.toLower().contains("chunked")) {
        chunked_ = true;
      }
    }
    if (chunked_) contentLength_ = -1;
    complete_ = contentLength_ == 0;
    return true;
  }

  bool Write(const char* data, qint64 count) {
    written_ += count;
    if (written_ > maxBytes_) return false;
    return file_.write(data, count) == count;
  }

  bool FeedPlain(QByteArray& pending) {
    qint64 take = pending.size();
    if (HasLength()) take = std::min(take, contentLength_ - written_);
    if (take > 0 && !Write(pending.constData(), take)) return false;
    pending.clear();
    if (HasLength() && written_ >= contentLength_) complete_ = true;
    return true;
  }

  bool FeedChunked(QByteArray& pending) {
    qsizetype pos = 0;
    bool ok = true;
    while (ok && !complete_) {
      if (chunkLeft_ > 0) {
        const qint64 take = std::min<qint64>(chunkLeft_, pending.size() - pos);
        if (take == 0) break;
        ok = Write(pending.constData() + pos, take);
        pos += take;
        chunkLeft_ -= take;
        if (chunkLeft_ == 0) expectCrLf_ = true;
        continue;
      }
      const qsizetype eol = pending.indexOf("\r\n", pos);
      if (eol < 0) {
        ok = pending.size() - pos <= kMaxHeaderBytes;
        break;
      }
      const QByteArray line = pending.mid(pos, eol - pos);
      pos = eol + 2;
      ok = ChunkLine(line);
    }
    pending.remove(0, pos);
    return ok;
  }

  // One line between chunks: the CR LF closing a chunk, a size line, or a trailer line after the last chunk.
  bool ChunkLine(const QByteArray& line) {
    if (expectCrLf_) {
      expectCrLf_ = false;
      return line.isEmpty();
    }
    if (inTrailer_) {
      if (line.isEmpty()) complete_ = true;
      return true;
    }
    QByteArray size = line;
    const qsizetype semicolon = size.indexOf(';');
    if (semicolon >= 0) size.truncate(semicolon);
    bool numeric = false;
    const qint64 count = size.trimmed().toLongLong(&numeric, 16);
    if (!numeric || count < 0 || count > maxBytes_) return false;
    if (count == 0) inTrailer_ = true;
    chunkLeft_ = count;
    return true;
  }

  QSaveFile& file_;
  qint64 maxBytes_;
  qint64 written_ = 0;
  bool headerDone_ = false;
  bool chunked_ = false;
  // -1: no Content-Length (an optional trips a false uninitialised warning in GCC 12).
  qint64 contentLength_ = -1;
  bool HasLength() const { return contentLength_ >= 0; }
  bool complete_ = false;
  qint64 chunkLeft_ = 0;
  bool expectCrLf_ = false;
  bool inTrailer_ = false;
};

bool SendRequest(QTcpSocket& socket, const QString& address, int timeoutMs) {
  QByteArray hostHeader = UrlHost(address).toUtf8();
  if (hostHeader.contains(':')) hostHeader = '[' + hostHeader + ']';
  // The Host header names the port only when the address does.
  if (const quint16 port = UrlPort(address, 0); port != 0) hostHeader += ':' + QByteArray::number(port);
  const QByteArray request = "GET " + RequestTarget(address) + " HTTP/1.0\r\nHost: " + hostHeader +
                             "\r\nUser-Agent: Tintorium\r\nAccept: */*\r\nConnection: close\r\n\r\n";
  if (socket.write(request) != request.size()) return false;
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
  }
  return true;
}

bool ReceiveBody(QTcpSocket& socket, QSaveFile& file, const TFetchOptions& options) {
  THttpBody body(file, options.MaxBodyBytes);
  QByteArray pending;
  for (;;) {
    if (socket.bytesAvailable() == 0) {
      if (socket.state() != QAbstractSocket::ConnectedState) return body.CompleteAtClose();
      if (!socket.waitForReadyRead(options.ReadTimeoutMs)) {
        // A close by the server ends the answer; anything else is a timeout or a broken connection.
        if (socket.error() != QAbstractSocket::RemoteHostClosedError) return false;
        if (socket.bytesAvailable() == 0) return body.CompleteAtClose();
      }
    }
    pending += socket.readAll();
    if (!body.Feed(pending)) return false;
    if (body.Complete()) return true;
  }
}

}  // namespace

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
  const QString host = UrlHost(address);
  if (!address.contains(QStringLiteral("http://")) || host.isEmpty()) return download;

  auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tintorium-url-XXXXXX"));
  if (!folder->isValid()) return download;
  QSaveFile file(folder->filePath(UrlTempFileName(address)));
  if (!file.open(QIODevice::WriteOnly)) return download;

  const quint16 port = UrlPort(address, options.DefaultPort);
  QTcpSocket socket;
  socket.connectToHost(host, port);
  if (!socket.waitForConnected(options.ConnectTimeoutMs)) return download;
  const bool received = SendRequest(socket, address, options.ReadTimeoutMs) &&
                        ReceiveBody(socket, file, options);
  socket.abort();
  if (!received || !file.commit()) return download;

  download.fileName_ = file.fileName();
  download.folder_ = std::move(folder);
  download.status_ = TFileResult();
  return download;
}

}  // namespace tintorium
