#pragma once
// A player that watches the athlete and presses at the right moments, for
// whole tournaments that must be won: every kind of move, a swan, no faults.

#include "support/TestWorld.h"
#include "performance/Passes.h"

#include <functional>

namespace kz::test {

class Bot {
public:
    // Which seats play well in which match; the others press nothing.
    std::function<bool(int match, int seat)> playsWell = [](int, int) { return true; };

    explicit Bot(TestWorld& w) : w_(w)
    {
        w_.pump.onYield = [this] { act(); };
    }

private:
    enum class Pass { None, Forward, Return };

    void watchTrace()
    {
        for (; seen_ < w_.trace.lines.size(); ++seen_) {
            const QString what = w_.trace.lines[seen_].section(' ', 1);
            if (what == "pass forward") {
                pass_ = Pass::Forward;
                done_ = {};
            } else if (what == "pass return") {
                pass_ = Pass::Return;
                done_ = {};
            } else if (what.startsWith("message 1 評価")) {
                pass_ = Pass::None;
            }
        }
    }

    void act()
    {
        watchTrace();
        auto& s = w_.s;
        if (pass_ == Pass::None || !playsWell(s.MATCH_NO, s.CUR_SEAT))
            return;
        const bool idle = s.MOVE_MODE == 0 && s.JUMP_STEP == 0 && s.HAND_STEP == 0;
        const bool windUp = s.MOVE_MODE == 1 && s.HAND_STEP >= 2 && s.HAND_STEP <= 30;
        if (pass_ == Pass::Forward) {
            if (idle && !done_.jump) {
                done_.jump = true;
                CountFoot();
            } else if (s.MOVE_MODE == 2 && s.POS_Y < 80 && !done_.somersault) {
                done_.somersault = true;
                CountHand();
            } else if (idle && done_.somersault && !done_.handspring) {
                done_.handspring = true;
                CountHand();
            } else if (windUp && done_.handspring && !done_.handspringChosen) {
                done_.handspringChosen = true;
                CountFoot();
            } else if (idle && done_.handspringChosen && !done_.chain && s.POS_X >= 321) {
                done_.chain = true;
                CountHand();
            } else if (windUp && done_.chain && !done_.chainChosen) {
                done_.chainChosen = true;
                CountHand();
                CountHand();
            }
        } else {
            if (idle && !done_.swanJump) {
                done_.swanJump = true;
                CountFoot();
            } else if (s.MOVE_MODE == 2 && s.SPEED_Y < 0 && s.POS_Y > 65 && s.POS_Y < 95 && !done_.swan) {
                done_.swan = true;
                CountFoot();
            } else if (idle && done_.swan && !done_.tuckJump) {
                done_.tuckJump = true;
                CountFoot();
            } else if (s.MOVE_MODE == 2 && s.POS_Y <= 65 && done_.tuckJump && !done_.backSomersault) {
                done_.backSomersault = true;
                CountHand();
            } else if (idle && done_.backSomersault && !done_.backHandspring && s.POS_X <= 144 + 32) {
                // The last move lands the athlete just inside the end of the mat.
                done_.backHandspring = true;
                CountHand();
            }
        }
    }

    struct Done {
        bool jump = false, somersault = false, handspring = false, handspringChosen = false, chain = false,
             chainChosen = false;
        bool swanJump = false, swan = false, tuckJump = false, backSomersault = false, backHandspring = false;
    };

    TestWorld& w_;
    qsizetype seen_ = 0;
    Pass pass_ = Pass::None;
    Done done_;
};

} // namespace kz::test
