#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace cadmira::framework {

// The per-user settings of the program: named integers and texts in named sections, kept by
// QSettings under the application's organisation and name. Section and entry names may hold any
// character and compare ignoring the case of ASCII letters; a stored name keeps the case it was
// first written with. Every write reaches the disk before it returns (a restart skips every
// destructor). An integer that is absent, not a number or outside 32 bits reads as the default.
int ProfileInt(const QString& section, const QString& entry, int defaultValue);
bool WriteProfileInt(const QString& section, const QString& entry, int value);

QString ProfileString(const QString& section, const QString& entry, const QString& defaultValue = {});
bool WriteProfileString(const QString& section, const QString& entry, const QString& value);

// The entry names of a section, in the order they were first written.
QStringList ProfileEntries(const QString& section);
bool DeleteProfileEntry(const QString& section, const QString& entry);
bool DeleteProfileSection(const QString& section);

// Names as stored: ASCII letters and digits stay, every other UTF-16 unit becomes "_" and four
// hex digits, and the empty name is a lone "_", so that QSettings' separators and escapes never
// meet a name.
QString EncodeProfileName(const QString& name);
// Nothing for a key that no name encodes to.
std::optional<QString> DecodeProfileName(const QString& key);

}  // namespace cadmira::framework
