#include "app/Settings.h"

#include <QSettings>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <optional>

namespace tintorium {
namespace {

using namespace settings_group;

bool IsIntegerType(int typeId) {
  switch (typeId) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Long: case QMetaType::ULong:
      return true;
    default:
      return false;
  }
}

// An integer stored natively or as text (the INI backend keeps everything as text); nullopt for anything else.
std::optional<qint64> AsInteger(const QVariant& value) {
  const int type = value.typeId();
  bool ok = false;
  qint64 number = 0;
  if (IsIntegerType(type)) {
    number = value.toLongLong(&ok);
  } else if (type == QMetaType::QString) {
    number = value.toString().trimmed().toLongLong(&ok);
  }
  if (!ok) return std::nullopt;
  return number;
}

// The writers of QSettings store booleans as "true"/"false": accept those too.
std::optional<bool> AsBool(const QVariant& value) {
  if (value.typeId() == QMetaType::Bool) return value.toBool();
  if (value.typeId() == QMetaType::QString) {
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
  }
  if (const auto number = AsInteger(value)) return *number != 0;
  return std::nullopt;
}

}  // namespace

QRect CentredPlacement(const QSize& size, const QRect& screen) {
  return QRect(screen.x() + screen.width() / 2 - size.width() / 2, screen.y() + screen.height() / 2 - size.height() / 2,
               size.width(), size.height());
}

QSize FirstStartSize(const QSize& needed, const QRect& screen) {
  const QSize room = (screen.size() - kFrameAllowance).expandedTo(QSize(1, 1));
  const QSize generous(std::min(screen.width() * 3 / 4, 1440), std::min(screen.height() * 3 / 4, 900));
  return needed.expandedTo(generous).expandedTo(QSize(kDesignWidth, kDesignHeight)).boundedTo(room);
}

QRect CorrectPlacement(const QRect& stored, const QRect& screen) {
  QRect placed = stored;
  const QRect centred = CentredPlacement(stored.size(), screen);
  const int screenBottom = screen.y() + screen.height();
  const int screenRight = screen.x() + screen.width();
  if (stored.y() - 10 > screenBottom || stored.y() + stored.height() <= screen.y()) placed.moveTop(centred.y());
  if (stored.x() - 10 > screenRight || stored.x() + stored.width() <= screen.x()) placed.moveLeft(centred.x());
  return placed;
}

TSettings::TSettings(QSettings& store) : store_(store) {}

namespace {

QVariant RawValue(QSettings& store, const char* group, const QString& name) {
  store.beginGroup(QString::fromLatin1(group));
  QVariant value = store.value(name);
  store.endGroup();
  return value;
}

void WriteRaw(QSettings& store, const char* group, const QString& name, const QVariant& value) {
  store.beginGroup(QString::fromLatin1(group));
  store.setValue(name, value);
  store.endGroup();
}

}  // namespace

bool TSettings::ReadBoolDef(const char* group, const QString& name, bool def) const {
  return AsBool(RawValue(store_, group, name)).value_or(def);
}

int TSettings::ReadIntegerDef(const char* group, const QString& name, int def) const {
  const auto number = AsInteger(RawValue(store_, group, name));
  if (!number || *number < std::numeric_limits<qint32>::min() || *number > std::numeric_limits<quint32>::max())
    return def;
  // Registry integers are 32-bit words: a value written unsigned (a TColor above 0x7FFFFFFF) reads back signed.
  return static_cast<qint32>(static_cast<quint32>(*number));
}

QString TSettings::ReadStringDef(const char* group, const QString& name, const QString& def) const {
  const QVariant value = RawValue(store_, group, name);
  return value.typeId() == QMetaType::QString ? value.toString() : def;
}

void TSettings::WriteBool(const char* group, const QString& name, bool value) {
  WriteRaw(store_, group, name, value ? 1 : 0);
}

void TSettings::WriteInteger(const char* group, const QString& name, int value) {
  WriteRaw(store_, group, name, value);
}

void TSettings::WriteString(const char* group, const QString& name, const QString& value) {
  WriteRaw(store_, group, name, value);
}

QString TSettings::Language() const {
  return ReadStringDef(kOptions, QStringLiteral("Language"), QStringLiteral("english.lng"));
}

void TSettings::WriteLanguage(const QString& name) { WriteString(kOptions, QStringLiteral("Language"), name); }

TOptions TSettings::ReadOptions() const {
  const TOptions d;
  TOptions o;
  o.cfAdjust = ReadIntegerDef(kOptions, QStringLiteral("cfAdjust"), d.cfAdjust);
  o.Theme = ReadStringDef(kOptions, QStringLiteral("Theme"), d.Theme);
  o.CompactDraw = ReadBoolDef(kOptions, QStringLiteral("CompactDraw"), d.CompactDraw);
  o.SavePalette = ReadBoolDef(kOptions, QStringLiteral("SavePalette"), d.SavePalette);
  o.ViewLibOnlyColor = ReadBoolDef(kOptions, QStringLiteral("ViewLibOnlyColor"), d.ViewLibOnlyColor);
  o.HTMLSharp = ReadBoolDef(kOptions, QStringLiteral("HTMLSharp"), d.HTMLSharp);
  o.ViewCFIFile = ReadBoolDef(kOptions, QStringLiteral("ViewCFIFile"), d.ViewCFIFile);
  o.ScreenPickerZoom = ReadIntegerDef(kOptions, QStringLiteral("ScreenPickerZoom"), d.ScreenPickerZoom);
  o.ColorUnCursorModel = ReadIntegerDef(kOptions, QStringLiteral("ColorUnCursorModel"), d.ColorUnCursorModel);
  o.CssForm = ReadIntegerDef(kOptions, QStringLiteral("CssForm"), d.CssForm);
  o.MatrixViewAs = ReadStringDef(kOptions, QStringLiteral("MatrixViewAs"), d.MatrixViewAs);
  o.MatrixShow = ReadStringDef(kOptions, QStringLiteral("MatrixShow"), d.MatrixShow);
  return o;
}

void TSettings::WriteOptions(const TOptions& o) {
  WriteInteger(kOptions, QStringLiteral("cfAdjust"), o.cfAdjust);
  WriteString(kOptions, QStringLiteral("Theme"), o.Theme);
  WriteBool(kOptions, QStringLiteral("CompactDraw"), o.CompactDraw);
  WriteBool(kOptions, QStringLiteral("SavePalette"), o.SavePalette);
  WriteBool(kOptions, QStringLiteral("ViewLibOnlyColor"), o.ViewLibOnlyColor);
  WriteBool(kOptions, QStringLiteral("HTMLSharp"), o.HTMLSharp);
  WriteBool(kOptions, QStringLiteral("ViewCFIFile"), o.ViewCFIFile);
  WriteInteger(kOptions, QStringLiteral("ScreenPickerZoom"), o.ScreenPickerZoom);
  WriteInteger(kOptions, QStringLiteral("ColorUnCursorModel"), o.ColorUnCursorModel);
  WriteInteger(kOptions, QStringLiteral("CssForm"), o.CssForm);
  WriteString(kOptions, QStringLiteral("MatrixViewAs"), o.MatrixViewAs);
  WriteString(kOptions, QStringLiteral("MatrixShow"), o.MatrixShow);
}

bool TSettings::HasMainSize() const {
  return RawValue(store_, kMain, QStringLiteral("MWidth")).isValid() &&
         RawValue(store_, kMain, QStringLiteral("MHeight")).isValid();
}

TMainSettings TSettings::ReadMain(const QRect& screen) const {
  TMainSettings m;
  const int width = ReadIntegerDef(kMain, QStringLiteral("MWidth"), kDesignWidth);
  const int height = ReadIntegerDef(kMain, QStringLiteral("MHeight"), kDesignHeight);
  const QRect centred = CentredPlacement(QSize(width, height), screen);
  m.Geometry = QRect(ReadIntegerDef(kMain, QStringLiteral("MLeft"), centred.x()),
                     ReadIntegerDef(kMain, QStringLiteral("MTop"), centred.y()), width, height);
  m.MWindowState = ReadIntegerDef(kMain, QStringLiteral("MWindowState"), m.MWindowState);
  m.MFormStyle = ReadBoolDef(kMain, QStringLiteral("MFormStyle"), m.MFormStyle);
  m.baseValue = ReadIntegerDef(kMain, QStringLiteral("baseValue"), m.baseValue);
  m.baseModel = ReadIntegerDef(kMain, QStringLiteral("baseModel"), m.baseModel);
  return m;
}

void TSettings::WriteMain(const TMainSettings& m) {
  WriteInteger(kMain, QStringLiteral("MWindowState"), m.MWindowState);
  if (m.MWindowState == 0) {
    WriteInteger(kMain, QStringLiteral("MTop"), m.Geometry.y());
    WriteInteger(kMain, QStringLiteral("MLeft"), m.Geometry.x());
    WriteInteger(kMain, QStringLiteral("MWidth"), m.Geometry.width());
    WriteInteger(kMain, QStringLiteral("MHeight"), m.Geometry.height());
  }
  WriteBool(kMain, QStringLiteral("MFormStyle"), m.MFormStyle);
  WriteInteger(kMain, QStringLiteral("baseValue"), m.baseValue);
  WriteInteger(kMain, QStringLiteral("baseModel"), m.baseModel);
}

TColorToolsSettings TSettings::ReadColorTools() const {
  const TColorToolsSettings d;
  TColorToolsSettings t;
  const auto i = [this](const char* name, int def) { return ReadIntegerDef(kColorTools, QString::fromLatin1(name), def); };
  t.CWHar = i("CWHar", d.CWHar);
  t.CWStyle = i("CWStyle", d.CWStyle);
  t.CWModel = i("CWModel", d.CWModel);
  t.VariationsModel = i("VariationsModel", d.VariationsModel);
  t.VariationsSize = i("VariationsSize", d.VariationsSize);
  t.MixerModel = i("MixerModel", d.MixerModel);
  t.MixerColor1 = i("MixerColor1", d.MixerColor1);
  t.MixerColor2 = i("MixerColor2", d.MixerColor2);
  t.MixerColor3 = i("MixerColor3", d.MixerColor3);
  t.MixerColor4 = i("MixerColor4", d.MixerColor4);
  t.MixerSize = i("MixerSize", d.MixerSize);
  t.LibrarySmallLast = ReadStringDef(kColorTools, QStringLiteral("LibrarySmallLast"), d.LibrarySmallLast);
  t.LibraryLast = ReadStringDef(kColorTools, QStringLiteral("LibraryLast"), d.LibraryLast);
  t.SpecType = i("SpecType", d.SpecType);
  t.SpecModel = i("SpecModel", d.SpecModel);
  const auto s = [this](const char* name, const QString& def) {
    return ReadStringDef(kColorTools, QString::fromLatin1(name), def);
  };
  t.ScaleSteps = i("ScaleSteps", d.ScaleSteps);
  t.ScaleCustomSteps = s("ScaleCustomSteps", d.ScaleCustomSteps);
  t.ScaleMode = i("ScaleMode", d.ScaleMode);
  t.ScaleMeasure = i("ScaleMeasure", d.ScaleMeasure);
  t.ScaleTargets = s("ScaleTargets", d.ScaleTargets);
  t.ScaleBackground = i("ScaleBackground", d.ScaleBackground);
  t.ScaleHueShift = i("ScaleHueShift", d.ScaleHueShift);
  t.ScaleName = s("ScaleName", d.ScaleName);
  t.ScaleNotation = i("ScaleNotation", d.ScaleNotation);
  return t;
}

void TSettings::WriteColorTools(const TColorToolsSettings& t) {
  const auto i = [this](const char* name, int value) { WriteInteger(kColorTools, QString::fromLatin1(name), value); };
  i("CWHar", t.CWHar);
  i("CWStyle", t.CWStyle);
  i("CWModel", t.CWModel);
  i("VariationsModel", t.VariationsModel);
  i("VariationsSize", t.VariationsSize);
  i("MixerModel", t.MixerModel);
  i("MixerColor1", t.MixerColor1);
  i("MixerColor2", t.MixerColor2);
  i("MixerColor3", t.MixerColor3);
  i("MixerColor4", t.MixerColor4);
  i("MixerSize", t.MixerSize);
  WriteString(kColorTools, QStringLiteral("LibrarySmallLast"), t.LibrarySmallLast);
  WriteString(kColorTools, QStringLiteral("LibraryLast"), t.LibraryLast);
  i("SpecType", t.SpecType);
  i("SpecModel", t.SpecModel);
  i("ScaleSteps", t.ScaleSteps);
  WriteString(kColorTools, QStringLiteral("ScaleCustomSteps"), t.ScaleCustomSteps);
  i("ScaleMode", t.ScaleMode);
  i("ScaleMeasure", t.ScaleMeasure);
  WriteString(kColorTools, QStringLiteral("ScaleTargets"), t.ScaleTargets);
  i("ScaleBackground", t.ScaleBackground);
  i("ScaleHueShift", t.ScaleHueShift);
  WriteString(kColorTools, QStringLiteral("ScaleName"), t.ScaleName);
  i("ScaleNotation", t.ScaleNotation);
}

QString TSettings::ReadLastFile() const { return ReadStringDef(kLastPalette, QStringLiteral("LastFile"), QString()); }

void TSettings::WriteLastFile(const QString& path) { WriteString(kLastPalette, QStringLiteral("LastFile"), path); }

QByteArray TSettings::ReadToolbars() const {
  const QVariant value = RawValue(store_, kToolbars, QStringLiteral("State"));
  return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
}

void TSettings::WriteToolbars(const QByteArray& state) { WriteRaw(store_, kToolbars, QStringLiteral("State"), state); }

}  // namespace tintorium
