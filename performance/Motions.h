#pragma once
// Every named motion of the athlete as a fixed sequence of sprite frames.

#include <QString>
#include <cstdint>
#include <vector>

namespace kz {

struct MotionStep {
    enum Kind { Frame, Sound, SetWait, Events };
    Kind kind = Frame;
    int value = 0;       // Frame: sprite cell; Sound: effect number; SetWait: ms
    int dx = 0;
    int dy = 0;
    bool stepDx = false; // the frame moves by the current SPEED_X
};

enum class Credit { None, Cartwheel, LongCartwheel, Handspring, BackHandspring, FrontSomersault, BackSomersault, Swan, Jump };

struct Motion {
    QString name;
    int sound = -1;          // played before the first frame
    bool setsSpeedX = false;
    int speedX = 0;
    std::vector<MotionStep> steps;
    Credit credit = Credit::None;
};

const std::vector<Motion>& MotionTable();
void PlayMove(const QString& name);

// 小技 plus half a point, rounded to the even neighbour.
std::int16_t HalfPointUp(std::int16_t smallTech);

} // namespace kz
