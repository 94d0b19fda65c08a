#pragma once
// The two records the save loop writes in turn. The second has long lines,
// so that a save takes long enough to be cut in the middle.

#include "game/GameState.h"

namespace kz::reliability {

inline void SetSaveValues(GameState& s, bool second)
{
    s.RECORD_NAME = second ? "新しい記録の持ち主" : "old";
    s.RECORD = second ? 987.5 : 400;
    for (int seat = 0; seat < 4; ++seat)
        s.PL_NAME[seat] = second ? QString(400, QChar(0x3042 + seat)) : QString("name%1").arg(seat);
}

} // namespace kz::reliability
