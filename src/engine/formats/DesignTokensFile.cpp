#include "engine/formats/DesignTokensFile.h"

#include "core/ColorModels.h"
#include "core/CssColor.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <vector>

namespace tintorium {
namespace {

std::optional<TColor> ColorText(const QJsonValue& value) {
  if (!value.isString()) return std::nullopt;
  const std::optional<TCssColor> color = ParseCssColor(value.toString().toStdString());
  if (!color) return std::nullopt;
  return color->Color;
}

int Channel(const QJsonValue& component) {
  // "none" is a missing component, which CSS takes as zero.
  const double value = component.isDouble() ? component.toDouble() : 0.0;
  if (!std::isfinite(value)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(value, 0.0, 1.0) * 255.0));
}

std::optional<TColor> ColorObject(const QJsonObject& value) {
  const QJsonArray components = value.value(QStringLiteral("components")).toArray();
  if (value.value(QStringLiteral("colorSpace")).toString() == u"srgb" && components.size() == 3) {
    return RGBValuesToColor({Channel(components[0]), Channel(components[1]), Channel(components[2])});
  }
  return ColorText(value.value(QStringLiteral("hex")));
}

std::optional<TColor> TokenColor(const QJsonValue& value) {
  return value.isObject() ? ColorObject(value.toObject()) : ColorText(value);
}

// A key's path with a separator no JSON key can hold unescaped.
QString PathKey(const QStringList& path) { return path.join(QChar(0)); }

QString JsonKey(QByteArrayView quoted) {
  if (!quoted.contains('\\')) return QString::fromUtf8(quoted.sliced(1, quoted.size() - 2));
  const QJsonDocument wrapped = QJsonDocument::fromJson("[" + quoted.toByteArray() + "]");
  return wrapped.array().at(0).toString();
}

// QJsonObject keeps its keys sorted; the palette's order is the order of the text. So the text is walked once
// more for the position of every key outside arrays, by its path of keys.
QHash<QString, int> KeyPositions(QByteArrayView json) {
  QHash<QString, int> positions;
  struct TLevel {
    bool Object;
    bool ExpectKey;
  };
  std::vector<TLevel> levels;
  QStringList path;  // the keys of the open objects, while no array is open
  int arrays = 0;
  for (qsizetype i = 0; i < json.size(); ++i) {
    const char c = json[i];
    if (c == '{' || c == '[') {
      levels.push_back({c == '{', c == '{'});
      if (c == '[') ++arrays;
    } else if (c == '}' || c == ']') {
      if (levels.empty()) break;
      if (!levels.back().Object) --arrays;
      levels.pop_back();
      while (path.size() > static_cast<qsizetype>(levels.size())) path.removeLast();
    } else if (c == ',' && !levels.empty() && levels.back().Object) {
      levels.back().ExpectKey = true;
    } else if (c == '"') {
      qsizetype end = i + 1;
      while (end < json.size() && json[end] != '"') end += json[end] == '\\' ? 2 : 1;
      if (end >= json.size()) break;
      if (!levels.empty() && levels.back().Object && levels.back().ExpectKey) {
        levels.back().ExpectKey = false;
        if (arrays == 0 && static_cast<int>(levels.size()) <= kMaxDesignTokenDepth + 1) {
          // The previous key of this object is replaced by this one.
          while (path.size() >= static_cast<qsizetype>(levels.size())) path.removeLast();
          path.append(JsonKey(json.sliced(i, end - i + 1)));
          positions.insert(PathKey(path), static_cast<int>(positions.size()));
        }
      }
      i = end;
    }
  }
  return positions;
}

struct TGroup {
  QJsonObject Object;
  QString Path;  // "group / sub", empty at the top
  QStringList Keys;  // the path as keys, for the order in the text
  QString Type;  // the type its tokens inherit, empty when none
  int Depth;
};

QString Joined(const QString& path, const QString& name) {
  return path.isEmpty() ? name : path + QStringLiteral(" / ") + name;
}

struct TToken {
  int Position;
  TColorObjectFx Color;
};

// Walks the groups with a stack of its own, so deep nesting costs no recursion.
void CollectTokens(const QJsonObject& root, const QHash<QString, int>& positions, TColors& colors) {
  std::vector<TToken> tokens;
  std::vector<TGroup> stack{{root, {}, {}, {}, 0}};
  while (!stack.empty()) {
    const TGroup group = std::move(stack.back());
    stack.pop_back();
    for (const QString& key : group.Object.keys()) {
      if (key.startsWith(u'$')) continue;
      const QJsonValue member = group.Object.value(key);
      if (!member.isObject()) continue;
      const QJsonObject object = member.toObject();
      const QString type = object.value(QStringLiteral("$type")).toString(group.Type);
      if (object.contains(QStringLiteral("$value"))) {
        if (!type.isEmpty() && type != u"color") continue;
        const std::optional<TColor> color = TokenColor(object.value(QStringLiteral("$value")));
        if (!color) continue;
        TColorObject colorObject;
        colorObject.SetRGB(ColorToRGBValues(*color));
        const int position = positions.value(PathKey(group.Keys + QStringList{key}), INT_MAX);
        tokens.push_back({position, TColorObjectFx(colorObject, Joined(group.Path, key).toStdU16String())});
      } else if (group.Depth < kMaxDesignTokenDepth) {
        stack.push_back({object, Joined(group.Path, key), group.Keys + QStringList{key}, type, group.Depth + 1});
      }
    }
  }
  std::stable_sort(tokens.begin(), tokens.end(),
                   [](const TToken& a, const TToken& b) { return a.Position < b.Position; });
  for (TToken& token : tokens) colors.push_back(std::move(token.Color));
}

}  // namespace

bool IsDesignTokensPath(const QString& path) { return path.endsWith(QStringLiteral(".tokens.json"), Qt::CaseInsensitive); }

TReadResult<TColors> ParseDesignTokens(QByteArrayView json) {
  TReadResult<TColors> result;
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) {
    result.Status = TFileResult::CantOpen();
    return result;
  }
  CollectTokens(document.object(), KeyPositions(json), result.Value);
  return result;
}

TReadResult<TColors> ReadDesignTokensFile(const QString& fileName) {
  TReadResult<TColors> result;
  const QFileInfo info(fileName);
  if (!info.exists()) {
    result.Status = TFileResult::FileNotFound();
    return result;
  }
  QFile file(fileName);
  if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
    result.Status = TFileResult::CantOpen();
    return result;
  }
  const QByteArray bytes = file.read(kMaxDesignTokensBytes + 1);
  if (bytes.size() > kMaxDesignTokensBytes) {
    result.Status = TFileResult::CantOpen();
    return result;
  }
  return ParseDesignTokens(bytes);
}

}  // namespace tintorium
