#pragma once
// The three faces the board was drawn for, mapped to the IPA fonts in this
// one place (fontconfig knows none of the original names).

#include <QFont>

namespace kz {

enum class Face {
    Mincho,        // ＭＳ 明朝
    Gothic,        // ＭＳ ゴシック (fixed pitch)
    PGothic,       // ＭＳ Ｐゴシック (proportional)
};

QFont GameFont(Face face, double points, bool bold = false);

} // namespace kz
