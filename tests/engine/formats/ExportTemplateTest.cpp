// Export templates: the faults a template is refused for, with their line and column; what each placeholder
// gives; names escaped for each kind so that the kind's own parser reads them back; the templates found in
// the folders.

#include "engine/formats/ExportTemplate.h"
#include "engine/formats/TemplateLibrary.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace tintorium {
namespace {

TColorObjectFx Rgb(int r, int g, int b, const QString& name) {
  TColorObject color;
  color.SetRGB({r, g, b});
  return {color, name.toStdU16String()};
}

QString RenderText(const QString& text, const TColors& colors, const QString& palette = QStringLiteral("P")) {
  TTemplateError error;
  const TExportTemplate parsed = TExportTemplate::Parse(text, &error);
  EXPECT_TRUE(parsed.IsValid()) << error.Message().toStdString();
  return parsed.Render(colors, palette).value_or(QStringLiteral("<refused>"));
}

struct TFault {
  const char* Name;
  const char16_t* Text;
  int Line;
  int Column;
  const char* Says;
};

class TemplateFaultTest : public ::testing::TestWithParam<TFault> {};

TEST_P(TemplateFaultTest, IsRefusedWithItsPlace) {
  TTemplateError error;
  const TExportTemplate parsed = TExportTemplate::Parse(QString::fromUtf16(GetParam().Text), &error);
  EXPECT_FALSE(parsed.IsValid());
  EXPECT_FALSE(parsed.Render({}, {}).has_value());
  EXPECT_EQ(error.Line, GetParam().Line);
  EXPECT_EQ(error.Column, GetParam().Column);
  EXPECT_TRUE(error.Text.contains(QLatin1String(GetParam().Says))) << error.Text.toStdString();
  EXPECT_TRUE(error.Message().startsWith(QStringLiteral("line %1, column %2: ").arg(GetParam().Line).arg(GetParam().Column)));
}

INSTANTIATE_TEST_SUITE_P(
    Templates, TemplateFaultTest,
    ::testing::Values(
        TFault{"UnknownPlaceholder", u"kind: xml\n<a>{{nmae}}</a>", 2, 4, "unknown placeholder {{nmae}}"},
        TFault{"UnknownAfterWideText", u"kind: text\n\u00e4\u7dd1 {{x}}", 2, 4, "unknown placeholder {{x}}"},
        TFault{"UnclosedLoop", u"kind: text\nhead\n  {{#colors}}\n{{hex}}\n", 3, 3, "{{#colors}} is not closed"},
        TFault{"UnclosedLastInsideLoop", u"kind: text\n{{#colors}}{{^last}},{{/colors}}", 2, 22,
               "{{/colors}} found where {{/last}} was expected"},
        TFault{"UnclosedBraces", u"kind: text\nx {{name\n}}", 2, 3, "not closed by \"}}\""},
        TFault{"ColourOutsideLoop", u"kind: text\n\n{{hex}}", 3, 1, "{{hex}} stands only inside {{#colors}}"},
        TFault{"LastOutsideLoop", u"kind: text\n{{#last}}{{/last}}", 2, 1, "only inside {{#colors}}"},
        TFault{"NestedLoops", u"kind: text\n{{#colors}}{{#colors}}{{/colors}}{{/colors}}", 2, 12,
               "cannot stand inside"},
        TFault{"CloseOfNothing", u"kind: text\n{{/colors}}", 2, 1, "closes nothing"},
        TFault{"UnknownSection", u"kind: text\n{{#rows}}{{/rows}}", 2, 1, "unknown section {{#rows}}"},
        TFault{"NoKind", u"<resources/>", 1, 1, "the first line names the kind"},
        TFault{"EmptyHeader", u"\n{{palette}}", 1, 1, "must name the kind"},
        TFault{"UnknownKind", u"kind: yaml", 1, 1, "the kind is one of"},
        TFault{"UnknownHeaderKey", u"title: x; kind: text;  color: red", 1, 24, "not \"color\""},
        TFault{"BadExtension", u"kind: text; extension: ../x", 1, 13, "extension"},
        TFault{"Expression", u"kind: text\n{{#colors}}{{r + 1}}{{/colors}}", 2, 12, "unknown placeholder {{r + 1}}"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ExportTemplateTest, EachPlaceholderGivesItsValue) {
  const TColors colors{Rgb(255, 128, 0, QStringLiteral("Sea & Sky")), Rgb(255, 128, 0, QString()),
                       Rgb(0, 0, 0, QStringLiteral("Sea & Sky"))};
  const QString text = RenderText(
      QStringLiteral("kind: text\n{{palette}} {{count}}\n{{#colors}}"
                     "{{index}}/{{number}} {{name}}|{{hex}}|{{HEX}}|{{r}} {{g}} {{b}}|{{slug}}|{{ident}}"
                     "{{^last}};{{/last}}{{#last}}.{{/last}}\n{{/colors}}"),
      colors, QStringLiteral("My palette"));
  EXPECT_EQ(text, QStringLiteral("My palette 3\n"
                                 "0/1 Sea & Sky|ff8000|FF8000|255 128 0|sea-sky|sea_sky;\n"
                                 "1/2 |ff8000|FF8000|255 128 0|color-ff8000|color_ff8000;\n"
                                 "2/3 Sea & Sky|000000|000000|0 0 0|sea-sky-2|sea_sky_2.\n"));

  // The models' records and the CSS notations, for one colour whose records are all known.
  TColorObject orange;
  orange.SetRGB({255, 128, 0});
  const QString models = RenderText(QStringLiteral("kind: text\n{{#colors}}{{h}} {{s}} {{v}}|{{l}} {{a}} {{b_lab}}|"
                                                   "{{c}} {{m}} {{y}} {{k}}|{{css_rgb}}|{{oklch}}{{/colors}}"),
                                    {TColorObjectFx(orange, u"o")});
  const THSBValues hsb = orange.GetHSB();
  const TLabValues lab = orange.GetLab();
  const TCMYKValues c = orange.GetCMYK();
  const QStringList parts = models.split(u'|');
  ASSERT_EQ(parts.size(), 5);
  EXPECT_EQ(parts[0], QStringLiteral("%1 %2 %3").arg(hsb.H % 360).arg(hsb.S).arg(hsb.B));
  EXPECT_EQ(parts[1], QStringLiteral("%1 %2 %3").arg(lab.L).arg(lab.a).arg(lab.b));
  EXPECT_EQ(parts[2], QStringLiteral("%1 %2 %3 %4").arg(c.C).arg(c.M).arg(c.Y).arg(c.K));
  EXPECT_EQ(parts[3], QStringLiteral("rgb(255 128 0)"));
  EXPECT_TRUE(parts[4].startsWith(QStringLiteral("oklch("))) << parts[4].toStdString();
}

TEST(ExportTemplateTest, SectionTagsAloneOnTheirLineTakeTheLineAndCrLfStays) {
  const TColors two{Rgb(1, 2, 3, QStringLiteral("a")), Rgb(4, 5, 6, QStringLiteral("b"))};
  EXPECT_EQ(RenderText(QStringLiteral("kind: json\r\n[\r\n  {{#colors}}  \r\n  \"{{name}}\"{{^last}},{{/last}}\r\n"
                                      "  {{/colors}}\r\n]\r\n"),
                       two),
            QStringLiteral("[\r\n  \"a\",\r\n  \"b\"\r\n]\r\n"));
  // Not alone: the text around stays as written.
  EXPECT_EQ(RenderText(QStringLiteral("kind: text\n({{#colors}}{{name}} {{/colors}})\n"), two), QStringLiteral("(a b )\n"));
  EXPECT_EQ(RenderText(QStringLiteral("kind: text\n{{#colors}}x{{/colors}}"), {}), QString());
  EXPECT_EQ(RenderText(QStringLiteral("kind: text"), two), QString());
}

TEST(ExportTemplateTest, SlugsAndIdentifiersAreUniqueValidAndNeverEmpty) {
  TColors colors;
  const QStringList names{"Sea Blue", "sea-blue", "SEA BLUE", "", "", "1st", "\u00c4rger \u7dd1", "\u7dd1", "---", "a_b"};
  for (qsizetype i = 0; i < names.size(); ++i) colors.push_back(Rgb(int(i) * 20, 255 - int(i), 7, names[i]));
  const QStringList slugs = RenderText(QStringLiteral("kind: text\n{{#colors}}{{slug}}\n{{/colors}}"), colors)
                                .split(u'\n', Qt::SkipEmptyParts);
  const QStringList idents = RenderText(QStringLiteral("kind: text\n{{#colors}}{{ident}}\n{{/colors}}"), colors)
                                 .split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(slugs.size(), names.size());
  ASSERT_EQ(idents.size(), names.size());
  EXPECT_EQ(slugs.mid(0, 3), (QStringList{"sea-blue", "sea-blue-2", "sea-blue-3"}));
  EXPECT_EQ(slugs[5], QStringLiteral("color-1st"));
  const QRegularExpression slug(QStringLiteral(R"(^[\p{Ll}\p{Lo}][\p{Ll}\p{Lo}0-9-]*$)"));
  const QRegularExpression ident(QStringLiteral("^[a-z][a-z0-9_]*$"));
  for (qsizetype i = 0; i < names.size(); ++i) {
    EXPECT_TRUE(slug.match(slugs[i]).hasMatch()) << slugs[i].toStdString();
    EXPECT_TRUE(ident.match(idents[i]).hasMatch()) << idents[i].toStdString();
  }
  EXPECT_EQ(QSet<QString>(slugs.begin(), slugs.end()).size(), slugs.size());
  EXPECT_EQ(QSet<QString>(idents.begin(), idents.end()).size(), idents.size());
}

// What {{name}} becomes in each kind, exactly.
struct TEscape {
  TTemplateKind Kind;
  const char16_t* Name;
  const char16_t* Escaped;
};

class TemplateEscapeTest : public ::testing::TestWithParam<TEscape> {};

TEST_P(TemplateEscapeTest, NameIsEscapedForTheKind) {
  EXPECT_EQ(EscapeForTemplate(QString::fromUtf16(GetParam().Name), GetParam().Kind), QString::fromUtf16(GetParam().Escaped));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TemplateEscapeTest,
    ::testing::Values(
        TEscape{TTemplateKind::Xml, u"Say \"hi\" & 'bye' <b>", u"Say &quot;hi&quot; &amp; &#39;bye&#39; &lt;b&gt;"},
        TEscape{TTemplateKind::Xml, u"a--b---c\u00fc\u7dd1\n", u"a-&#45;b-&#45;-c\u00fc\u7dd1 "},
        TEscape{TTemplateKind::Html, u"<script>&", u"&lt;script&gt;&amp;"},
        TEscape{TTemplateKind::Json, u"\"q\" \\ </x> \n\t\u0001\u00e4", u"\\\"q\\\" \\\\ </x> \\n\\t\\u0001\u00e4"},
        TEscape{TTemplateKind::Js, u"it's `${x}` \"q\" </script>\u2028",
                u"it\\u0027s \\u0060\\u0024{x}\\u0060 \\\"q\\\" \\u003c/script>\\u2028"},
        TEscape{TTemplateKind::Css, u"a\"b'c\\d */ <e>&\n", u"a\\\"b\\'c\\\\d \\2a / \\3c e\\3e \\26 \\a "},
        TEscape{TTemplateKind::Markdown, u"a|b *c* <d> & [e](f)", u"a\\|b \\*c\\* &lt;d&gt; &amp; \\[e\\]\\(f\\)"},
        TEscape{TTemplateKind::Text, u"as \"is\" <&>\r\nline", u"as \"is\" <&>  line"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// Names a parser must read back as they were (control characters aside), in each kind's own places.
const QStringList kAwkwardNames{QStringLiteral("Say \"hi\" & 'bye'"), QStringLiteral("<b>bold</b> & <!-- -->"),
                                QStringLiteral("a--b"), QString::fromUtf16(u"Gr\u00fcn \u7dd1 \u0001\U0001F600"),
                                QStringLiteral("back\\slash"), QString()};

TEST(ExportTemplateTest, XmlNamesReadBackFromAttributesTextAndComments) {
  for (int count : {0, 1, int(kAwkwardNames.size())}) {
    TColors colors;
    for (int i = 0; i < count; ++i) colors.push_back(Rgb(i, i, i, kAwkwardNames[i]));
    const QString xml = RenderText(QStringLiteral("kind: xml\n<r p=\"{{palette}}\"><!-- {{palette}} -->\n{{#colors}}"
                                                  "<c n='{{name}}'>{{name}}<!-- {{name}} --></c>\n{{/colors}}</r>\n"),
                                   colors, kAwkwardNames[1]);
    QXmlStreamReader reader(xml);
    QStringList attributes;
    QStringList texts;
    while (!reader.atEnd()) {
      reader.readNext();
      if (reader.isStartElement() && reader.name() == u"c") {
        attributes << reader.attributes().value(QStringLiteral("n")).toString();
        texts << reader.readElementText(QXmlStreamReader::SkipChildElements);
      }
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString() << "\n" << xml.toStdString();
    ASSERT_EQ(attributes.size(), count);
    for (int i = 0; i < count; ++i) {
      const QString expected = QString(kAwkwardNames[i]).replace(QChar(1), QChar(u' '));
      EXPECT_EQ(attributes[i], expected);
      EXPECT_EQ(texts[i], expected);
    }
  }
}

TEST(ExportTemplateTest, JsonNamesReadBackExactly) {
  for (int count : {0, 1, int(kAwkwardNames.size())}) {
    TColors colors;
    for (int i = 0; i < count; ++i) colors.push_back(Rgb(i, i, i, kAwkwardNames[i] + QStringLiteral("\n\t")));
    const QString json = RenderText(
        QStringLiteral("kind: json\n{\"p\": \"{{palette}}\", \"c\": [\n{{#colors}}\"{{name}}\"{{^last}},{{/last}}\n{{/colors}}]}"),
        colors, QStringLiteral("\"P\""));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.toStdString();
    EXPECT_EQ(document.object().value(u"p").toString(), QStringLiteral("\"P\""));
    const QJsonArray names = document.object().value(u"c").toArray();
    ASSERT_EQ(names.size(), count);
    for (int i = 0; i < count; ++i) EXPECT_EQ(names[i].toString(), kAwkwardNames[i] + QStringLiteral("\n\t"));
  }
}

TEST(ExportTemplateTest, OutputPastItsLimitIsRefused) {
  const TExportTemplate parsed =
      TExportTemplate::Parse(QStringLiteral("kind: text\n{{#colors}}0123456789{{/colors}}"), nullptr);
  const TColors colors(100, Rgb(1, 2, 3, QStringLiteral("x")));
  EXPECT_EQ(parsed.Render(colors, {}, 1000).value_or(QString()).size(), 1000);
  EXPECT_FALSE(parsed.Render(colors, {}, 999).has_value());
}

TEST(ExportTemplateTest, FilesLoadWithTheirHeaderAndRefuseWhatIsTooLargeOrMissing) {
  QTemporaryDir dir;
  const auto write = [&dir](const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return dir.filePath(name);
  };
  TTemplateError error;
  const auto loaded =
      TExportTemplate::Load(write("a.tpl", "\xEF\xBB\xBFkind: css; extension: .SCSS; title: Theme \xE2\x80\x94 dark\n"), &error);
  ASSERT_TRUE(loaded.has_value()) << error.Message().toStdString();
  EXPECT_EQ(loaded->Kind(), TTemplateKind::Css);
  EXPECT_EQ(loaded->Extension(), QStringLiteral("scss"));
  EXPECT_EQ(loaded->Title(), QString::fromUtf16(u"Theme \u2014 dark"));
  EXPECT_EQ(TExportTemplate::Parse(QStringLiteral("kind: text"), nullptr).Extension(), QStringLiteral("txt"));

  EXPECT_FALSE(TExportTemplate::Load(write("big.tpl", "kind: text\n" + QByteArray(kMaxTemplateBytes, 'x')), &error));
  EXPECT_EQ(error.Line, 0);
  EXPECT_FALSE(TExportTemplate::Load(dir.filePath("none.tpl"), &error));
  EXPECT_FALSE(TExportTemplate::Load(dir.path(), &error));

  // The writer names the template and the place of its fault.
  const TFileResult written = WriteTemplateFile(dir.filePath("out.txt"), write("bad.tpl", "kind: text\n\n  {{oops}}"),
                                                {Rgb(1, 2, 3, QStringLiteral("x"))}, {});
  EXPECT_FALSE(written.Ok());
  EXPECT_EQ(written.Message(), QStringLiteral("bad.tpl: line 3, column 3: unknown placeholder {{oops}}"));
  EXPECT_FALSE(QFile::exists(dir.filePath("out.txt")));
  ASSERT_TRUE(WriteTemplateFile(dir.filePath("out.txt"), write("ok.tpl", "kind: text\n{{palette}}"), {}, {}).Ok());
  QFile out(dir.filePath("out.txt"));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_EQ(out.readAll(), QByteArray("out"));  // no palette name: the target's
}

TEST(TemplateLibraryTest, ListsValidTemplatesAndTheUsersCopyWins) {
  QTemporaryDir shipped;
  QTemporaryDir user;
  const auto write = [](const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(QLatin1String(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  };
  write(shipped, "b.tpl", "kind: xml; title: Bee\n");
  write(shipped, "a.tpl", "kind: json\n");
  write(shipped, "broken.tpl", "kind: json\n{{#colors}}\n");
  write(shipped, "notes.txt", "kind: text\n");
  write(user, "b.tpl", "kind: css; title: My=Bee+~|\n");
  const std::vector<TTemplateFile> files = ListTemplates({shipped.path(), user.path(), QString()});
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].Title, QStringLiteral("a"));
  EXPECT_EQ(files[0].Extension, QStringLiteral("json"));
  EXPECT_EQ(files[1].Path, user.filePath("b.tpl"));
  EXPECT_EQ(files[1].Kind, TTemplateKind::Css);
  EXPECT_EQ(TemplateWizardItem(files[1]),
            QStringLiteral("My Bee=CSS+Export colors through the template b.tpl~My Bee (*.css)|*.css"));
}

}  // namespace
}  // namespace tintorium
