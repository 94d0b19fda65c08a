#pragma once
// A player that watches the athlete and presses at the right moments: every
// kind of move and a swan, and no faults, in every match it is asked to play.

#include <functional>
#include <QString>

namespace kz::sim {

class Autoplayer {
public:
    // Which seats play well in which match; the others press nothing.
    std::function<bool(int match, int seat)> playsWell = [](int, int) { return true; };

    // Told of every traced event (without its time), to follow the passes.
    void onEvent(const QString& what);
    // Called whenever the window handles events: the moment to press.
    void act();

private:
    enum class Pass { None, Forward, Return };
    struct Done {
        bool jump = false, somersault = false, handspring = false, handspringChosen = false, chain = false,
             chainChosen = false;
        bool swanJump = false, swan = false, tuckJump = false, backSomersault = false, backHandspring = false;
    };
    Pass pass_ = Pass::None;
    Done done_;
};

} // namespace kz::sim
