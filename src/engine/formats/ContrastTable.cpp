#include "engine/formats/ContrastTable.h"

#include "core/Contrast.h"
#include "core/SystemColors.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>
#include <span>

namespace tintorium {
namespace {

QString Hex(TColor color) {
  return QStringLiteral("%1%2%3")
      .arg(RedOf(color), 2, 16, QLatin1Char('0'))
      .arg(GreenOf(color), 2, 16, QLatin1Char('0'))
      .arg(BlueOf(color), 2, 16, QLatin1Char('0'))
      .toUpper();
}

QString Latin(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

QStringList PassedNames(const TContrastCell& cell) {
  QStringList names;
  for (const TContrastTarget target : ContrastTargets)
    if (cell.Meets(target)) names << Latin(ContrastTargetName(target));
  return names;
}

QStringList PassedLabels(const TContrastCell& cell) {
  QStringList names;
  for (const TContrastTarget target : ContrastTargets)
    if (cell.Meets(target)) names << Latin(ContrastTargetLabels[static_cast<std::size_t>(target)]);
  return names;
}

QString SummaryText(const TContrastTable& table) {
  QStringList parts;
  for (std::size_t t = 0; t < ContrastTargets.size(); ++t)
    parts << QStringLiteral("%1 %2").arg(Latin(ContrastTargetLabels[t])).arg(table.Matrix.PassCounts[t]);
  return QStringLiteral("Pairs meeting each target: ") + parts.join(QStringLiteral(", "));
}

// One line per pair; a name never breaks the line.
QString OneLine(QString name) {
  for (QChar& c : name)
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
      c = u' ';
  return name;
}

template <typename F>
void ForEachListed(const TContrastTable& table, F&& f) {
  const std::size_t n = table.Colors.size();
  for (std::size_t text = 0; text < n; ++text)
    for (std::size_t back = 0; back < n; ++back)
      if (table.Listed(text, back)) f(text, back, table.Matrix.Cell(text, back));
}

QString WriteText(const TContrastTable& table) {
  QString out;
  ForEachListed(table, [&](std::size_t text, std::size_t back, const TContrastCell& cell) {
    const TContrastTableColor& t = table.Colors[text];
    const TContrastTableColor& b = table.Colors[back];
    const QStringList passes = PassedNames(cell);
    out += QStringLiteral("%1 on %2  #%3 on #%4  ratio %5  Lc %6  %7\n")
               .arg(OneLine(t.Name), OneLine(b.Name), Hex(t.Color), Hex(b.Color), ShownRatioText(cell.Ratio),
                    LcText(cell.Lc), passes.isEmpty() ? QStringLiteral("-") : passes.join(u' '));
  });
  return out + SummaryText(table) + u'\n';
}

QString CsvField(const QString& text) {
  if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) return text;
  QString quoted = text;
  quoted.replace(u'"', QStringLiteral("\"\""));
  return u'"' + quoted + u'"';
}

QString WriteCsv(const TContrastTable& table) {
  QString out = QStringLiteral("text,background,text_hex,background_hex,ratio,lc,aa,aaa,aa_large,apca60,apca75,apca90\r\n");
  ForEachListed(table, [&](std::size_t text, std::size_t back, const TContrastCell& cell) {
    QStringList row{CsvField(table.Colors[text].Name), CsvField(table.Colors[back].Name), Hex(table.Colors[text].Color),
                    Hex(table.Colors[back].Color), ShownRatioText(cell.Ratio), LcText(cell.Lc)};
    for (const TContrastTarget target : ContrastTargets) row << (cell.Meets(target) ? QStringLiteral("1") : QStringLiteral("0"));
    out += row.join(u',') + QStringLiteral("\r\n");
  });
  return out;
}

QByteArray WriteJson(const TContrastTable& table) {
  QJsonObject root;
  root[QStringLiteral("vision")] = VisionViewText(table.View);
  root[QStringLiteral("target")] =
      table.Filter ? QJsonValue(Latin(ContrastTargetName(*table.Filter))) : QJsonValue(QJsonValue::Null);
  QJsonArray colors;
  for (const TContrastTableColor& color : table.Colors)
    colors.append(QJsonObject{{QStringLiteral("name"), color.Name}, {QStringLiteral("hex"), Hex(color.Color)}});
  root[QStringLiteral("colors")] = colors;
  QJsonArray pairs;
  ForEachListed(table, [&](std::size_t text, std::size_t back, const TContrastCell& cell) {
    pairs.append(QJsonObject{{QStringLiteral("text"), table.Colors[text].Name},
                             {QStringLiteral("background"), table.Colors[back].Name},
                             {QStringLiteral("text_hex"), Hex(table.Colors[text].Color)},
                             {QStringLiteral("background_hex"), Hex(table.Colors[back].Color)},
                             {QStringLiteral("ratio"), ShownContrastRatio(cell.Ratio)},
                             {QStringLiteral("lc"), LcText(cell.Lc).toDouble()},
                             {QStringLiteral("wcag"), WcagBadge(cell.Ratio)},
                             {QStringLiteral("passes"), QJsonArray::fromStringList(PassedNames(cell))}});
  });
  root[QStringLiteral("pairs")] = pairs;
  QJsonArray summary;
  for (std::size_t t = 0; t < ContrastTargets.size(); ++t)
    summary.append(QJsonObject{{QStringLiteral("target"), Latin(ContrastTargetNames[t])},
                               {QStringLiteral("pairs"), static_cast<qint64>(table.Matrix.PassCounts[t])}});
  root[QStringLiteral("summary")] = summary;
  return QJsonDocument(root).toJson(QJsonDocument::Compact) + '\n';
}

QString MarkdownCell(const QString& text) {
  QString cell = OneLine(text);
  cell.replace(u'\\', QStringLiteral("\\\\"));
  cell.replace(u'|', QStringLiteral("\\|"));
  return cell;
}

QString WriteMarkdown(const TContrastTable& table) {
  QString out = QStringLiteral("| Text | Background | Ratio | WCAG 2 | APCA Lc | Targets met |\n"
                               "|---|---|--:|---|--:|---|\n");
  ForEachListed(table, [&](std::size_t text, std::size_t back, const TContrastCell& cell) {
    const QStringList passes = PassedLabels(cell);
    out += QStringLiteral("| %1 `#%2` | %3 `#%4` | %5 | %6 | %7 | %8 |\n")
               .arg(MarkdownCell(table.Colors[text].Name), Hex(table.Colors[text].Color),
                    MarkdownCell(table.Colors[back].Name), Hex(table.Colors[back].Color), ShownRatioText(cell.Ratio),
                    WcagBadge(cell.Ratio), LcText(cell.Lc), passes.isEmpty() ? QStringLiteral("none") : passes.join(QStringLiteral(", ")));
  });
  return out + u'\n' + SummaryText(table) + u'\n';
}

QString WriteHtml(const TContrastTable& table) {
  const std::size_t n = table.Colors.size();
  QString out = QStringLiteral(
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Palette contrast</title>\n"
      "<style>\nbody { font-family: sans-serif; }\ntable { border-collapse: collapse; }\n"
      "th, td { border: 1px solid #999; padding: 4px 6px; text-align: center; font-size: 12px; }\n"
      "th { background: #eee; color: #000; font-weight: normal; }\ntd .sample { font-size: 20px; font-weight: bold; }\n"
      "</style>\n</head>\n<body>\n<h1>Palette contrast</h1>\n");
  out += QStringLiteral("<p>Rows: text colour. Columns: background colour. Vision: %1.%2</p>\n")
             .arg(VisionViewText(table.View).toHtmlEscaped(),
                  table.Filter ? QStringLiteral(" Shown: pairs meeting %1.")
                                     .arg(Latin(ContrastTargetLabels[static_cast<std::size_t>(*table.Filter)]))
                               : QString());
  out += QStringLiteral("<table>\n<tr><th>Text \\ Background</th>");
  for (const TContrastTableColor& color : table.Colors)
    out += QStringLiteral("<th>%1<br>#%2</th>").arg(color.Name.toHtmlEscaped(), Hex(color.Color));
  out += QStringLiteral("</tr>\n");
  for (std::size_t text = 0; text < n; ++text) {
    out += QStringLiteral("<tr><th>%1<br>#%2</th>").arg(table.Colors[text].Name.toHtmlEscaped(), Hex(table.Colors[text].Color));
    for (std::size_t back = 0; back < n; ++back) {
      if (!table.Listed(text, back)) {
        out += QStringLiteral("<td></td>");
        continue;
      }
      const TContrastCell& cell = table.Matrix.Cell(text, back);
      out += QStringLiteral("<td style=\"background: #%1; color: #%2\"><span class=\"sample\">Aa</span><br>%3 %4<br>Lc %5</td>")
                 .arg(Hex(table.Matrix.Seen[back]), Hex(table.Matrix.Seen[text]), ShownRatioText(cell.Ratio),
                      WcagBadge(cell.Ratio), LcText(cell.Lc));
    }
    out += QStringLiteral("</tr>\n");
  }
  out += QStringLiteral("</table>\n<p>%1</p>\n</body>\n</html>\n").arg(SummaryText(table).toHtmlEscaped());
  return out;
}

}  // namespace

bool TContrastTable::Listed(std::size_t text, std::size_t background) const {
  if (text == background || text >= Matrix.Size() || background >= Matrix.Size()) return false;
  return !Filter || Matrix.Cell(text, background).Meets(*Filter);
}

std::size_t TContrastTable::ListedCount() const {
  std::size_t count = 0;
  for (std::size_t text = 0; text < Matrix.Size(); ++text)
    for (std::size_t back = 0; back < Matrix.Size(); ++back) count += Listed(text, back) ? 1 : 0;
  return count;
}

TContrastTable MakeContrastTable(std::vector<TContrastTableColor> colors, const std::optional<TVisionView>& view,
                                 const std::optional<TContrastTarget>& filter) {
  TContrastTable table;
  if (colors.size() > MaxContrastMatrixColors) colors.resize(MaxContrastMatrixColors);
  std::vector<TColor> values;
  values.reserve(colors.size());
  for (TContrastTableColor& color : colors) {
    color.Color = ColorToRGB(color.Color);
    values.push_back(color.Color);
  }
  table.Colors = std::move(colors);
  table.View = view;
  table.Filter = filter;
  table.Matrix = *ComputeContrastMatrix(std::span<const TColor>(values), view);
  return table;
}

std::optional<TContrastTableFormat> ParseContrastTableFormat(std::string_view name) {
  const QString key = Latin(name).toLower();
  if (key == u"text") return TContrastTableFormat::Text;
  if (key == u"csv") return TContrastTableFormat::Csv;
  if (key == u"json") return TContrastTableFormat::Json;
  if (key == u"md" || key == u"markdown") return TContrastTableFormat::Markdown;
  if (key == u"html") return TContrastTableFormat::Html;
  return std::nullopt;
}

QString WcagBadge(double ratio) {
  if (ratio >= SmallTextAAA) return QStringLiteral("AAA");
  if (ratio >= SmallTextAA) return QStringLiteral("AA");
  if (ratio >= LargeTextAA) return QStringLiteral("AA large");
  return QStringLiteral("Fail");
}

QString ShownRatioText(double ratio) { return QString::number(ShownContrastRatio(ratio), 'f', 2); }

QString LcText(double lc) {
  const double rounded = std::nearbyint(lc * 10) / 10;
  return QString::number(rounded == 0 ? 0.0 : rounded, 'f', 1);
}

QString VisionViewText(const std::optional<TVisionView>& view) {
  if (!view) return QStringLiteral("normal");
  const QString kind = Latin(VisionKindName(view->Kind));
  return view->Severity >= 1 ? kind : QStringLiteral("%1:%2").arg(kind).arg(view->Severity);
}

QByteArray WriteContrastTable(const TContrastTable& table, TContrastTableFormat format) {
  switch (format) {
    case TContrastTableFormat::Csv: return WriteCsv(table).toUtf8();
    case TContrastTableFormat::Json: return WriteJson(table);
    case TContrastTableFormat::Markdown: return WriteMarkdown(table).toUtf8();
    case TContrastTableFormat::Html: return WriteHtml(table).toUtf8();
    case TContrastTableFormat::Text: break;
  }
  return WriteText(table).toUtf8();
}

}  // namespace tintorium
