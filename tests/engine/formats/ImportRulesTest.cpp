// What the import wizard lists: the reader a path selects, the two filters, and web addresses.
#include "engine/formats/ImportRules.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

namespace tintorium {
namespace {

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return path;
}

QStringList Hexes(const QList<TImportRow>& rows) {
  QStringList hexes;
  for (const TImportRow& row : rows) hexes.append(row.Hex);
  return hexes;
}

struct TFilterCase {
  const char* name;
  bool noDuplicates;
  bool noGrays;
  QStringList expected;
};

class ImportFilterTest : public ::testing::TestWithParam<TFilterCase> {};

TEST_P(ImportFilterTest, GraysFirstThenDuplicatesByColourValue) {
  QTemporaryDir dir;
  const QString page = WriteFile(dir, "page.HTML", "#FFFFFF #ffffff #123456 #808080 #123456 #12345A #fff");
  const TFilterCase& c = GetParam();
  const auto rows = ImportColorRows(page, {c.noDuplicates, c.noGrays});
  ASSERT_TRUE(rows.Ok());
  EXPECT_EQ(Hexes(rows.Value), c.expected);
  for (const TImportRow& row : rows.Value) EXPECT_EQ(row.Caption, row.Hex);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ImportFilterTest,
    ::testing::Values(
        TFilterCase{"None", false, false,
                    {"FFFFFF", "ffffff", "123456", "808080", "123456", "12345A", "ffffff"}},
        // #FFFFFF, #ffffff and #fff are one colour, whatever their letter case.
        TFilterCase{"NoDuplicates", true, false, {"FFFFFF", "123456", "808080", "12345A"}},
        TFilterCase{"NoGrays", false, true, {"123456", "123456", "12345A"}},
        TFilterCase{"Both", true, true, {"123456", "12345A"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TSourceCase {
  const char* path;
  TImportSource source;
};

class ImportSourceTest : public ::testing::TestWithParam<TSourceCase> {};

TEST_P(ImportSourceTest, ExtensionPicksTheReader) {
  EXPECT_EQ(ImportSourceForPath(QString::fromLatin1(GetParam().path)), GetParam().source);
}

INSTANTIATE_TEST_SUITE_P(Paths, ImportSourceTest,
                         ::testing::Values(TSourceCase{"a.aco", TImportSource::Aco},
                                           TSourceCase{"a.ACT", TImportSource::Act},
                                           TSourceCase{"a.gpl", TImportSource::Gpl},
                                           TSourceCase{"a.ASE", TImportSource::Ase},
                                           TSourceCase{"a.bmp", TImportSource::Image},
                                           TSourceCase{"a.jpg", TImportSource::Image},
                                           TSourceCase{"a.JPEG", TImportSource::Image},
                                           TSourceCase{"a.png", TImportSource::Image},
                                           TSourceCase{"a.gif", TImportSource::Gif},
                                           TSourceCase{"a.css", TImportSource::WebText},
                                           TSourceCase{"a.htm", TImportSource::WebText},
                                           TSourceCase{"a.php", TImportSource::WebText},
                                           TSourceCase{"page.phpqidr3", TImportSource::None},
                                           TSourceCase{"example.com", TImportSource::None},
                                           TSourceCase{"a.tnp", TImportSource::None},
                                           TSourceCase{"dir.css/file", TImportSource::None}));

TEST(ImportColorRows, SwatchNamesBecomeCaptions) {
  QTemporaryDir dir;
  // Version 2 only: one RGB swatch named "Sky".
  const QByteArray named("\x00\x02\x00\x01" "\x00\x00\xFF\xFF\x80\x80\x00\x00\x00\x00"
                         "\x00\x00\x00\x04\x00S\x00k\x00y\x00\x00", 26);
  const auto rows = ImportColorRows(WriteFile(dir, "named.aco", named), {});
  ASSERT_TRUE(rows.Ok()) << rows.Status.Message().toStdString();
  EXPECT_EQ(rows.Value, (QList<TImportRow>{{"Sky", "FF8000"}}));

  const auto table = ImportColorRows(QStringLiteral(TINTORIUM_CORPUS "/swatches/solarized-solarized.act"), {});
  ASSERT_TRUE(table.Ok());
  ASSERT_EQ(table.Value.size(), 16);  // the table's count, not its 240 unused black entries
  EXPECT_EQ(table.Value[0].Caption, table.Value[0].Hex);
  const auto distinct = ImportColorRows(QStringLiteral(TINTORIUM_CORPUS "/swatches/solarized-solarized.act"),
                                        {true, false});
  EXPECT_EQ(distinct.Value.size(), 16);
}

TEST(ImportColorRows, GimpAndSwatchExchangeNamesBecomeCaptionsAndUnnamedColoursTheirHex) {
  QTemporaryDir dir;
  const auto gpl = ImportColorRows(WriteFile(dir, "p.gpl", "GIMP Palette\n255 128 0 Orange\n0 0 0\n255 128 0 Again\n"), {});
  ASSERT_TRUE(gpl.Ok()) << gpl.Status.Message().toStdString();
  EXPECT_EQ(gpl.Value, (QList<TImportRow>{{"Orange", "FF8000"}, {"000000", "000000"}, {"Again", "FF8000"}}));
  const auto filtered = ImportColorRows(dir.filePath("p.gpl"), {true, true});
  EXPECT_EQ(filtered.Value, (QList<TImportRow>{{"Orange", "FF8000"}}));

  const auto ase = ImportColorRows(QStringLiteral(TINTORIUM_CORPUS "/swatches/dagronf-control.ase"), {});
  ASSERT_TRUE(ase.Ok());
  EXPECT_EQ(ase.Value, (QList<TImportRow>{{"Simple / White", "FFFFFF"}, {"Simple / Black", "000000"}}));
  const auto old = ImportColorRows(QStringLiteral(TINTORIUM_CORPUS "/swatches/dagronf-unsupported_version.ase"), {});
  EXPECT_FALSE(old.Ok());
  EXPECT_TRUE(old.Value.isEmpty());
}

TEST(ImportColorRows, ImagesAndFailures) {
  QTemporaryDir dir;
  QImage image(4, 2, QImage::Format_RGB32);
  image.fill(qRgb(0x12, 0xAB, 0xEF));
  image.setPixel(0, 0, qRgb(0, 0, 0));
  const QString png = dir.filePath("two.png");
  ASSERT_TRUE(image.save(png));
  const auto rows = ImportColorRows(png, {false, true});
  ASSERT_TRUE(rows.Ok());
  EXPECT_EQ(Hexes(rows.Value), QStringList{"12ABEF"});

  EXPECT_EQ(ImportColorRows(dir.filePath("missing.aco"), {}).Status.Message(), QStringLiteral("File not found"));
  const auto missingPage = ImportColorRows(dir.filePath("missing.css"), {});
  EXPECT_TRUE(missingPage.Ok());
  EXPECT_TRUE(missingPage.Value.isEmpty());
  const auto other = ImportColorRows(WriteFile(dir, "notes.txt", "#FF8000"), {});
  EXPECT_TRUE(other.Ok());
  EXPECT_TRUE(other.Value.isEmpty());
  EXPECT_FALSE(ImportColorRows(WriteFile(dir, "bad.png", "not an image"), {}).Ok());
}

// A server on its own thread answering every connection with `body` as a page.
class TPageServer {
 public:
  explicit TPageServer(QByteArray body) {
    thread_.reset(QThread::create([this, body] {
      QTcpServer server;
      server.listen(QHostAddress::LocalHost, 0);
      port_ = server.serverPort();
      while (!stop_) {
        if (!server.waitForNewConnection(50)) continue;
        std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
        QByteArray request;
        while (!request.contains("\r\n\r\n") && socket->waitForReadyRead(2000)) request += socket->readAll();
        const QByteArray status = request.startsWith("GET /missing") ? "404 Not Found" : "200 OK";
        socket->write("HTTP/1.0 " + status + "\r\n\r\n" + body);
        socket->waitForBytesWritten(2000);
        socket->disconnectFromHost();
      }
    }));
    thread_->start();
    while (port_ == 0) QThread::msleep(5);
  }
  ~TPageServer() {
    stop_ = true;
    thread_->wait();
  }
  QString Url(const char* path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(port_.load()).arg(path); }

 private:
  std::unique_ptr<QThread> thread_;
  std::atomic<quint16> port_{0};
  std::atomic<bool> stop_{false};
};

TEST(ImportColorRows, AddressesAreFetchedAndImportedByTheirName) {
  TPageServer server("<b style=\"color:#C0FFEE\">#abc</b>");
  TFetchOptions fetch;
  fetch.ReadTimeoutMs = 2000;
  const auto page = ImportColorRows(server.Url("/dir/"), {}, fetch);
  ASSERT_TRUE(page.Ok()) << page.Status.Message().toStdString();
  EXPECT_EQ(Hexes(page.Value), (QStringList{"C0FFEE", "aabbcc"}));
  EXPECT_EQ(Hexes(ImportColorRows(server.Url("/site.css"), {}, fetch).Value), (QStringList{"C0FFEE", "aabbcc"}));
  // Named like the host, or with a query: no importer matches the temporary name.
  EXPECT_TRUE(ImportColorRows(server.Url(""), {}, fetch).Value.isEmpty());
  EXPECT_TRUE(ImportColorRows(server.Url("/page.php?id=3"), {}, fetch).Value.isEmpty());
  const auto missing = ImportColorRows(server.Url("/missing.css"), {}, fetch);
  EXPECT_EQ(missing.Status.Message(), QStringLiteral("Connection failed"));
  EXPECT_TRUE(missing.Value.isEmpty());
}

}  // namespace
}  // namespace tintorium
