// Address handling and the HTTP download, against scripted local servers and a real one.
#include "engine/web/UrlFetch.h"

#include "engine/formats/ImportRules.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSslCertificate>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <functional>
#include <future>

namespace tintorium {
namespace {

struct TNameCase {
  const char* address;
  const char* host;
  int port;
  const char* tempName;
};

class UrlNameTest : public ::testing::TestWithParam<TNameCase> {};

TEST_P(UrlNameTest, HostPortAndTemporaryName) {
  const TNameCase& c = GetParam();
  const QString address = QString::fromUtf8(c.address);
  EXPECT_EQ(UrlHost(address), QString::fromUtf8(c.host));
  EXPECT_EQ(UrlPort(address, 80), c.port);
  EXPECT_EQ(UrlTempFileName(address), QString::fromUtf8(c.tempName));
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, UrlNameTest,
    ::testing::Values(TNameCase{"http://www.example.com/colors/page.html", "www.example.com", 80, "page.html"},
                      TNameCase{"http://example.com/", "example.com", 80, "weburl.html"},
                      TNameCase{"http://example.com", "example.com", 80, "example.com"},
                      TNameCase{"http://example.com/page.php?id=3", "example.com", 80, "page.phpqidr3"},
                      TNameCase{"http://example.com/a/.", "example.com", 80, "weburl.html"},
                      TNameCase{"http://example.com/a/..", "example.com", 80, "weburl.html"},
                      TNameCase{"http://example.com/x:y;<z>\"w\"*\\v", "example.com", 80, "xddydctbztfkkwkkzbsv"},
                      TNameCase{"http://user@host.test:8080/logo.png", "host.test", 8080, "logo.png"},
                      TNameCase{"http://host.test:99999/a.css", "host.test", 80, "a.css"},
                      TNameCase{"http://[::1]:81/a.css", "::1", 81, "a.css"},
                      TNameCase{"http://host.test?q=1", "host.test", 80, "host.testqqr1"}));

// One connection, answered by a script on its own thread; the request is kept for the test to inspect.
class TScriptedServer {
 public:
  // `answer` gets the socket after the request was read; it writes what the server says.
  explicit TScriptedServer(std::function<void(QTcpSocket&)> answer) : answer_(std::move(answer)) {
    thread_.reset(QThread::create([this] { Run(); }));
    thread_->start();
    port_ = portPromise_.get_future().get();
  }
  ~TScriptedServer() {
    stop_ = true;
    thread_->wait();
  }
  quint16 Port() const { return port_; }
  QString Url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
  }
  QByteArray Request() const { return requestFuture_.get(); }

 private:
  void Run() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    portPromise_.set_value(server.serverPort());
    while (!stop_ && !server.waitForNewConnection(50)) {
    }
    if (stop_) {
      requestPromise_.set_value({});
      return;
    }
    std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
    QByteArray request;
    while (!request.contains("\r\n\r\n") && socket->waitForReadyRead(3000)) request += socket->readAll();
    requestPromise_.set_value(request);
    answer_(*socket);
    socket->waitForBytesWritten(3000);
    socket->disconnectFromHost();
    if (socket->state() != QAbstractSocket::UnconnectedState) socket->waitForDisconnected(3000);
  }

  std::function<void(QTcpSocket&)> answer_;
  std::unique_ptr<QThread> thread_;
  std::promise<quint16> portPromise_;
  std::promise<QByteArray> requestPromise_;
  std::shared_future<QByteArray> requestFuture_ = requestPromise_.get_future().share();
  std::atomic<bool> stop_{false};
  quint16 port_ = 0;
};

std::function<void(QTcpSocket&)> Says(QByteArray response) {
  return [response](QTcpSocket& socket) { socket.write(response); };
}

QByteArray ReadAll(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TFetchOptions QuickOptions() {
  TFetchOptions options;
  options.ConnectTimeoutMs = 2000;
  options.ReadTimeoutMs = 300;
  return options;
}

TEST(FetchUrl, DownloadsTheBodyIntoAPrivateFolderRemovedAfterUse) {
  TScriptedServer server(Says("HTTP/1.1 200 OK\r\nContent-Length: 25\r\nContent-Type: text/css\r\n\r\n"
                              "a{color:#FF8000} b{c:#ab}"));
  QString fileName;
  {
    const TUrlDownload download = FetchUrl(server.Url(QStringLiteral("/dir/site.css?v=2#top")), QuickOptions());
    ASSERT_TRUE(download.Ok()) << download.Status().Message().toStdString();
    fileName = download.FileName();
    EXPECT_EQ(QFileInfo(fileName).fileName(), QStringLiteral("site.cssqvr2#top"));
    EXPECT_EQ(ReadAll(fileName), QByteArray("a{color:#FF8000} b{c:#ab}"));
    const QFileInfo folder(QFileInfo(fileName).absolutePath());
    EXPECT_NE(folder.absoluteFilePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_EQ(folder.permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup), QFile::Permissions());
  }
  EXPECT_FALSE(QFileInfo::exists(fileName));
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(fileName).absolutePath()));
  const QByteArray request = server.Request();
  EXPECT_TRUE(request.startsWith("GET /dir/site.css?v=2 HTTP/1.1\r\n")) << request.toStdString();
  EXPECT_TRUE(request.contains(QStringLiteral("\r\nHost: 127.0.0.1:%1\r\n").arg(server.Port()).toLatin1()));
}

struct TAnswerCase {
  const char* name;
  const char* response;
  const char* path;
  bool ok;
  const char* body;
};

class FetchAnswerTest : public ::testing::TestWithParam<TAnswerCase> {};

TEST_P(FetchAnswerTest, OnlyACompleteSuccessfulAnswerCounts) {
  const TAnswerCase& c = GetParam();
  TScriptedServer server(Says(QByteArray(c.response)));
  TFetchOptions options = QuickOptions();
  options.MaxBodyBytes = 64;
  const TUrlDownload download = FetchUrl(server.Url(QString::fromLatin1(c.path)), options);
  ASSERT_EQ(download.Ok(), c.ok) << c.name;
  if (c.ok) {
    EXPECT_EQ(ReadAll(download.FileName()), QByteArray(c.body));
  } else {
    EXPECT_EQ(download.Status().Message(), QStringLiteral("Connection failed"));
    EXPECT_EQ(download.Status().MessageKey(), QStringLiteral("sConnFail"));
    EXPECT_TRUE(download.FileName().isEmpty());
  }
}

// A close inside a chunk: depending on when the close reaches it, Qt's client reports it as an error or takes it
// for the end of the body. Either way nothing is invented: a failure is "Connection failed" with no file, a
// success holds exactly the bytes that arrived.
TEST(FetchChunkCutShortTest, FailsOrKeepsOnlyWhatArrived) {
  TScriptedServer server(Says(QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n9\r\n#ab")));
  const TUrlDownload download = FetchUrl(server.Url(QStringLiteral("/a.css")), QuickOptions());
  if (download.Ok()) {
    EXPECT_EQ(ReadAll(download.FileName()), QByteArray("#ab"));
  } else {
    EXPECT_EQ(download.Status().MessageKey(), QStringLiteral("sConnFail"));
    EXPECT_TRUE(download.FileName().isEmpty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FetchAnswerTest,
    ::testing::Values(
        TAnswerCase{"UntilClose", "HTTP/1.0 200 OK\r\n\r\n#123 #456", "/a.css", true, "#123 #456"},
        TAnswerCase{"EmptyBody", "HTTP/1.0 204 No Content\r\nContent-Length: 0\r\n\r\n", "/a.css", true, ""},
        TAnswerCase{"Chunked",
                    "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4;ext=1\r\n#abc\r\n"
                    "6\r\n #def0\r\n0\r\nX-Trailer: 1\r\n\r\n",
                    "/a.css", true, "#abc #def0"},
        TAnswerCase{"LengthStopsEarly", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n#abcdef", "/a.css", true,
                    "#abc"},
        // A redirect that names nowhere to go is no answer.
        TAnswerCase{"RedirectWithoutLocation", "HTTP/1.1 301 Moved\r\nContent-Length: 0\r\n\r\n", "/a.css", false,
                    ""},
        TAnswerCase{"NotFound", "HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\nnop", "/a.css", false, ""},
        TAnswerCase{"ServerError", "HTTP/1.1 500 Oops\r\n\r\n", "/a.css", false, ""},
        TAnswerCase{"NotHttp", "SSH-2.0-OpenSSH\r\n\r\n", "/a.css", false, ""},
        TAnswerCase{"HeaderNeverEnds", "HTTP/1.1 200 OK\r\nX: 1", "/a.css", false, ""},
        TAnswerCase{"CutShort", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n#abc", "/a.css", false, ""},
        TAnswerCase{"BadChunkSize", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", "/a.css",
                    false, ""},
        TAnswerCase{"ClaimedLengthOverLimit", "HTTP/1.1 200 OK\r\nContent-Length: 65\r\n\r\n", "/a.css", false,
                    ""},
        TAnswerCase{"BodyOverLimit",
                    "HTTP/1.0 200 OK\r\n\r\n"
                    "0123456789012345678901234567890123456789012345678901234567890123456789",
                    "/a.css", false, ""},
        TAnswerCase{"ChunksOverLimit",
                    "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                    "40\r\n0123456789012345678901234567890123456789012345678901234567890123\r\n1\r\nx\r\n0\r\n\r\n",
                    "/a.css", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchUrl, AServerThatNeverAnswersTimesOut) {
  auto released = std::make_shared<std::atomic<bool>>(false);
  TScriptedServer server([released](QTcpSocket&) {
    for (int i = 0; i < 250 && !*released; ++i) QThread::msleep(20);
  });
  const TUrlDownload download = FetchUrl(server.Url(QStringLiteral("/slow.html")), QuickOptions());
  *released = true;
  EXPECT_FALSE(download.Ok());
  EXPECT_EQ(download.Status().Message(), QStringLiteral("Connection failed"));
}

TEST(FetchUrl, RefusedConnectionAndBadAddressesFail) {
  quint16 closedPort = 0;
  {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    closedPort = probe.serverPort();
  }
  EXPECT_FALSE(FetchUrl(QStringLiteral("http://127.0.0.1:%1/a.css").arg(closedPort), QuickOptions()).Ok());
  EXPECT_FALSE(FetchUrl(QStringLiteral("http:///a.css"), QuickOptions()).Ok());
  EXPECT_FALSE(FetchUrl(QStringLiteral("example.com/a.css"), QuickOptions()).Ok());
  EXPECT_FALSE(FetchUrl(QStringLiteral("https://127.0.0.1:%1/a.css").arg(closedPort), QuickOptions()).Ok());
}

TEST(FetchUrl, TheDefaultPortIsUsedWhenTheAddressNamesNone) {
  TScriptedServer server(Says("HTTP/1.0 200 OK\r\n\r\nok"));
  TFetchOptions options = QuickOptions();
  options.DefaultPort = server.Port();
  const TUrlDownload download = FetchUrl(QStringLiteral("http://127.0.0.1/"), options);
  ASSERT_TRUE(download.Ok());
  EXPECT_EQ(QFileInfo(download.FileName()).fileName(), QStringLiteral("weburl.html"));
  EXPECT_TRUE(server.Request().contains("\r\nHost: 127.0.0.1\r\n"));
}

// A real server: Python's http.server serving a folder (skipped where python3 is missing).
class RealServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) GTEST_SKIP() << "python3 not found";
    ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("sub")));
    QFile page(root_.filePath(QStringLiteral("sub/page.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<p style=\"color:#C0FFEE\">#abc</p>");
    page.close();
    server_.setWorkingDirectory(root_.path());
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.start(python, {QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                           QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("0")});
    ASSERT_TRUE(server_.waitForStarted(5000));
    const QRegularExpression portLine(QStringLiteral("port (\\d+)"));
    QByteArray output;
    while (port_ == 0 && server_.waitForReadyRead(10000)) {
      output += server_.readAll();
      const auto match = portLine.match(QString::fromLatin1(output));
      if (match.hasMatch()) port_ = match.captured(1).toUShort();
    }
    ASSERT_NE(port_, 0) << output.toStdString();
  }
  void TearDown() override {
    if (server_.state() != QProcess::NotRunning) {
      server_.kill();
      server_.waitForFinished(3000);
    }
  }
  QString Url(const char* path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path); }

  QTemporaryDir root_;
  QProcess server_;
  quint16 port_ = 0;
};

TEST_F(RealServerTest, PageFolderRedirectAndMissingFile) {
  const TUrlDownload page = FetchUrl(Url("/sub/page.html"), QuickOptions());
  ASSERT_TRUE(page.Ok());
  EXPECT_EQ(ReadAll(page.FileName()), QByteArray("<p style=\"color:#C0FFEE\">#abc</p>"));

  const TUrlDownload listing = FetchUrl(Url("/sub/"), QuickOptions());
  ASSERT_TRUE(listing.Ok());
  EXPECT_EQ(QFileInfo(listing.FileName()).fileName(), QStringLiteral("weburl.html"));
  EXPECT_TRUE(ReadAll(listing.FileName()).contains("page.html"));

  // The server redirects "/sub" to "/sub/": the listing arrives, saved under the name the address gave.
  const TUrlDownload redirected = FetchUrl(Url("/sub"), QuickOptions());
  ASSERT_TRUE(redirected.Ok());
  EXPECT_EQ(QFileInfo(redirected.FileName()).fileName(), QStringLiteral("sub"));
  EXPECT_TRUE(ReadAll(redirected.FileName()).contains("page.html"));
  EXPECT_EQ(redirected.ContentType(), QStringLiteral("text/html"));
  EXPECT_FALSE(FetchUrl(Url("/missing.css"), QuickOptions()).Ok());
}

// An HTTP and an HTTPS server over one folder (web_test_server.py), the HTTPS one with a certificate made for
// this run by openssl; the fetch trusts it through ExtraCaCertificates only.
class SecureServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (python.isEmpty() || openssl.isEmpty()) GTEST_SKIP() << "python3 or openssl not found";
    const QString cert = root_.filePath(QStringLiteral("cert.pem"));
    const QString key = root_.filePath(QStringLiteral("key.pem"));
    QProcess make;
    make.start(openssl, {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert, "-days", "2",
                         "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost"});
    ASSERT_TRUE(make.waitForFinished(60000));
    ASSERT_EQ(make.exitCode(), 0) << make.readAllStandardError().toStdString();
    trusted_ = QSslCertificate::fromPath(cert);
    ASSERT_EQ(trusted_.size(), 1);
    Write("page.html", "<p style=\"color:#C0FFEE\">#abc</p>");
    Write("page.txt", "<p style=\"color:#C0FFEE\">#abc</p>");
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(qRgb(0x12, 0xAB, 0xEF));
    ASSERT_TRUE(image.save(root_.filePath(QStringLiteral("logo.bin")), "PNG"));

    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.start(python, {QStringLiteral("-u"), QStringLiteral(TINTORIUM_WEB_SERVER), root_.path(), cert, key});
    ASSERT_TRUE(server_.waitForStarted(5000));
    const QRegularExpression portLine(QStringLiteral("http (\\d+) https (\\d+)"));
    QByteArray output;
    while (httpsPort_ == 0 && server_.waitForReadyRead(10000)) {
      output += server_.readAllStandardOutput();
      const auto match = portLine.match(QString::fromLatin1(output));
      if (match.hasMatch()) {
        httpPort_ = match.captured(1).toUShort();
        httpsPort_ = match.captured(2).toUShort();
      }
    }
    ASSERT_NE(httpsPort_, 0) << output.toStdString() << server_.readAllStandardError().toStdString();
  }
  void TearDown() override {
    if (server_.state() != QProcess::NotRunning) {
      server_.kill();
      server_.waitForFinished(3000);
    }
  }
  void Write(const char* name, const QByteArray& bytes) {
    QFile file(root_.filePath(QLatin1String(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QString Http(const char* path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(httpPort_).arg(path); }
  QString Https(const char* path) const {
    return QStringLiteral("https://127.0.0.1:%1%2").arg(httpsPort_).arg(path);
  }
  TFetchOptions Trusting() const {
    TFetchOptions options;
    options.ConnectTimeoutMs = 5000;
    options.ReadTimeoutMs = 5000;
    options.ExtraCaCertificates = trusted_;
    return options;
  }

  QTemporaryDir root_;
  QProcess server_;
  QList<QSslCertificate> trusted_;
  quint16 httpPort_ = 0;
  quint16 httpsPort_ = 0;
};

TEST_F(SecureServerTest, HttpsWithATrustedCertificateOnly) {
  const TUrlDownload page = FetchUrl(Https("/page.html"), Trusting());
  ASSERT_TRUE(page.Ok());
  EXPECT_EQ(ReadAll(page.FileName()), QByteArray("<p style=\"color:#C0FFEE\">#abc</p>"));
  EXPECT_EQ(page.ContentType(), QStringLiteral("text/html"));

  TFetchOptions untrusting = Trusting();
  untrusting.ExtraCaCertificates.clear();
  const TUrlDownload refused = FetchUrl(Https("/page.html"), untrusting);
  EXPECT_FALSE(refused.Ok());
  EXPECT_EQ(refused.Status().MessageKey(), QStringLiteral("sConnFail"));
}

TEST_F(SecureServerTest, RedirectsFromHttpToHttpsAreFollowedButNotBackNorInALoop) {
  const QString viaHttp = Http("/to-https/page.html");
  const TUrlDownload upgraded = FetchUrl(viaHttp, Trusting());
  ASSERT_TRUE(upgraded.Ok()) << upgraded.Status().Message().toStdString();
  EXPECT_EQ(ReadAll(upgraded.FileName()), QByteArray("<p style=\"color:#C0FFEE\">#abc</p>"));

  EXPECT_FALSE(FetchUrl(Https("/to-http/page.html"), Trusting()).Ok());  // never from HTTPS down to HTTP
  const TUrlDownload loop = FetchUrl(Https("/loop"), Trusting());
  EXPECT_FALSE(loop.Ok());
  EXPECT_EQ(loop.Status().Message(), QStringLiteral("Connection failed"));
  EXPECT_FALSE(FetchUrl(Http("/loop"), Trusting()).Ok());
}

TEST_F(SecureServerTest, ABodyWithoutLengthStopsAtTheCap) {
  TFetchOptions capped = Trusting();
  capped.MaxBodyBytes = 100000;
  for (const QString& address : {Http("/endless"), Https("/endless")}) {
    const TUrlDownload download = FetchUrl(address, capped);
    EXPECT_FALSE(download.Ok()) << address.toStdString();
    EXPECT_TRUE(download.FileName().isEmpty());
  }
}

QStringList Hexes(const TReadResult<QList<TImportRow>>& rows) {
  QStringList hexes;
  for (const TImportRow& row : rows.Value) hexes.append(row.Hex);
  return hexes;
}

// Names like "page?id=3" or a bare host select no reader: the media type the server sends decides.
TEST_F(SecureServerTest, TheMediaTypeDecidesWhenTheNameNamesNoReader) {
  const auto page = ImportColorRows(Https("/typed/page?file=page.txt&type=text%2Fhtml%3B%20charset%3Dutf-8"), {},
                                    Trusting());
  ASSERT_TRUE(page.Ok()) << page.Status.Message().toStdString();
  EXPECT_EQ(Hexes(page), (QStringList{"C0FFEE", "aabbcc"}));
  const auto sheet = ImportColorRows(Http("/typed/?file=page.txt&type=TEXT%2FCSS"), {}, Trusting());
  EXPECT_EQ(Hexes(sheet), (QStringList{"C0FFEE", "aabbcc"}));
  const auto image = ImportColorRows(Https("/typed/logo?file=logo.bin&type=image%2Fpng"), {}, Trusting());
  ASSERT_TRUE(image.Ok()) << image.Status.Message().toStdString();
  EXPECT_EQ(Hexes(image), QStringList{"12ABEF"});
  // A name the readers know wins over the media type; a type they do not know imports nothing.
  const auto named = ImportColorRows(Https("/page.html"), {}, Trusting());
  EXPECT_EQ(Hexes(named), (QStringList{"C0FFEE", "aabbcc"}));
  const auto other = ImportColorRows(Https("/typed/x?file=page.txt&type=application%2Foctet-stream"), {}, Trusting());
  EXPECT_TRUE(other.Ok());
  EXPECT_TRUE(other.Value.isEmpty());
}

}  // namespace
}  // namespace tintorium
