#include "engine/formats/ExportTemplate.h"

#include "core/ColorText.h"
#include "core/CssColorFormat.h"
#include "engine/files/SafeSave.h"
#include "engine/formats/CodeExportWriters.h"
#include "engine/qtcolor/ShownColor.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

namespace tintorium {

namespace {

enum TField : std::uint8_t {
  fdPalette,
  fdCount,
  // Colour fields from here on: valid only inside {{#colors}}.
  fdName,
  fdHex,
  fdHexUpper,
  fdR,
  fdG,
  fdB,
  fdH,
  fdS,
  fdV,
  fdL,
  fdA,
  fdBLab,
  fdC,
  fdM,
  fdY,
  fdK,
  fdOklch,
  fdCssRgb,
  fdIndex,
  fdNumber,
  fdSlug,
  fdIdent,
};

constexpr std::pair<const char16_t*, TField> kFields[] = {
    {u"palette", fdPalette}, {u"count", fdCount}, {u"name", fdName},       {u"hex", fdHex},       {u"HEX", fdHexUpper},
    {u"r", fdR},             {u"g", fdG},         {u"b", fdB},             {u"h", fdH},           {u"s", fdS},
    {u"v", fdV},             {u"l", fdL},         {u"a", fdA},             {u"b_lab", fdBLab},    {u"c", fdC},
    {u"m", fdM},             {u"y", fdY},         {u"k", fdK},             {u"oklch", fdOklch},   {u"css_rgb", fdCssRgb},
    {u"index", fdIndex},     {u"number", fdNumber}, {u"slug", fdSlug},  {u"ident", fdIdent},
};

struct TKindName {
  TTemplateKind Kind;
  const char16_t* Name;
  const char16_t* Extension;
};
constexpr TKindName kKinds[] = {
    {TTemplateKind::Xml, u"xml", u"xml"},   {TTemplateKind::Html, u"html", u"html"},
    {TTemplateKind::Json, u"json", u"json"}, {TTemplateKind::Css, u"css", u"css"},
    {TTemplateKind::Js, u"js", u"js"},       {TTemplateKind::Text, u"text", u"txt"},
    {TTemplateKind::Markdown, u"markdown", u"md"},
};

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool IsControl(char16_t c) { return c < 0x20 || c == 0x7F; }

}  // namespace

struct TExportTemplate::TNode {
  enum TType : std::uint8_t { Text, Field, Colors, Last, NotLast };
  TType Type = Text;
  QString Literal;        // Text
  TField Value = fdName;  // Field
  std::vector<TNode> Children;
};

namespace {

using TNode = TExportTemplate::TNode;

// Walks the template once, building the node tree; the first fault stops it.
class TParser {
 public:
  TParser(QStringView text, TTemplateError* error) : text_(text), error_(error) {}

  bool ParseHeader(TTemplateKind& kind, QString& extension, QString& title) {
    qsizetype end = text_.indexOf(u'\n');
    if (end < 0) end = text_.size();
    QStringView header = text_.first(end);
    if (header.endsWith(u'\r')) header.chop(1);
    bool hasKind = false;
    qsizetype start = 0;
    for (const QStringView part : header.split(u';')) {
      const qsizetype colon = part.indexOf(u':');
      const QStringView key = (colon < 0 ? part : part.first(colon)).trimmed();
      const QStringView value = colon < 0 ? QStringView() : part.sliced(colon + 1).trimmed();
      qsizetype lead = 0;
      while (lead < part.size() && IsBlank(part[lead])) ++lead;
      const int column = int(start + lead) + 1;
      start += part.size() + 1;
      if (key.isEmpty() && value.isEmpty()) continue;
      if (key == u"kind") {
        const auto* found = std::find_if(std::begin(kKinds), std::end(kKinds),
                                         [&value](const TKindName& k) { return value == QStringView(k.Name); });
        if (found == std::end(kKinds))
          return Fail(1, column, QStringLiteral("the kind is one of xml, html, json, css, js, text, markdown"));
        kind = found->Kind;
        if (extension.isEmpty()) extension = QString::fromUtf16(found->Extension);
        hasKind = true;
      } else if (key == u"extension") {
        QString ext = value.toString();
        while (ext.startsWith(u'.')) ext.remove(0, 1);
        if (ext.isEmpty() || ext.contains(u'/') || ext.contains(u'\\'))
          return Fail(1, column, QStringLiteral("the extension is a file name ending such as xml"));
        extension = ext.toLower();
      } else if (key == u"title") {
        title = value.toString();
      } else {
        return Fail(1, column, QStringLiteral("the first line names the kind (kind: xml) and may give the extension "
                                              "and title; not \"%1\"").arg(key.toString()));
      }
    }
    if (!hasKind) return Fail(1, 1, QStringLiteral("the first line must name the kind, such as \"kind: xml\""));
    pos_ = end < text_.size() ? end + 1 : end;
    line_ = 2;
    lineStart_ = pos_;
    return true;
  }

  bool ParseBody(std::vector<TNode>& nodes) {
    struct TOpen {
      TNode Node;
      QString Name;
      int Line, Column;
    };
    std::vector<TOpen> open;
    auto target = [&]() -> std::vector<TNode>& { return open.empty() ? nodes : open.back().Node.Children; };
    QString literal;
    auto flush = [&]() {
      if (literal.isEmpty()) return;
      TNode node;
      node.Literal = std::move(literal);
      target().push_back(std::move(node));
      literal.clear();
    };
    while (pos_ < text_.size()) {
      const qsizetype tag = text_.indexOf(u"{{", pos_);
      const qsizetype until = tag < 0 ? text_.size() : tag;
      Advance(literal, until);
      if (tag < 0) break;
      const int line = line_;
      const int column = int(tag - lineStart_) + 1;
      const qsizetype close = text_.indexOf(u"}}", tag + 2);
      const qsizetype newline = text_.indexOf(u'\n', tag + 2);
      if (close < 0 || (newline >= 0 && newline < close))
        return Fail(line, column, QStringLiteral("\"{{\" is not closed by \"}}\" on its line"));
      const QStringView inside = text_.sliced(tag + 2, close - tag - 2).trimmed();
      const qsizetype after = close + 2;
      const QChar sigil = inside.isEmpty() ? QChar() : inside.front();
      if (sigil == u'#' || sigil == u'^' || sigil == u'/') {
        const QString name = inside.sliced(1).trimmed().toString();
        const bool standalone = Standalone(tag, after);
        if (standalone) {
          while (!literal.isEmpty() && IsBlank(literal.back())) literal.chop(1);
        }
        flush();
        if (sigil == u'/') {
          if (open.empty() || open.back().Name != name)
            return Fail(line, column, open.empty() ? QStringLiteral("{{/%1}} closes nothing").arg(name)
                                                   : QStringLiteral("{{/%1}} found where {{/%2}} was expected")
                                                         .arg(name, open.back().Name));
          TNode done = std::move(open.back().Node);
          open.pop_back();
          target().push_back(std::move(done));
        } else {
          TNode section;
          const bool inColors = std::any_of(open.begin(), open.end(), [](const TOpen& o) { return o.Name == u"colors"; });
          const bool inLast = std::any_of(open.begin(), open.end(), [](const TOpen& o) { return o.Name == u"last"; });
          if (name == u"colors" && sigil == u'#') {
            if (inColors) return Fail(line, column, QStringLiteral("{{#colors}} cannot stand inside {{#colors}}"));
            section.Type = TNode::Colors;
          } else if (name == u"last") {
            if (!inColors) return Fail(line, column, QStringLiteral("{{%1last}} stands only inside {{#colors}}").arg(sigil));
            if (inLast) return Fail(line, column, QStringLiteral("{{%1last}} cannot stand inside another").arg(sigil));
            section.Type = sigil == u'#' ? TNode::Last : TNode::NotLast;
          } else {
            return Fail(line, column, QStringLiteral("unknown section {{%1%2}}").arg(sigil).arg(name));
          }
          open.push_back({std::move(section), name, line, column});
        }
        SkipTo(after);
        if (standalone) SkipLineEnd();
        continue;
      }
      const auto* field = std::find_if(std::begin(kFields), std::end(kFields),
                                       [&inside](const auto& f) { return inside == QStringView(f.first); });
      if (field == std::end(kFields))
        return Fail(line, column, QStringLiteral("unknown placeholder {{%1}}").arg(inside.toString()));
      const bool inColors = std::any_of(open.begin(), open.end(), [](const TOpen& o) { return o.Name == u"colors"; });
      if (field->second >= fdName && !inColors)
        return Fail(line, column, QStringLiteral("{{%1}} stands only inside {{#colors}}").arg(inside.toString()));
      flush();
      TNode node;
      node.Type = TNode::Field;
      node.Value = field->second;
      target().push_back(std::move(node));
      SkipTo(after);
    }
    flush();
    if (!open.empty())
      return Fail(open.back().Line, open.back().Column,
                  QStringLiteral("{{#%1}} is not closed by {{/%1}}").arg(open.back().Name));
    return true;
  }

 private:
  bool Fail(int line, int column, QString text) {
    if (error_) *error_ = {line, column, std::move(text)};
    return false;
  }

  // Copies text up to `end` into `literal`, counting lines.
  void Advance(QString& literal, qsizetype end) {
    literal += text_.sliced(pos_, end - pos_);
    SkipTo(end);
  }
  void SkipTo(qsizetype end) {
    for (; pos_ < end; ++pos_) {
      if (text_[pos_] == u'\n') {
        ++line_;
        lineStart_ = pos_ + 1;
      }
    }
  }
  // Nothing but blanks between the line's start and the tag, and between the tag and the line's end.
  bool Standalone(qsizetype tag, qsizetype after) const {
    for (qsizetype i = tag; i > lineStart_; --i)
      if (!IsBlank(text_[i - 1])) return false;
    for (qsizetype i = after; i < text_.size() && text_[i] != u'\n' && text_[i] != u'\r'; ++i)
      if (!IsBlank(text_[i])) return false;
    return true;
  }
  void SkipLineEnd() {
    qsizetype end = pos_;
    while (end < text_.size() && IsBlank(text_[end])) ++end;
    if (end < text_.size() && text_[end] == u'\r') ++end;
    if (end < text_.size() && text_[end] == u'\n') ++end;
    SkipTo(end);
  }

  QStringView text_;
  TTemplateError* error_;
  qsizetype pos_ = 0;
  int line_ = 1;
  qsizetype lineStart_ = 0;
};

QString Hex4(char16_t c) { return QStringLiteral("%1").arg(int(c), 4, 16, QLatin1Char('0')); }

QString EscapeMarkup(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    if (c == u'-' && out.endsWith(u'-')) {
      out += QStringLiteral("&#45;");  // no "--", which would end a comment the name stands in
      continue;
    }
    switch (c.unicode()) {
      case u'&': out += QStringLiteral("&amp;"); break;
      case u'<': out += QStringLiteral("&lt;"); break;
      case u'>': out += QStringLiteral("&gt;"); break;
      case u'"': out += QStringLiteral("&quot;"); break;
      case u'\'': out += QStringLiteral("&#39;"); break;
      case 0xFFFE:
      case 0xFFFF: out += u' '; break;  // not characters XML allows
      default: out += IsControl(c.unicode()) ? QChar(u' ') : c;
    }
  }
  return out;
}

QString EscapeScript(const QString& text, bool javaScript) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    switch (u) {
      case u'"': out += QStringLiteral("\\\""); break;
      case u'\\': out += QStringLiteral("\\\\"); break;
      case u'\n': out += QStringLiteral("\\n"); break;
      case u'\r': out += QStringLiteral("\\r"); break;
      case u'\t': out += QStringLiteral("\\t"); break;
      default:
        if (IsControl(u)) {
          out += QStringLiteral("\\u") + Hex4(u);
        } else if (javaScript && (u == u'\'' || u == u'`' || u == u'$' || u == u'<' || u == 0x2028 || u == 0x2029)) {
          // Safe in any quote, in a template literal, and inside a <script> element.
          out += QStringLiteral("\\u") + Hex4(u);
        } else {
          out += c;
        }
    }
  }
  return out;
}

QString EscapeCss(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == u'"' || u == u'\'' || u == u'\\') {
      out += u'\\';
      out += c;
    } else if (IsControl(u) || u == u'<' || u == u'>' || u == u'&' || u == u'*') {
      // "*" by its code: a comment reads no escapes, so only its absence keeps "*/" from closing one.
      out += QStringLiteral("\\%1 ").arg(int(u), 0, 16);
    } else {
      out += c;
    }
  }
  return out;
}

QString EscapeMarkdown(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == u'&') {
      out += QStringLiteral("&amp;");
    } else if (u == u'<') {
      out += QStringLiteral("&lt;");
    } else if (u == u'>') {
      out += QStringLiteral("&gt;");
    } else if (QStringView(u"\\`*_{}[]()#+-.!|~").contains(c)) {
      out += u'\\';
      out += c;
    } else {
      out += IsControl(u) ? QChar(u' ') : c;
    }
  }
  return out;
}

// The slugs as ASCII identifiers: "-" and other characters "_", one "_" for a run, unique with "_2", "_3" ...
QStringList Identifiers(const QStringList& slugs, const TColors& colors) {
  QStringList idents;
  QSet<QString> taken;
  for (qsizetype i = 0; i < slugs.size(); ++i) {
    QString ident;
    for (const QChar c : slugs[i]) {
      const bool ascii = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
      if (ascii) {
        ident += c;
      } else if (!ident.endsWith(u'_')) {
        ident += u'_';
      }
    }
    while (ident.endsWith(u'_')) ident.chop(1);
    while (ident.startsWith(u'_')) ident.remove(0, 1);
    if (ident.isEmpty()) ident = QString::fromStdString(HexText(ShownRGB(colors[std::size_t(i)]))).toLower();
    if (ident[0].isDigit()) ident.prepend(QStringLiteral("color_"));
    QString unique = ident;
    for (int count = 2; taken.contains(unique); ++count) unique = ident + u'_' + QString::number(count);
    taken.insert(unique);
    idents.append(unique);
  }
  return idents;
}

QString Number(int value) { return QString::number(value); }

// What a colour's fields give, computed once per colour.
struct TColorFields {
  const TColorObjectFx* Color;
  TRGBValues Rgb;
  QString Slug;
  QString Ident;
  int Index;
};

QString FieldText(TField field, const TColorFields& c, TTemplateKind kind) {
  const TColorObjectFx& color = *c.Color;
  switch (field) {
    case fdName: return EscapeForTemplate(QString::fromStdU16String(color.Name()), kind);
    case fdHex: return QString::fromStdString(HexText(c.Rgb)).toLower();
    case fdHexUpper: return QString::fromStdString(HexText(c.Rgb));
    case fdR: return Number(c.Rgb.R);
    case fdG: return Number(c.Rgb.G);
    case fdB: return Number(c.Rgb.B);
    case fdH: return Number(color.GetHSB().H % 360);
    case fdS: return Number(color.GetHSB().S);
    case fdV: return Number(color.GetHSB().B);
    case fdL: return Number(color.GetLab().L);
    case fdA: return Number(color.GetLab().a);
    case fdBLab: return Number(color.GetLab().b);
    case fdC: return Number(color.GetCMYK().C);
    case fdM: return Number(color.GetCMYK().M);
    case fdY: return Number(color.GetCMYK().Y);
    case fdK: return Number(color.GetCMYK().K);
    case fdOklch: return QString::fromStdString(FormatCssColor(RGBValuesToColor(c.Rgb), TCssForm::Oklch));
    case fdCssRgb: return QString::fromStdString(FormatCssColor(RGBValuesToColor(c.Rgb), TCssForm::Rgb));
    case fdIndex: return Number(c.Index);
    case fdNumber: return Number(c.Index + 1);
    case fdSlug: return c.Slug;
    case fdIdent: return c.Ident;
    case fdPalette:
    case fdCount: break;
  }
  return {};
}

class TRenderer {
 public:
  TRenderer(TTemplateKind kind, const TColors& colors, const QString& paletteName, qsizetype maxOutput)
      : maxOutput_(maxOutput),
        kind_(kind),
        colors_(colors),
        palette_(EscapeForTemplate(paletteName, kind)),
        slugs_(CodeVariableNames(colors)),
        idents_(Identifiers(slugs_, colors)) {}

  bool Render(const std::vector<TNode>& nodes, const TColorFields* color) {
    for (const TNode& node : nodes) {
      switch (node.Type) {
        case TNode::Text: out_ += node.Literal; break;
        case TNode::Field:
          if (node.Value == fdPalette) {
            out_ += palette_;
          } else if (node.Value == fdCount) {
            out_ += Number(int(colors_.size()));
          } else if (color != nullptr) {
            out_ += FieldText(node.Value, *color, kind_);
          }
          break;
        case TNode::Colors:
          for (std::size_t i = 0; i < colors_.size(); ++i) {
            const TColorFields fields{&colors_[i], ShownRGB(colors_[i]), slugs_.value(qsizetype(i)),
                                      idents_.value(qsizetype(i)), int(i)};
            if (!Render(node.Children, &fields)) return false;
          }
          break;
        case TNode::Last:
        case TNode::NotLast:
          if (color != nullptr &&
              ((std::size_t(color->Index) + 1 == colors_.size()) == (node.Type == TNode::Last)) &&
              !Render(node.Children, color))
            return false;
          break;
      }
      if (out_.size() > maxOutput_) return false;
    }
    return true;
  }
  QString Take() { return std::move(out_); }

 private:
  qsizetype maxOutput_;
  TTemplateKind kind_;
  const TColors& colors_;
  QString palette_;
  QStringList slugs_;
  QStringList idents_;
  QString out_;
};

}  // namespace

QString TTemplateError::Message() const {
  return QStringLiteral("line %1, column %2: %3").arg(Line).arg(Column).arg(Text);
}

TExportTemplate::TExportTemplate() = default;
TExportTemplate::TExportTemplate(const TExportTemplate&) = default;
TExportTemplate& TExportTemplate::operator=(const TExportTemplate&) = default;
TExportTemplate::TExportTemplate(TExportTemplate&&) noexcept = default;
TExportTemplate& TExportTemplate::operator=(TExportTemplate&&) noexcept = default;
TExportTemplate::~TExportTemplate() = default;

TExportTemplate TExportTemplate::Parse(QStringView text, TTemplateError* error) {
  TExportTemplate result;
  TParser parser(text, error);
  auto nodes = std::make_shared<std::vector<TNode>>();
  if (!parser.ParseHeader(result.kind_, result.extension_, result.title_) || !parser.ParseBody(*nodes)) return {};
  result.nodes_ = std::move(nodes);
  result.valid_ = true;
  return result;
}

std::optional<TExportTemplate> TExportTemplate::Load(const QString& path, TTemplateError* error) {
  QFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
    if (error) *error = {0, 0, QString::fromLatin1(kCantOpenText)};
    return std::nullopt;
  }
  const QByteArray bytes = file.read(kMaxTemplateBytes + 1);
  if (bytes.size() > kMaxTemplateBytes) {
    if (error) *error = {0, 0, QStringLiteral("a template is at most %1 KiB").arg(kMaxTemplateBytes / 1024)};
    return std::nullopt;
  }
  QString text = QString::fromUtf8(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  TExportTemplate parsed = Parse(text, error);
  if (!parsed.IsValid()) return std::nullopt;
  return parsed;
}

std::optional<QString> TExportTemplate::Render(const TColors& colors, const QString& paletteName,
                                               qsizetype maxOutput) const {
  if (!valid_) return std::nullopt;
  TRenderer renderer(kind_, colors, paletteName, maxOutput);
  if (!renderer.Render(*nodes_, nullptr)) return std::nullopt;
  return renderer.Take();
}

QString TemplateKindName(TTemplateKind kind) {
  for (const TKindName& k : kKinds)
    if (k.Kind == kind) return QString::fromUtf16(k.Name);
  return QStringLiteral("text");
}

QString EscapeForTemplate(const QString& text, TTemplateKind kind) {
  switch (kind) {
    case TTemplateKind::Xml:
    case TTemplateKind::Html: return EscapeMarkup(text);
    case TTemplateKind::Json: return EscapeScript(text, false);
    case TTemplateKind::Js: return EscapeScript(text, true);
    case TTemplateKind::Css: return EscapeCss(text);
    case TTemplateKind::Markdown: return EscapeMarkdown(text);
    case TTemplateKind::Text: break;
  }
  QString out = text;
  for (QChar& c : out)
    if (IsControl(c.unicode())) c = u' ';
  return out;
}

TFileResult WriteTemplateFile(const QString& path, const QString& templatePath, const TColors& colors,
                              const QString& paletteName) {
  TTemplateError error;
  const std::optional<TExportTemplate> loaded = TExportTemplate::Load(templatePath, &error);
  if (!loaded) {
    if (error.Line == 0) return TFileResult::Failure(QFileInfo(templatePath).fileName() + QStringLiteral(": ") + error.Text);
    return TFileResult::Failure(QFileInfo(templatePath).fileName() + QStringLiteral(": ") + error.Message());
  }
  const QString name = paletteName.isEmpty() ? QFileInfo(path).completeBaseName() : paletteName;
  const std::optional<QString> text = loaded->Render(colors, name);
  if (!text) return TFileResult::Failure(QStringLiteral("The template's output would be too large."));
  return SaveFileAtomically(path, text->toUtf8());
}

}  // namespace tintorium
