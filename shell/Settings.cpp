#include "shell/Settings.h"

#include "game/GameState.h"
#include "game/World.h"
#include "platform/Platform.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cmath>

namespace kz {

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");

QString oneLine(QString s)
{
    // A value is its whole line: line breaks inside it would shift the rest.
    s.replace('\r', ' ');
    s.replace('\n', ' ');
    return s;
}

// Beyond ASCII, and well-formed UTF-8 throughout (shortest forms, no
// surrogates, nothing above U+10FFFF).
bool looksLikeUtf8(const QByteArray& bytes)
{
    bool beyondAscii = false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        beyondAscii = true;
        int more = 0;
        char32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) { more = 1; cp = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { more = 2; cp = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { more = 3; cp = c & 0x07; }
        else return false;
        if (end - p <= more)
            return false;
        for (int k = 1; k <= more; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[k] & 0x3F);
        }
        if ((more == 2 && cp < 0x800) || (more == 3 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += more + 1;
    }
    return beyondAscii;
}

std::optional<QByteArray> toShiftJis(const QString& text)
{
    QStringEncoder enc("Shift_JIS");
    QStringDecoder dec("Shift_JIS");
    if (!enc.isValid() || !dec.isValid())
        return std::nullopt;
    const QByteArray bytes = enc(text);
    if (enc.hasError())
        return std::nullopt;
    const QString back = dec(bytes);
    if (dec.hasError() || back != text)
        return std::nullopt;
    return bytes;
}

} // namespace

QString SettingsPath()
{
    return sys().appDir + "/Kez.ini";
}

QStringList DecodeSettings(const QByteArray& bytes)
{
    QString text;
    if (bytes.startsWith(kUtf8Mark)) {
        text = QString::fromUtf8(bytes.mid(kUtf8Mark.size()));
    } else {
        // A file edited by hand in UTF-8 often has no mark. Shift_JIS text is
        // practically never valid UTF-8 once it holds anything beyond ASCII,
        // so strict UTF-8 that decodes cleanly is taken as such.
        if (looksLikeUtf8(bytes)) {
            text = QString::fromUtf8(bytes);
        } else {
            QStringDecoder dec("Shift_JIS");
            text = dec(bytes);
        }
    }
    text.replace("\r\n", "\n");
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray EncodeSettings(const SettingsLines& l)
{
    QString text;
    for (const QString& v : {l.holder, l.spare, l.record, l.names[0], l.names[1], l.names[2], l.names[3]})
        text += oneLine(v) + "\r\n";
    // Shift_JIS unless a value does not fit it, or the bytes would read back
    // as UTF-8 (the reader takes clean UTF-8 as such).
    if (auto sjis = toShiftJis(text); sjis && !looksLikeUtf8(*sjis))
        return *sjis;
    return kUtf8Mark + text.toUtf8();
}

std::optional<double> ParseRecord(const QString& line)
{
    bool ok = false;
    const double v = line.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString FormatRecord(double v)
{
    QString s = QString::number(v, 'f', 10);
    if (s.contains('.')) {
        while (s.endsWith('0'))
            s.chop(1);
        if (s.endsWith('.'))
            s.chop(1);
    }
    return v < 0 ? s : ' ' + s;
}

SettingsValues ParseSettings(const QByteArray& bytes)
{
    SettingsValues v;
    const QStringList lines = DecodeSettings(bytes);
    auto line = [&](int i) -> std::optional<QString> {
        if (i < lines.size())
            return lines[i];
        return std::nullopt;
    };
    v.holder = line(0);
    v.spare = line(1);
    if (!v.spare)
        return v;
    const auto recordLine = line(2);
    if (!recordLine || !(v.record = ParseRecord(*recordLine)))
        return v;
    for (int seat = 0; seat < 4; ++seat) {
        v.names[seat] = line(3 + seat);
        if (!v.names[seat])
            return v;
    }
    v.complete = true;
    return v;
}

namespace {

// Reads the seven values in order, each taking effect as it is read.
// False when the file is missing, short or damaged.
bool readFile()
{
    auto& s = state();
    const auto bytes = sys().files->read(SettingsPath());
    if (!bytes)
        return false;
    const SettingsValues v = ParseSettings(*bytes);
    if (v.holder)
        s.RECORD_NAME = *v.holder;
    if (v.spare)
        s.SPARE_VALUE = *v.spare;
    if (v.record)
        s.RECORD = *v.record;
    for (int seat = 0; seat < kSeats; ++seat)
        if (v.names[seat])
            s.PL_NAME[seat] = *v.names[seat];
    return v.complete;
}

bool writeFile()
{
    const auto& s = state();
    SettingsLines l;
    l.holder = s.RECORD_NAME;
    l.spare = s.SPARE_VALUE;
    l.record = FormatRecord(s.RECORD);
    for (int seat = 0; seat < kSeats; ++seat)
        l.names[seat] = s.PL_NAME[seat];
    const bool ok = sys().files->write(SettingsPath(), EncodeSettings(l));
    sys().note(ok ? "settings save" : "settings save failed");
    return ok;
}

} // namespace

void LoadSettings()
{
    auto& s = state();
    s.RECORD_NAME = "Morel";
    s.RECORD = 400;
    sys().note("settings load");
    for (;;) {
        if (s.NO_SAVE == 1)
            return;
        if (readFile())
            return;
        const bool yes = sys().dialogs->askYesNo(
            "初期データーの作成",
            "データーをアプリケーションのある場所に作成します。\nCD-ROMからの起動や保存したくない時はNOを選択して下さい");
        if (!yes) {
            s.NO_SAVE = 1;
            continue;
        }
        if (!writeFile()) {
            // Said once; the game then runs without the file instead of asking for ever.
            sys().dialogs->warn("初期データーの作成",
                                "データーを作成できませんでした。\n" + SettingsPath()
                                    + "\n記録と選手名は保存されませんが、このまま遊べます。");
            s.NO_SAVE = 1;
        }
    }
}

void SaveSettings()
{
    if (state().NO_SAVE == 1)
        return;
    writeFile();
}

} // namespace kz
