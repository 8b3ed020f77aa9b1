#pragma once
// Downloading a web address (plain HTTP GET) into a private temporary file.

#include "interchange/FileResult.h"

#include <QString>

#include <memory>

class QTemporaryDir;

namespace tintorium {

inline constexpr const char* kConnFailKey = "sConnFail";
inline constexpr const char* kConnFailText = "Connection failed";

/// The host to connect to: the address without "http://", cut before the first "/", "?" or "#"; a user part
/// ("user@") and a port (":8080") are removed. "www." stays: it is part of the host's name.
QString UrlHost(const QString& address);

/// The port the address names after its host, or `defaultPort` when it names none or an invalid one.
quint16 UrlPort(const QString& address, quint16 defaultPort);

/// The file name a download of `address` is saved under: the part after the last "/", with ? : ; < > / \ " = *
/// replaced by q dd dc tb tf s bs kk r z; "weburl.html" when that part is empty, "." or "..".
QString UrlTempFileName(const QString& address);

/// What FetchUrl may use; tests shorten the limits and point it at a local server.
struct TFetchOptions {
  quint16 DefaultPort = 80;       // used when the address names no port
  int ConnectTimeoutMs = 10000;   // host lookup and connection together
  int ReadTimeoutMs = 30000;      // longest wait for any single piece of the answer
  qint64 MaxBodyBytes = qint64(64) * 1024 * 1024;
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

 private:
  friend TUrlDownload FetchUrl(const QString& address, const TFetchOptions& options);
  std::unique_ptr<QTemporaryDir> folder_;
  QString fileName_;
  TFileResult status_;
};

/// Fetches `address` (it contains "http://") with one GET, no redirects followed: only a 2xx answer counts.
/// Blocks until the body is complete or a limit is hit.
TUrlDownload FetchUrl(const QString& address, const TFetchOptions& options = {});

}  // namespace tintorium
