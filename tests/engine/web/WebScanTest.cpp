// The "#" colour scanner over texts, encodings, real pages and random bytes.
#include "engine/web/WebScan.h"

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

// The colours a stream finds when the bytes arrive cut at the given offsets.
QStringList StreamScan(const QByteArray& bytes, const std::vector<qsizetype>& cuts) {
  QStringList colors;
  TWebColorStream stream([&colors](const QString& color) { colors.append(color); });
  qsizetype from = 0;
  for (qsizetype cut : cuts) {
    stream.Feed(QByteArrayView(bytes).sliced(from, cut - from));
    from = cut;
  }
  stream.Feed(QByteArrayView(bytes).sliced(from));
  stream.Finish();
  return colors;
}

QByteArray Utf16(std::u16string_view text, bool littleEndian) {
  QByteArray bytes(littleEndian ? "\xFF\xFE" : "\xFE\xFF", 2);
  for (char16_t c : text) {
    const char lo = static_cast<char>(c & 0xFF);
    const char hi = static_cast<char>(c >> 8);
    bytes.append(littleEndian ? lo : hi).append(littleEndian ? hi : lo);
  }
  return bytes;
}

struct TBoundaryCase {
  const char* name;
  QByteArray bytes;
  QStringList expected;
};

class StreamBoundaryTest : public ::testing::TestWithParam<TBoundaryCase> {};

// Every offset of one block end, then every block size from 1 byte: each colour is found once, none is added.
TEST_P(StreamBoundaryTest, AColourCutByABlockEndIsFoundOnce) {
  const TBoundaryCase& c = GetParam();
  ASSERT_EQ(ScanTextColorsInBytes(c.bytes), c.expected);
  for (qsizetype cut = 0; cut <= c.bytes.size(); ++cut) {
    EXPECT_EQ(StreamScan(c.bytes, {cut}), c.expected) << "block end at " << cut;
  }
  for (qsizetype block = 1; block <= 9; ++block) {
    std::vector<qsizetype> cuts;
    for (qsizetype cut = block; cut < c.bytes.size(); cut += block) cuts.push_back(cut);
    EXPECT_EQ(StreamScan(c.bytes, cuts), c.expected) << "blocks of " << block;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Notations, StreamBoundaryTest,
    ::testing::Values(
        TBoundaryCase{"SixDigits", "a{color:#C0FFEE}", {"C0FFEE"}},
        TBoundaryCase{"ThreeDigits", "b{c:#FaB;}", {"FFaaBB"}},
        TBoundaryCase{"ThreeAtTheEnd", "x#ABC", {"AABBCC"}},
        TBoundaryCase{"FiveDigitsAtTheEnd", "x#12345", {"112233"}},
        TBoundaryCase{"HashInsideConsumed", "#a#fff #123", {"112233"}},
        TBoundaryCase{"RescanAfterFourth", "#123456#abc", {"123456", "aabbcc"}},
        TBoundaryCase{"AdjacentShortForms", "#abc#def#", {"aabbcc", "ddeeff"}},
        // "é" and "€" are one character each here, so the first "#" consumes the second.
        TBoundaryCase{"Utf8Mark", "\xEF\xBB\xBF#\xC3\xA9" "a#fff \xE2\x82\xAC#abc", {"aabbcc"}},
        // A sequence cut by the block end and broken by the next byte must not take that byte with it.
        TBoundaryCase{"Utf8BrokenSequences", "\xEF\xBB\xBF\xE2\x82#abc \xF0#123456", {"aabbcc", "123456"}},
        TBoundaryCase{"Utf8LongRun", QByteArray("\xEF\xBB\xBF#12") + QByteArray("\xC3\xA9").repeated(30) + "#abc",
                      {"aabbcc"}},
        TBoundaryCase{"Utf16LittleEndian", Utf16(u"x:#0aF;\u20AC#Fe8012#1", true), {"00aaFF", "Fe8012"}},
        TBoundaryCase{"Utf16BigEndian", Utf16(u"x:#0aF;\u20AC#Fe8012#1", false), {"00aaFF", "Fe8012"}},
        TBoundaryCase{"MarkAloneIsEmptyText", "\xFF\xFE", {}},
        TBoundaryCase{"ShortTextWithoutMark", "#a", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The text a byte-order mark announces, decoded in one piece as the whole-file scan always did.
std::u16string WholeText(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.sliced(3)).toStdU16String();
  const bool le = bytes.startsWith("\xFF\xFE");
  if (!le && !bytes.startsWith("\xFE\xFF")) return QString::fromLatin1(bytes).toStdU16String();
  std::u16string text;
  for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    text.push_back(static_cast<char16_t>(le ? a | (b << 8) : (a << 8) | b));
  }
  return text;
}

// Random bytes in random blocks, in each encoding, against the copying reference over the decoded whole; broken
// UTF-8 sequences cut by block ends included.
TEST(WebColorStreamFuzz, RandomBlocksAgreeWithTheReference) {
  std::mt19937 random(20261211);
  // The second alphabet makes long runs without an ASCII character.
  const std::string alphabets[] = {"####0123456789abcdefABCDEFxy; \xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xA8\xFF\x80",
                                   "#a1\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xA8\xFF\x80\xBF\xE2\x82\xF0\x9F\xC3\xA9"};
  std::uniform_int_distribution<int> length(0, 400);
  std::uniform_int_distribution<qsizetype> block(1, 40);
  const char* marks[] = {"", "\xEF\xBB\xBF", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
  for (int round = 0; round < 1000; ++round) {
    QByteArray bytes(marks[round % 5]);
    const std::string& alphabet = alphabets[(round / 5) % 2];
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int i = length(random); i > 0; --i) bytes.append(alphabet[pick(random)]);
    std::vector<qsizetype> cuts;
    for (qsizetype cut = block(random); cut < bytes.size(); cut += block(random)) cuts.push_back(cut);
    const QStringList expected = ReferenceScan(WholeText(bytes));
    ASSERT_EQ(StreamScan(bytes, cuts), expected) << "round " << round;
    ASSERT_EQ(ScanTextColorsInBytes(bytes), expected) << "round " << round;
  }
}

// The file scan with small blocks injected finds what the whole scan finds, in every real page.
TEST(ScanTextColorsFile, SmallBlocksFindWhatTheWholeFileHolds) {
  for (const QString& name : QDir(QStringLiteral(TINTORIUM_CORPUS "/web")).entryList(QDir::Files)) {
    const QString path = QStringLiteral(TINTORIUM_CORPUS "/web/") + name;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList whole = ScanTextColorsInBytes(file.readAll());
    for (qsizetype blockSize : {1, 7, 4096}) {
      QStringList found;
      const TFileResult status =
          ScanTextColorsFile(path, [&found](const QString& color) { found.append(color); }, blockSize);
      ASSERT_TRUE(status.Ok()) << name.toStdString();
      EXPECT_EQ(found, whole) << name.toStdString() << " in blocks of " << blockSize;
    }
  }
}

}  // namespace
}  // namespace tintorium
