// The templates we ship render a palette of 300 colours with awkward names, an empty one and a one-colour one
// into what their ecosystem reads: colors.xml for an XML parser with valid resource names, JSON for Qt's and
// Python's parsers, the Markdown table with one row per colour, Xresources lines, the Qt snippet for the C++
// compiler. CSS and JavaScript are checked by Node (templates_test.mjs).

#include "engine/formats/TemplateLibrary.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace tintorium {
namespace {

const QString kShipped = QStringLiteral(TINTORIUM_SOURCE_DIR "/data/Templates");

// Names that break a careless writer; repeated, so slugs must be made unique.
const QStringList kNames{QStringLiteral("Say \"hi\" & 'bye'"), QStringLiteral("<b>bold</b>"), QStringLiteral("a--b */ c"),
                         QString::fromUtf16(u"Gr\u00fcn \u7dd1"), QStringLiteral("back\\slash"),
                         QStringLiteral("${x} `tick` </script>"), QStringLiteral("a|b"), QString(), QStringLiteral("42")};

TColors Palette(int count) {
  TColors colors;
  for (int i = 0; i < count; ++i) {
    TColorObject color;
    color.SetRGB({(i * 37) % 256, (i * 91) % 256, (i * 13) % 256});
    colors.emplace_back(color, kNames[i % kNames.size()].toStdU16String());
  }
  return colors;
}

QString Render(const QString& file, int count) {
  TTemplateError error;
  const auto loaded = TExportTemplate::Load(kShipped + u'/' + file, &error);
  EXPECT_TRUE(loaded.has_value()) << file.toStdString() << ": " << error.Message().toStdString();
  if (!loaded) return {};
  return loaded->Render(Palette(count), QStringLiteral("Tricky <\"&'> palette")).value_or(QString());
}

constexpr int kCounts[] = {0, 1, 300};

TEST(ShippedTemplatesTest, AllOfThemAreListedWithTheirTitles) {
  const std::vector<TTemplateFile> files = ListTemplates({kShipped});
  QStringList titles;
  for (const TTemplateFile& file : files) titles << file.Title;
  EXPECT_EQ(titles, (QStringList{"Android colors.xml", "CSS theme block (@theme)", "JavaScript/TypeScript object",
                                 "JSON array", "Markdown table", "Qt QPalette snippet", "Xresources"}));
}

TEST(ShippedTemplatesTest, AndroidColorsAreXmlWithValidUniqueResourceNames) {
  for (int count : kCounts) {
    const QString xml = Render(QStringLiteral("android-colors.tpl"), count);
    QXmlStreamReader reader(xml);
    QSet<QString> names;
    int colors = 0;
    const QRegularExpression resourceName(QStringLiteral("^[a-z][a-z0-9_]*$"));
    const QRegularExpression value(QStringLiteral("^#[0-9A-F]{6}$"));
    while (!reader.atEnd()) {
      reader.readNext();
      if (!reader.isStartElement() || reader.name() != u"color") continue;
      ++colors;
      const QString name = reader.attributes().value(QStringLiteral("name")).toString();
      EXPECT_TRUE(resourceName.match(name).hasMatch()) << name.toStdString();
      names.insert(name);
      EXPECT_TRUE(value.match(reader.readElementText()).hasMatch());
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(colors, count);
    EXPECT_EQ(names.size(), count);
  }
}

TEST(ShippedTemplatesTest, JsonArrayKeepsEveryNameForQtAndPython) {
  QTemporaryDir dir;
  const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
  for (int count : kCounts) {
    const QString json = Render(QStringLiteral("json-array.tpl"), count);
    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(json.toUtf8(), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.left(400).toStdString();
    ASSERT_EQ(array.size(), count);
    for (int i = 0; i < count; ++i) EXPECT_EQ(array[i].toObject().value(u"name").toString(), kNames[i % kNames.size()]);
    if (python.isEmpty()) continue;
    QFile file(dir.filePath(QStringLiteral("out.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(json.toUtf8());
    file.close();
    QProcess process;
    process.start(python, {QStringLiteral("-c"),
                           QStringLiteral("import json,sys; print(len(json.load(open(sys.argv[1], encoding='utf-8'))))"),
                           file.fileName()});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput().trimmed(), QByteArray::number(count));
  }
  if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed: only Qt's JSON parser was asked";
}

TEST(ShippedTemplatesTest, MarkdownTableHasOneRowPerColourWithFiveCells) {
  for (int count : kCounts) {
    const QStringList lines = Render(QStringLiteral("markdown-table.tpl"), count).split(u'\n', Qt::SkipEmptyParts);
    int rows = 0;
    for (const QString& line : lines) {
      if (!line.startsWith(u'|')) continue;
      ++rows;
      // Cells are split at pipes without a backslash before them.
      const qsizetype pipes = line.count(QRegularExpression(QStringLiteral(R"((?<!\\)\|)")));
      EXPECT_EQ(pipes, 6) << line.toStdString();
    }
    EXPECT_EQ(rows, count + 2);
  }
}

TEST(ShippedTemplatesTest, XresourcesAreDefinesAndTerminalColours) {
  for (int count : kCounts) {
    const QStringList lines = Render(QStringLiteral("xresources.tpl"), count).split(u'\n', Qt::SkipEmptyParts);
    const QRegularExpression define(QStringLiteral("^#define [a-z][a-z0-9_]* #[0-9a-f]{6}$"));
    const QRegularExpression terminal(QStringLiteral(R"(^\*color(\d+): #[0-9a-f]{6}$)"));
    int defines = 0;
    int colors = 0;
    for (const QString& line : lines) {
      if (line.startsWith(u'!')) continue;
      if (define.match(line).hasMatch()) {
        ++defines;
      } else {
        const auto match = terminal.match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
        EXPECT_EQ(match.captured(1).toInt(), colors++);
      }
    }
    EXPECT_EQ(defines, count);
    EXPECT_EQ(colors, count);
  }
}

// The compiler is the Qt snippet's parser: it must compile against Qt's headers as it is.
TEST(ShippedTemplatesTest, QtSnippetCompiles) {
  const QString compiler = QStandardPaths::findExecutable(QStringLiteral("c++"));
  if (compiler.isEmpty()) GTEST_SKIP() << "no C++ compiler";
  QTemporaryDir dir;
  for (int count : kCounts) {
    QFile header(dir.filePath(QStringLiteral("palette.h")));
    ASSERT_TRUE(header.open(QIODevice::WriteOnly | QIODevice::Truncate));
    header.write(Render(QStringLiteral("qt-palette.tpl"), count).toUtf8());
    header.close();
    QFile source(dir.filePath(QStringLiteral("use.cpp")));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly | QIODevice::Truncate));
    source.write("#include \"palette.h\"\nint main() { return PaletteFromColors().color(QPalette::Window).alpha() == 255 ? 0 : 1; }\n");
    source.close();
    QStringList arguments{QStringLiteral("-fsyntax-only"), QStringLiteral("-std=c++17"), QStringLiteral("-fPIC"),
                          QStringLiteral("-Wall"), QStringLiteral("-Werror")};
    // The system folder stays the compiler's own: named again it would break its #include_next.
    for (const QString& include : QStringLiteral(TINTORIUM_QT_INCLUDES).split(u'|', Qt::SkipEmptyParts))
      if (include != u"/usr/include" && !arguments.contains(include)) arguments << QStringLiteral("-isystem") << include;
    arguments << source.fileName();
    QProcess process;
    process.start(compiler, arguments);
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << count << " colours:\n" << process.readAllStandardError().toStdString();
  }
}

}  // namespace
}  // namespace tintorium
