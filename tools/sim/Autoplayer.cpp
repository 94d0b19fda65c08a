#include "Autoplayer.h"

#include "game/GameState.h"
#include "game/World.h"
#include "performance/Passes.h"

namespace kz::sim {

void Autoplayer::onEvent(const QString& what)
{
    if (what == "pass forward") {
        pass_ = Pass::Forward;
        done_ = {};
    } else if (what == "pass return") {
        pass_ = Pass::Return;
        done_ = {};
    } else if (what.startsWith("message 1 評価") || what.startsWith("message 1 Game Over")) {
        pass_ = Pass::None;
    }
}

void Autoplayer::act()
{
    const auto& s = state();
    if (pass_ == Pass::None || !playsWell(s.MATCH_NO, s.CUR_SEAT))
        return;
    const bool idle = s.MOVE_MODE == 0 && s.JUMP_STEP == 0 && s.HAND_STEP == 0;
    const bool windUp = s.MOVE_MODE == 1 && s.HAND_STEP >= 2 && s.HAND_STEP <= 30;
    if (pass_ == Pass::Forward) {
        // A jump with a front somersault, a handspring, then a cartwheel and a
        // long one that end the pass just inside the mat.
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
        // A swan, a jump with a back somersault, and a back handspring that
        // lands just inside the end of the mat.
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
        } else if (idle && done_.backSomersault && !done_.backHandspring && s.POS_X <= 176) {
            done_.backHandspring = true;
            CountHand();
        }
    }
}

} // namespace kz::sim
