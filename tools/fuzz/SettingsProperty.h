#pragma once
// What must hold for any bytes read as Kez.ini: the reader returns (no crash,
// no hang), and a complete file, written back, reads back as the same values.
// Shared by the fuzzer and the regression test that replays what it found.

#include "shell/Settings.h"

#include <cmath>
#include <string>

namespace kz::fuzz {

inline bool sameText(const std::optional<QString>& a, const std::optional<QString>& b)
{
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

// Empty when the property holds, else what went wrong.
inline std::string CheckSettingsBytes(const QByteArray& bytes)
{
    const SettingsValues v = ParseSettings(bytes);
    if (v.record && !std::isfinite(*v.record))
        return "record is not finite";
    if (!v.complete)
        return {};
    // Line breaks inside a value cannot survive a line-based file: the writer
    // turns them into spaces on purpose, so such values are not compared.
    auto plain = [](const std::optional<QString>& s) { return s && !s->contains('\r') && !s->contains('\n'); };
    SettingsLines l;
    l.holder = *v.holder;
    l.spare = *v.spare;
    l.record = FormatRecord(*v.record);
    for (int i = 0; i < 4; ++i)
        l.names[i] = *v.names[i];
    const SettingsValues back = ParseSettings(EncodeSettings(l));
    if (!back.complete)
        return "written back, the file is no longer complete";
    if (plain(v.holder) && !sameText(v.holder, back.holder))
        return "holder changed on the way back";
    if (plain(v.spare) && !sameText(v.spare, back.spare))
        return "spare line changed on the way back";
    for (int i = 0; i < 4; ++i)
        if (plain(v.names[i]) && !sameText(v.names[i], back.names[i]))
            return "name " + std::to_string(i) + " changed on the way back";
    // The record is written with ten decimals; once written it stays put.
    if (FormatRecord(*back.record) != l.record)
        return "record drifts on every save";
    return {};
}

} // namespace kz::fuzz
