// The "#" colour scanner over texts, encodings, real pages and random bytes.
#include "interchange/WebScan.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>
#include <thread>

#include <sys/stat.h>
#include <string>

namespace tintorium {
namespace {

QStringList Scan(const char* text) { return ScanTextColors(QString::fromUtf8(text)); }

// The scan as described, cutting and copying the text after every "#": slow but obviously right.
QStringList ReferenceScan(std::u16string text) {
  auto hex = [](char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
  };
  QStringList colors;
  for (auto p = text.find(u'#'); p != std::u16string::npos; p = text.find(u'#')) {
    const std::u16string six = text.substr(p + 1, 6);
    const std::u16string three = text.substr(p + 1, 3);
    text = text.substr(std::min(p + 4, text.size()));
    if (six.size() == 6 && std::all_of(six.begin(), six.end(), hex)) {
      colors.append(QString::fromStdU16String(six));
    } else if (three.size() == 3 && std::all_of(three.begin(), three.end(), hex)) {
      colors.append(QString::fromStdU16String({three[0], three[0], three[1], three[1], three[2], three[2]}));
    }
  }
  return colors;
}

QStringList ReferenceScanBytes(const QByteArray& bytes) {
  std::u16string text;
  for (char c : bytes) text.push_back(static_cast<unsigned char>(c));
  return ReferenceScan(text);
}

struct TScanCase {
  const char* name;
  const char* text;
  QStringList expected;
};

class ScanTextTest : public ::testing::TestWithParam<TScanCase> {};

TEST_P(ScanTextTest, FindsTheColoursInOrder) {
  EXPECT_EQ(Scan(GetParam().text), GetParam().expected) << GetParam().text;
  EXPECT_EQ(ScanTextColorsInBytes(QByteArray(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScanTextTest,
    ::testing::Values(
        TScanCase{"ThreeDigitsDoubled", "color:#FFF;", {"FFFFFF"}},
        TScanCase{"LowerCaseKept", "color:#e0e0e0;", {"e0e0e0"}},
        TScanCase{"SixOfEight", "#abcdef12", {"abcdef"}},
        TScanCase{"WordAfterHash", "#fade-in", {"ffaadd"}},
        TScanCase{"CharacterReference", "&#160;", {"116600"}},
        TScanCase{"HashAtEnd", "a {} #", {}},
        TScanCase{"TwoDigitsOnly", "#12", {}},
        TScanCase{"NonHexInFirstThree", "#1g3456", {}},
        TScanCase{"FiveDigits", "#12345", {"112233"}},
        TScanCase{"ThreeAtEnd", "x#ABC", {"AABBCC"}},
        TScanCase{"DuplicatesKept", "#123456 #123456", {"123456", "123456"}},
        // The four units after a "#" are consumed whatever was found, a second "#" among them included.
        TScanCase{"HashInsideConsumed", "#a#fff", {}},
        TScanCase{"RescanAfterFourth", "#123456#abc", {"123456", "aabbcc"}},
        TScanCase{"AdjacentShortForms", "#abc#def", {"aabbcc", "ddeeff"}},
        TScanCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanTextColorsInBytes, ByteOrderMarkSelectsTheEncoding) {
  // Without a mark each byte is a character, so the two bytes of "é" are two of the three consumed units.
  const QByteArray text("#\xC3\xA9" "a#fff");
  EXPECT_EQ(ScanTextColorsInBytes(text), QStringList{"ffffff"});
  EXPECT_EQ(ScanTextColorsInBytes("\xEF\xBB\xBF" + text), QStringList{});

  QByteArray le("\xFF\xFE", 2);
  QByteArray be("\xFE\xFF", 2);
  for (char16_t c : std::u16string(u"x:#0aF;y:#Fe8012")) {
    le.append(static_cast<char>(c & 0xFF)).append(static_cast<char>(c >> 8));
    be.append(static_cast<char>(c >> 8)).append(static_cast<char>(c & 0xFF));
  }
  const QStringList expected{"00aaFF", "Fe8012"};
  EXPECT_EQ(ScanTextColorsInBytes(le), expected);
  EXPECT_EQ(ScanTextColorsInBytes(be), expected);
  le.chop(1);  // an odd last byte is no character: "#Fe801" is left
  EXPECT_EQ(ScanTextColorsInBytes(le), (QStringList{"00aaFF", "FFee88"}));
}

struct TCorpusCase {
  const char* file;
  int colors;
  int distinct;
  const char* first;
  const char* last;
};

class ScanCorpusTest : public ::testing::TestWithParam<TCorpusCase> {};

TEST_P(ScanCorpusTest, MatchesTheRecordedCounts) {
  const TCorpusCase& c = GetParam();
  const TReadResult<QStringList> found = ScanTextColorsFile(QStringLiteral(TINTORIUM_CORPUS "/web/") + c.file);
  ASSERT_TRUE(found.Ok()) << found.Status.Message().toStdString();
  ASSERT_EQ(found.Value.size(), c.colors);
  QSet<QString> distinct;
  for (const QString& color : found.Value) distinct.insert(color.toLower());
  EXPECT_EQ(distinct.size(), c.distinct);
  EXPECT_EQ(found.Value.first(), QString::fromLatin1(c.first));
  EXPECT_EQ(found.Value.last(), QString::fromLatin1(c.last));
}

INSTANTIATE_TEST_SUITE_P(Corpus, ScanCorpusTest,
                         ::testing::Values(TCorpusCase{"github-markdown.css", 92, 55, "4493f8", "1f2328"},
                                           TCorpusCase{"github-markdown-demo.html", 20, 9, "0d1117", "bbaacc"},
                                           TCorpusCase{"email.html", 18, 6, "f4f5f6", "0867ec"},
                                           TCorpusCase{"twentytwenty-style.css", 86, 9, "f5efe0", "dedfdf"},
                                           TCorpusCase{"bulma.min.css", 57, 11, "090a0c", "f9fafb"}),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           std::replace_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(ch); }, '_');
                           return name;
                         });

TEST(ScanTextColorsFile, MissingFileIsEmptyAndUnreadableFileFails) {
  const TReadResult<QStringList> missing = ScanTextColorsFile(QStringLiteral("/nonexistent/page.html"));
  EXPECT_TRUE(missing.Ok());
  EXPECT_TRUE(missing.Value.isEmpty());

  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("looks-like.css"));
  ASSERT_TRUE(QDir().mkdir(folder));
  const TReadResult<QStringList> unreadable = ScanTextColorsFile(folder);
  EXPECT_FALSE(unreadable.Ok());
  EXPECT_EQ(unreadable.Status.Message(), QStringLiteral("Could not read file!"));
}

TEST(ScanTextColorsFile, PipesAreReadButEndlessDevicesAreRefused) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath(QStringLiteral("page.css"));
  ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  std::thread writer([&fifo] {
    QFile pipe(fifo);
    if (pipe.open(QIODevice::WriteOnly)) pipe.write("a{color:#C0FFEE}");
  });
  const TReadResult<QStringList> piped = ScanTextColorsFile(fifo);
  writer.join();
  ASSERT_TRUE(piped.Ok());
  EXPECT_EQ(piped.Value, QStringList{"C0FFEE"});

  const TReadResult<QStringList> endless = ScanTextColorsFile(QStringLiteral("/dev/zero"));
  EXPECT_FALSE(endless.Ok());
  EXPECT_TRUE(endless.Value.isEmpty());
}

// Random bytes weighted toward "#" and hexadecimal digits, against the copying reference.
TEST(ScanTextColorsFuzz, RandomBytesAgreeWithTheReference) {
  std::mt19937 random(20261210);
  const std::string alphabet = "#####0123456789abcdefABCDEFxyz;: \n\xC3\xA9\xFF";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> anyByte(0, 255);
  std::uniform_int_distribution<int> length(0, 600);
  for (int round = 0; round < 400; ++round) {
    QByteArray bytes;
    const int n = length(random);
    for (int i = 0; i < n; ++i) {
      bytes.append(round % 4 == 0 ? static_cast<char>(anyByte(random)) : alphabet[pick(random)]);
    }
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
      bytes.prepend('x');
    }
    ASSERT_EQ(ScanTextColorsInBytes(bytes), ReferenceScanBytes(bytes)) << "round " << round;
  }
}

TEST(ScanTextColorsFuzz, EveryPrefixOfARealPageAgreesWithTheReference) {
  QFile file(QStringLiteral(TINTORIUM_CORPUS "/web/email.html"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray page = file.readAll();
  for (qsizetype length = 0; length <= page.size(); length += 13) {
    const QByteArray prefix = page.left(length);
    ASSERT_EQ(ScanTextColorsInBytes(prefix), ReferenceScanBytes(prefix)) << "length " << length;
  }
}

}  // namespace
}  // namespace tintorium
