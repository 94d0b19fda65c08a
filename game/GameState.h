#pragma once
// The one shared state of the game. Every procedure reads and writes these
// fields directly, on the one UI thread; names are those of the design.

#include <QString>
#include <array>
#include <cstdint>

namespace kz {

constexpr int kSeats = 4;
constexpr int kSlots = 100;       // 96 computer opponents + one copy per seat
constexpr int kOpponents = 96;

struct GameState {
    // Seats (room for six, only 0..3 used).
    int LAST_PLAYER = 0;
    std::array<QString, 6> PL_NAME{"A選手", "B選手", "C選手", "D選手", "", ""};
    std::array<int, 6> PL_STATE{-1, -1, -1, -1, -1, -1};
    std::array<double, 6> PL_SCORE{};
    std::array<double, 6> PL_TOTAL{};
    std::array<int, 6> PL_RANK{};
    std::array<int, 6> PL_MRANK{};

    // Athlete table: slots 0..95 opponents, 96 + seat the seats' copies.
    std::array<QString, kSlots> ATH_NAME;
    std::array<int, kSlots> ATH_STATE{};
    std::array<double, kSlots> ATH_SCORE{};
    std::array<int, kSlots> ATH_MARK{};
    std::array<double, kSlots> ATH_TOTAL{};

    // Tournament progress.
    int STOP_FLAG = 1;
    int MATCH_NO = 0;
    int BASE_LEVEL = 0;
    std::int16_t CUR_SEAT = 0;
    std::int16_t JUDGE_NO = 0;
    std::int16_t ATH_NO = 0;

    // The routine under way.
    int HAND_CNT = 0;
    int FOOT_CNT = 0;
    int MOVE_MODE = 0;
    int JUMP_STEP = 0;
    int HAND_STEP = 0;
    int COMBO_CNT = 0;
    int POS_X = 10;
    int POS_Y = 95;
    int SPEED_X = 1;
    int SPEED_Y = 0;
    std::int16_t FRAME_WAIT = 0;
    std::array<int, 11> MOVE_USED{};
    std::int16_t SMALL_TECH = 0;
    std::int16_t BIG_TECH = 5;
    std::int16_t FAULT_SCORE = 10;
    std::int16_t CHARM = 0;
    double EVALUATION = 0;
    double JUDGE_SUM = 0;

    // The record.
    double RECORD = 400;
    QString RECORD_NAME = "Morel";

    // Private to the ranking passes.
    int TIE_COUNT = 0;

    // The music device's mode as last queried.
    QString MUSIC_MODE;

    // 1 on the screens the smaller fonts and windows were made for; set once at start.
    int LARGE_FONT = 0;

    // The records file: its spare line as it stands, and whether the user
    // declined the file for this run.
    QString SPARE_VALUE;
    int NO_SAVE = 0;

    // A name label being dragged onto another.
    int DRAG_FROM = -1;
    QString DRAG_NAME;
    int DROP_TO = -1;
    QString DROP_NAME;
};

} // namespace kz
