#pragma once
// The records file Kez.ini beside the program: the record, its holder, a
// spare line kept as it stands, and the four player names.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kz {

void LoadSettings();
void SaveSettings();

QString SettingsPath();

// The file's seven values as text.
struct SettingsLines {
    QString holder, spare, record;
    QString names[4];
};

// Decodes the file (UTF-8 after a byte-order mark or when it is clean UTF-8,
// Shift_JIS otherwise) into
// its lines, as many as there are (a last line without its line end counts).
QStringList DecodeSettings(const QByteArray& bytes);
// Seven CR LF lines, in Shift_JIS when every value fits, else UTF-8 with a mark.
QByteArray EncodeSettings(const SettingsLines& lines);
// What a records file holds, read in order. `complete` is false when the file
// ends early or its record line is not a finite number; the values read up
// to that point are set.
struct SettingsValues {
    std::optional<QString> holder, spare;
    std::optional<double> record;
    std::optional<QString> names[4];
    bool complete = false;
};
SettingsValues ParseSettings(const QByteArray& bytes);

// The record line: a finite number with spaces around it skipped.
std::optional<double> ParseRecord(const QString& line);
// A number as the file writes it: a leading space when not negative, no trailing zeros.
QString FormatRecord(double v);

} // namespace kz
