#pragma once
// Downloading a web address (HTTP or HTTPS, redirects followed) into a private temporary file.

#include "engine/files/FileResult.h"

#include <QList>
#include <QSslCertificate>
#include <QString>

#include <memory>

class QTemporaryDir;

namespace tintorium {

inline constexpr const char* kConnFailKey = "sConnFail";
inline constexpr const char* kConnFailText = "Connection failed";

/// Whether `text` names a web address: it contains "http://" or starts with "https://" (either in any case).
bool IsWebAddress(const QString& text);
/// `text` as a web address: unchanged when IsWebAddress holds, else with "http://" in front.
QString WithWebScheme(const QString& text);

/// The host to connect to: the address without "http://" or "https://", cut before the first "/", "?" or "#"; a user part
/// ("user@") and a port (":8080") are removed. "www." stays: it is part of the host's name.
QString UrlHost(const QString& address);

/// The port the address names after its host, or `defaultPort` when it names none or an invalid one.
quint16 UrlPort(const QString& address, quint16 defaultPort);

/// The file name a download of `address` is saved under: the part after the last "/", with ? : ; < > / \ " = *
/// replaced by q dd dc tb tf s bs kk r z; "weburl.html" when that part is empty, "." or "..".
QString UrlTempFileName(const QString& address);

/// What FetchUrl may use; tests shorten the limits and point it at a local server.
struct TFetchOptions {
  quint16 DefaultPort = 80;       // used when an http:// address names no port
  int ConnectTimeoutMs = 10000;   // host lookup, connection and TLS handshake together (again per redirect)
  int ReadTimeoutMs = 30000;      // longest wait for any single piece of the answer
  qint64 MaxBodyBytes = qint64(64) * 1024 * 1024;  // counted as the body arrives, with or without a length
  int MaxRedirects = 8;           // one more fails, so a redirect loop ends
  /// Certificates trusted besides the system's, for this fetch only (tests trust their own server's).
  QList<QSslCertificate> ExtraCaCertificates;
};

/// A finished download. The file lives in a private temporary folder that is removed, with the file, when
/// the object is destroyed. Movable, not copyable.
class TUrlDownload {
 public:
  TUrlDownload();
  TUrlDownload(TUrlDownload&&) noexcept;
  TUrlDownload& operator=(TUrlDownload&&) noexcept;
  ~TUrlDownload();

  /// Success, or "Connection failed" (key sConnFail) for every network, HTTP or file failure.
  const TFileResult& Status() const { return status_; }
  bool Ok() const { return status_.Ok(); }
  /// The downloaded file's path; empty on failure.
  const QString& FileName() const { return fileName_; }
  /// The media type the server gave the body ("text/html", "image/png"), lower case without parameters;
  /// empty when it gave none.
  const QString& ContentType() const { return contentType_; }

 private:
  friend TUrlDownload FetchUrl(const QString& address, const TFetchOptions& options);
  std::unique_ptr<QTemporaryDir> folder_;
  QString fileName_;
  QString contentType_;
  TFileResult status_;
};

/// Fetches `address` (IsWebAddress holds) with a GET over HTTP or HTTPS, following redirects except from
/// HTTPS to HTTP: only a final 2xx answer counts. The certificate must be trusted. Waits in a local event loop
/// that takes no user input, until the body is complete or a limit is hit.
TUrlDownload FetchUrl(const QString& address, const TFetchOptions& options = {});

}  // namespace tintorium
