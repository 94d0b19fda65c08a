// A small score notation and the Standard MIDI File writer behind it.
//
// Lines are written one string per bar of 16 sixteenth steps, tokens apart:
//   C5.4      C5 for four sixteenths (middle C is C4)
//   r.2       rest
//   C4+E4.8   several keys at once
//   G2.1@60   explicit velocity;  E5.2!  accented
// Chord parts take a chord per bar or half bar ("C", "Dm G", "D7") and a
// rhythm pattern whose tokens name chord members instead of keys:
//   X all of the chord, R root, F fifth, O root an octave up, A<n> n-th
//   chord tone counting up from the part's lowest key.
// Drum grids: one character per sixteenth, '.' silent, x normal, X accent,
// o ghost, 1-9 a velocity ramp.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kez::audio {

inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kTicksPerStep = kTicksPerQuarter / 4;
inline constexpr int kStepsPerBar = 16;
inline constexpr int kDrumChannel = 9;  // channel 10 to musicians

struct Note {
    int tick;
    int length;
    int key;
    int velocity;
};

struct Part {
    std::string name;
    int channel = 0;
    int program = 0;  // General MIDI, ignored on the drum channel
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int transpose = 0;
    int velocity = 90;
    double gate = 0.9;  // share of each note actually sounded
    std::vector<Note> notes;

    // Bars of notation starting at bar `firstBar` (0-based).
    void line(int firstBar, const std::vector<std::string_view>& bars);
    // The chord of each bar played in `pattern`, keys voiced from `lowKey` up.
    void chords(int firstBar, const std::vector<std::string_view>& bars, std::string_view pattern, int lowKey);
    // One drum key on the grid of a bar.
    void drums(int bar, int key, std::string_view grid);
};

struct Song {
    std::string name;
    int bpm;
    int bars;
    std::vector<Part> parts;
};

// Format 1: a conductor track with tempo and metre, then one track per part.
std::vector<std::uint8_t> writeSmf(const Song& song);

}  // namespace kez::audio
