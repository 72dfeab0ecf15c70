#include "framework/ProfileStore.h"

#include <QCoreApplication>
#include <QSettings>

#include <limits>
#include <memory>

#include "base/AsciiCase.h"

namespace cadmira::framework {
namespace {

// Names in first-written order; "_order" is no encoded name, so it never meets an entry.
const QString kOrderKey = QStringLiteral("_order");

std::unique_ptr<QSettings> OpenSettings() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QCoreApplication::organizationName(), QCoreApplication::applicationName());
}

std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

bool IsKeptAsIs(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

std::optional<char16_t> ParseHexUnit(QStringView digits) {
  char16_t unit = 0;
  for (const QChar c : digits) {
    const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
    if (digit < 0 || c.unicode() > 127) return std::nullopt;
    unit = static_cast<char16_t>(unit * 16 + digit);
  }
  return unit;
}

std::optional<QString> FindStoredKey(const QStringList& keys, const QString& name) {
  for (const QString& key : keys) {
    const std::optional<QString> decoded = DecodeProfileName(key);
    if (decoded && AsciiEqualNoCase(View(*decoded), View(name))) return key;
  }
  return std::nullopt;
}

// Opens the group of `section` when it exists (or when `create` is set); false otherwise.
bool EnterSection(QSettings& settings, const QString& section, bool create) {
  std::optional<QString> key = FindStoredKey(settings.childGroups(), section);
  if (!key) {
    if (!create) return false;
    key = EncodeProfileName(section);
  }
  settings.beginGroup(*key);
  return true;
}

bool Synced(QSettings& settings) {
  settings.sync();
  return settings.status() == QSettings::NoError;
}

std::optional<QString> ReadEntry(const QString& section, const QString& entry) {
  const auto settings = OpenSettings();
  if (!EnterSection(*settings, section, false)) return std::nullopt;
  const std::optional<QString> key = FindStoredKey(settings->childKeys(), entry);
  if (!key) return std::nullopt;
  return settings->value(*key).toString();
}

bool WriteEntry(const QString& section, const QString& entry, const QVariant& value) {
  const auto settings = OpenSettings();
  EnterSection(*settings, section, true);
  std::optional<QString> key = FindStoredKey(settings->childKeys(), entry);
  if (!key) {
    key = EncodeProfileName(entry);
    settings->setValue(kOrderKey, settings->value(kOrderKey).toStringList() << *key);
  }
  settings->setValue(*key, value);
  settings->endGroup();
  return Synced(*settings);
}

std::optional<int> ParseInt32(const QString& text) {
  bool ok = false;
  const qlonglong value = text.toLongLong(&ok, 10);
  if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

QString EncodeProfileName(const QString& name) {
  if (name.isEmpty()) return QStringLiteral("_");
  QString key;
  key.reserve(name.size());
  for (const QChar c : name) {
    if (IsKeptAsIs(c)) {
      key += c;
    } else {
      key += QLatin1Char('_') + QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
  }
  return key;
}

std::optional<QString> DecodeProfileName(const QString& key) {
  if (key == QStringLiteral("_")) return QString();
  if (key.isEmpty()) return std::nullopt;
  QString name;
  qsizetype i = 0;
  while (i < key.size()) {
    if (IsKeptAsIs(key[i])) {
      name += key[i++];
      continue;
    }
    if (key[i] != QLatin1Char('_') || i + 5 > key.size()) return std::nullopt;
    const std::optional<char16_t> unit = ParseHexUnit(QStringView(key).mid(i + 1, 4));
    if (!unit) return std::nullopt;
    name += QChar(*unit);
    i += 5;
  }
  return name;
}

int ProfileInt(const QString& section, const QString& entry, int defaultValue) {
  const std::optional<QString> text = ReadEntry(section, entry);
  if (!text) return defaultValue;
  return ParseInt32(*text).value_or(defaultValue);
}

bool WriteProfileInt(const QString& section, const QString& entry, int value) {
  return WriteEntry(section, entry, value);
}

QString ProfileString(const QString& section, const QString& entry, const QString& defaultValue) {
  return ReadEntry(section, entry).value_or(defaultValue);
}

bool WriteProfileString(const QString& section, const QString& entry, const QString& value) {
  return WriteEntry(section, entry, value);
}

QStringList ProfileEntries(const QString& section) {
  const auto settings = OpenSettings();
  if (!EnterSection(*settings, section, false)) return {};
  QStringList keys = settings->childKeys();
  QStringList ordered;
  for (const QString& key : settings->value(kOrderKey).toStringList()) {
    if (keys.removeOne(key)) ordered << key;
  }
  keys.sort();
  ordered << keys;  // written by someone else: after the known ones
  QStringList names;
  for (const QString& key : ordered) {
    if (const std::optional<QString> name = DecodeProfileName(key)) names << *name;
  }
  return names;
}

bool DeleteProfileEntry(const QString& section, const QString& entry) {
  const auto settings = OpenSettings();
  if (!EnterSection(*settings, section, false)) return true;
  if (const std::optional<QString> key = FindStoredKey(settings->childKeys(), entry)) {
    settings->remove(*key);
    QStringList order = settings->value(kOrderKey).toStringList();
    order.removeAll(*key);
    settings->setValue(kOrderKey, order);
  }
  settings->endGroup();
  return Synced(*settings);
}

bool DeleteProfileSection(const QString& section) {
  const auto settings = OpenSettings();
  if (const std::optional<QString> key = FindStoredKey(settings->childGroups(), section)) settings->remove(*key);
  return Synced(*settings);
}

}  // namespace cadmira::framework
