#pragma once
// The driver's autoplayer, hooked to a test world's trace and event pump.

#include "sim/Autoplayer.h"
#include "support/TestWorld.h"

namespace kz::test {

class Bot {
public:
    explicit Bot(TestWorld& w) : w_(w)
    {
        w_.pump.onYield = [this] {
            for (; seen_ < w_.trace.lines.size(); ++seen_)
                player_.onEvent(w_.trace.lines[seen_].section(' ', 1));
            player_.act();
        };
    }
    std::function<bool(int, int)>& playsWell = player_.playsWell;

private:
    TestWorld& w_;
    sim::Autoplayer player_;
    qsizetype seen_ = 0;
};

} // namespace kz::test
