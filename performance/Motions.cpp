#include "performance/Motions.h"

#include "game/GameState.h"
#include "game/World.h"
#include "performance/SpriteRenderer.h"
#include "platform/Platform.h"
#include "shell/Sound.h"

#include <cmath>

namespace kz {

namespace {

MotionStep F(int cell, int dx = 0, int dy = 0) { return {MotionStep::Frame, cell, dx, dy, false}; }
MotionStep Step(int cell, int dy = 0) { return {MotionStep::Frame, cell, 0, dy, true}; }
MotionStep Snd(int n) { return {MotionStep::Sound, n, 0, 0, false}; }
MotionStep Wait(int ms) { return {MotionStep::SetWait, ms, 0, 0, false}; }
MotionStep Events() { return {MotionStep::Events, 0, 0, 0, false}; }

std::vector<MotionStep> frames(std::initializer_list<int> cells)
{
    std::vector<MotionStep> out;
    for (int c : cells)
        out.push_back(F(c));
    return out;
}

std::vector<MotionStep> steps(std::initializer_list<int> cells)
{
    std::vector<MotionStep> out;
    for (int c : cells)
        out.push_back(Step(c));
    return out;
}

std::vector<MotionStep> join(std::initializer_list<std::vector<MotionStep>> parts)
{
    std::vector<MotionStep> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

std::vector<Motion> buildTable()
{
    std::vector<Motion> t;
    t.push_back({"挨拶", -1, true, 0, steps({0, 1, 2, 3, 5, 6}), Credit::None});
    t.push_back({"終わり", -1, true, 0, steps({5}), Credit::None});
    t.push_back({"走る", -1, false, 0, steps({54, 55, 56, 57}), Credit::None});
    t.push_back({"戻る", -1, false, 0, steps({57, 56, 55, 54}), Credit::None});
    t.push_back({"側転", 0, false, 0,
                 {F(18, 20), Events(), F(19), Events(), F(20), F(21, 30), F(22, 30), F(23, 30), F(24, 4), F(25, 1), Events()},
                 Credit::Cartwheel});
    t.push_back({"側転2", 0, false, 0,
                 {Events(), F(26, 20), F(27, 20), F(19), F(20), F(21, 40), F(22, 40), F(23, 40), F(24, 4), F(25, 1), Events()},
                 Credit::LongCartwheel});
    t.push_back({"ハンド", 3, false, 0,
                 {F(18, 25), F(30, 8), F(31, 2), F(32, 20), F(33, 20), F(34, 40), F(35, 4), F(36), F(5, 1)},
                 Credit::Handspring});
    t.push_back({"バク転", 2, false, 0,
                 {F(45), F(9), F(45, -20), F(46, -20), F(47, -20), F(39, -10), F(49), F(50, -20), F(42, -20), F(43, -20),
                  F(44, -5), F(45), F(6)},
                 Credit::BackHandspring});
    t.push_back({"R_JUMP", 3, false, 0, {F(9, 5, -20), F(10, 5, -40), F(10, 10, -20), F(10, 10, 0)}, Credit::Jump});
    t.push_back({"L_JUMP", 3, false, 0, {F(9, -5, -20), F(10, -5, -40), F(10, -10, -20), F(10, -10, 0)}, Credit::Jump});
    t.push_back({"DOWN", -1, false, 0, {F(10, 0, 40), F(10, 0, 20), F(10)}, Credit::None});
    t.push_back({"前宙", 2, true, 2, join({steps({11, 12, 13, 14, 15, 16, 17}), {Step(11, 20)}}), Credit::FrontSomersault});
    t.push_back({"後宙", 2, true, -2, join({steps({11, 17, 16, 15, 14, 13, 12}), {Step(11, 20)}}), Credit::BackSomersault});
    t.push_back({"スワン", 3, false, 0,
                 {F(45), F(9), F(45, -20), F(36, -20, -10), F(36, -20, -20), F(37, -20, -10), F(38, -20, -10),
                  F(39, -20, -10), F(40, -20, -8), F(41, -20, -4), F(42, -5, -2), F(43, -5, 4), F(44, -6, 8),
                  F(45, -8, 30), F(45, -8, 30), F(45, -8, 0)},
                 Credit::Swan});
    const auto greetAndWave = join({frames({0, 1, 61, 1, 61, 1, 0}), {Snd(9)}});
    t.push_back({"END_1", -1, false, 0,
                 join({{Wait(80)}, frames({5, 6, 64, 0, 64, 59, 60, 59, 60, 65}), {Snd(9)}, greetAndWave,
                       frames({6, 62, 63, 62, 63, 62, 63, 73, 74, 75}), {Snd(9)}, frames({69})}),
                 Credit::None});
    t.push_back({"END_2", -1, false, 0,
                 join({{Wait(80)}, frames({5, 6, 64, 0, 64, 59, 60, 59, 60, 65}), {Snd(9)}, greetAndWave,
                       frames({6, 73, 74, 75}), {Snd(9)}, frames({70})}),
                 Credit::None});
    t.push_back({"END_3", -1, false, 0,
                 join({frames({3}), {Wait(80)}, frames({5, 6, 64, 0, 64, 65}), {Snd(9)}, greetAndWave,
                       frames({6, 73, 74, 75}), {Snd(9)}, frames({71})}),
                 Credit::None});
    t.push_back({"END_4", -1, false, 0, join({{Wait(80)}, frames({59, 60, 59, 60, 73, 74, 75})}), Credit::None});
    return t;
}

void applyCredit(GameState& s, Credit c)
{
    auto add = [](std::int16_t& v, int n) { v = static_cast<std::int16_t>(v + n); };
    switch (c) {
    case Credit::None: break;
    case Credit::Cartwheel: add(s.SMALL_TECH, 1); s.MOVE_USED[0] = 1; break;
    case Credit::LongCartwheel: add(s.SMALL_TECH, 1); add(s.BIG_TECH, 1); s.MOVE_USED[1] = 1; break;
    case Credit::Handspring: add(s.SMALL_TECH, 1); add(s.BIG_TECH, 1); s.MOVE_USED[2] = 1; break;
    case Credit::BackHandspring: add(s.SMALL_TECH, 1); s.MOVE_USED[3] = 1; break;
    case Credit::FrontSomersault: s.SMALL_TECH = HalfPointUp(s.SMALL_TECH); s.MOVE_USED[4] = 1; break;
    case Credit::BackSomersault: s.SMALL_TECH = HalfPointUp(s.SMALL_TECH); s.MOVE_USED[5] = 1; break;
    case Credit::Swan: add(s.SMALL_TECH, 2); add(s.BIG_TECH, 2); s.MOVE_USED[6] += 1; break;
    case Credit::Jump: s.SMALL_TECH = HalfPointUp(s.SMALL_TECH); break;
    }
}

} // namespace

std::int16_t HalfPointUp(std::int16_t smallTech)
{
    return static_cast<std::int16_t>(std::nearbyint(smallTech + 0.5));
}

const std::vector<Motion>& MotionTable()
{
    static const std::vector<Motion> table = buildTable();
    return table;
}

void PlayMove(const QString& name)
{
    const Motion* motion = nullptr;
    for (const Motion& m : MotionTable()) {
        if (m.name == name) {
            motion = &m;
            break;
        }
    }
    if (!motion)
        return;
    auto& s = state();
    auto& p = sys();
    p.note("move " + name);
    if (motion->sound >= 0)
        PlaySound(motion->sound);
    if (motion->setsSpeedX)
        s.SPEED_X = motion->speedX;
    for (const MotionStep& st : motion->steps) {
        switch (st.kind) {
        case MotionStep::Frame:
            DrawAthlete(static_cast<std::int16_t>(st.value));
            s.POS_X += st.stepDx ? s.SPEED_X : st.dx;
            s.POS_Y += st.dy;
            p.pause(s.FRAME_WAIT);
            break;
        case MotionStep::Sound:
            PlaySound(st.value);
            break;
        case MotionStep::SetWait:
            s.FRAME_WAIT = static_cast<std::int16_t>(st.value);
            break;
        case MotionStep::Events:
            p.yield();
            break;
        }
    }
    applyCredit(s, motion->credit);
}

} // namespace kz
