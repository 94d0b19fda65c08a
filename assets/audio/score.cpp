#include "score.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <tuple>

namespace kez::audio {
namespace {

[[noreturn]] void fail(std::string_view what, std::string_view where) {
    throw std::runtime_error(std::string(what) + ": '" + std::string(where) + "'");
}

std::vector<std::string_view> tokens(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i > start) out.push_back(text.substr(start, i - start));
    }
    return out;
}

int pitchClass(char letter) {
    switch (letter) {
        case 'C': return 0;
        case 'D': return 2;
        case 'E': return 4;
        case 'F': return 5;
        case 'G': return 7;
        case 'A': return 9;
        case 'B': return 11;
        default: return -1;
    }
}

// Reads a letter and an optional sharp or flat from the front of `s`.
int readPitchClass(std::string_view& s, std::string_view whole) {
    if (s.empty() || pitchClass(s[0]) < 0) fail("bad note name", whole);
    int pc = pitchClass(s[0]);
    s.remove_prefix(1);
    if (!s.empty() && s[0] == '#') { ++pc; s.remove_prefix(1); }
    else if (!s.empty() && s[0] == 'b') { --pc; s.remove_prefix(1); }
    return (pc + 12) % 12;
}

int readNumber(std::string_view& s, std::string_view whole) {
    if (s.empty() || !std::isdigit(static_cast<unsigned char>(s[0]))) fail("number expected", whole);
    int n = 0;
    while (!s.empty() && std::isdigit(static_cast<unsigned char>(s[0]))) {
        n = n * 10 + (s[0] - '0');
        s.remove_prefix(1);
    }
    return n;
}

// A token is HEAD.steps[!][@vel]; gives the head, the steps and the velocity.
std::tuple<std::string_view, int, int> splitToken(std::string_view token, int velocity) {
    const std::size_t dot = token.rfind('.');
    if (dot == std::string_view::npos) fail("duration missing", token);
    std::string_view rest = token.substr(dot + 1);
    const int steps = readNumber(rest, token);
    if (!rest.empty() && rest[0] == '!') { velocity = std::min(127, velocity + 18); rest.remove_prefix(1); }
    if (!rest.empty() && rest[0] == '@') { rest.remove_prefix(1); velocity = readNumber(rest, token); }
    if (!rest.empty() || steps <= 0 || velocity < 1 || velocity > 127) fail("bad token", token);
    return {token.substr(0, dot), steps, velocity};
}

struct Chord {
    int root;  // pitch class
    std::vector<int> intervals;
};

Chord parseChord(std::string_view name) {
    std::string_view s = name;
    Chord c{readPitchClass(s, name), {}};
    if (s.empty()) c.intervals = {0, 4, 7};
    else if (s == "m") c.intervals = {0, 3, 7};
    else if (s == "7") c.intervals = {0, 4, 7, 10};
    else if (s == "m7") c.intervals = {0, 3, 7, 10};
    else fail("unknown chord", name);
    return c;
}

// The lowest key at or above `low` with the pitch class `pc`.
int keyAbove(int low, int pc) { return low + ((pc - low) % 12 + 12) % 12; }

void add(Part& part, int tick, int steps, int key, int velocity) {
    if (key < 0 || key > 127) fail("key out of range", part.name);
    const int length = std::max(1, static_cast<int>(steps * kTicksPerStep * part.gate));
    part.notes.push_back({tick, length, key, velocity});
}

}  // namespace

void Part::line(int firstBar, const std::vector<std::string_view>& bars) {
    int bar = firstBar;
    for (std::string_view text : bars) {
        int step = 0;
        for (std::string_view token : tokens(text)) {
            auto [head, steps, vel] = splitToken(token, velocity);
            if (head != "r") {
                std::size_t from = 0;
                while (from <= head.size()) {
                    std::size_t plus = head.find('+', from);
                    if (plus == std::string_view::npos) plus = head.size();
                    std::string_view name = head.substr(from, plus - from);
                    std::string_view s = name;
                    const int pc = readPitchClass(s, token);
                    const int octave = readNumber(s, token);
                    if (!s.empty()) fail("bad note", token);
                    add(*this, (bar * kStepsPerBar + step) * kTicksPerStep, steps, 12 * (octave + 1) + pc + transpose, vel);
                    from = plus + 1;
                }
            }
            step += steps;
        }
        // A bar that does not add up is a slip in the score: stop the build.
        if (step != kStepsPerBar) fail("bar does not fill 16 steps", text);
        ++bar;
    }
}

void Part::chords(int firstBar, const std::vector<std::string_view>& bars, std::string_view pattern, int lowKey) {
    const std::vector<std::string_view> rhythm = tokens(pattern);
    if (rhythm.empty()) fail("empty pattern", name);
    int bar = firstBar;
    for (std::string_view text : bars) {
        const std::vector<std::string_view> names = tokens(text);
        if (names.empty() || kStepsPerBar % static_cast<int>(names.size()) != 0) fail("bad chord bar", text);
        const int span = kStepsPerBar / static_cast<int>(names.size());
        for (std::size_t c = 0; c < names.size(); ++c) {
            Chord chord = parseChord(names[c]);
            chord.root = (chord.root + transpose + 120) % 12;
            std::vector<int> voiced;
            for (int iv : chord.intervals) voiced.push_back(keyAbove(lowKey, (chord.root + iv) % 12));
            std::sort(voiced.begin(), voiced.end());
            const int root = keyAbove(lowKey, chord.root);
            const int fifth = keyAbove(lowKey, (chord.root + 7) % 12);

            int step = 0;
            for (std::size_t r = 0; step < span; r = (r + 1) % rhythm.size()) {
                auto [head, steps, vel] = splitToken(rhythm[r], velocity);
                steps = std::min(steps, span - step);
                const int tick = (bar * kStepsPerBar + static_cast<int>(c) * span + step) * kTicksPerStep;
                if (head == "X") for (int k : voiced) add(*this, tick, steps, k, vel);
                else if (head == "R") add(*this, tick, steps, root, vel);
                else if (head == "F") add(*this, tick, steps, fifth, vel);
                else if (head == "O") add(*this, tick, steps, root + 12, vel);
                else if (head.size() > 1 && head[0] == 'A') {
                    std::string_view n = head.substr(1);
                    const int index = readNumber(n, head);
                    const int octaves = index / static_cast<int>(voiced.size());
                    add(*this, tick, steps, voiced[index % voiced.size()] + 12 * octaves, vel);
                } else if (head != "r") fail("bad pattern token", head);
                step += steps;
            }
        }
        ++bar;
    }
}

void Part::drums(int bar, int key, std::string_view grid) {
    if (grid.size() != kStepsPerBar) fail("drum grid must have 16 steps", grid);
    for (int step = 0; step < kStepsPerBar; ++step) {
        const char c = grid[static_cast<std::size_t>(step)];
        int vel = 0;
        if (c == 'x') vel = velocity;
        else if (c == 'X') vel = std::min(127, velocity + 25);
        else if (c == 'o') vel = velocity / 2;
        else if (c >= '1' && c <= '9') vel = 14 * (c - '0');
        else if (c != '.') fail("bad drum step", grid);
        if (vel > 0) notes.push_back({(bar * kStepsPerBar + step) * kTicksPerStep, kTicksPerStep / 2, key, vel});
    }
}

namespace {

class TrackWriter {
public:
    void event(int tick, std::initializer_list<std::uint8_t> bytes) {
        delta(tick);
        data_.insert(data_.end(), bytes);
    }
    void meta(int tick, std::uint8_t type, std::string_view payload) {
        delta(tick);
        data_.push_back(0xFF);
        data_.push_back(type);
        varLen(static_cast<std::uint32_t>(payload.size()));
        data_.insert(data_.end(), payload.begin(), payload.end());
    }
    void appendChunk(std::vector<std::uint8_t>& file) const {
        file.insert(file.end(), {'M', 'T', 'r', 'k'});
        const auto n = static_cast<std::uint32_t>(data_.size());
        file.insert(file.end(), {static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
                                 static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)});
        file.insert(file.end(), data_.begin(), data_.end());
    }

private:
    void delta(int tick) {
        if (tick < last_) throw std::runtime_error("events out of order");
        varLen(static_cast<std::uint32_t>(tick - last_));
        last_ = tick;
    }
    void varLen(std::uint32_t v) {
        std::uint8_t buf[5];
        int n = 0;
        buf[n++] = v & 0x7F;
        while ((v >>= 7) != 0) buf[n++] = static_cast<std::uint8_t>(0x80 | (v & 0x7F));
        while (n > 0) data_.push_back(buf[--n]);
    }
    std::vector<std::uint8_t> data_;
    int last_ = 0;
};

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}

}  // namespace

std::vector<std::uint8_t> writeSmf(const Song& song) {
    const int end = song.bars * kStepsPerBar * kTicksPerStep;
    std::vector<std::uint8_t> file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    const auto tracks = static_cast<int>(song.parts.size() + 1);
    file.insert(file.end(), {static_cast<std::uint8_t>(tracks >> 8), static_cast<std::uint8_t>(tracks),
                             static_cast<std::uint8_t>(kTicksPerQuarter >> 8),
                             static_cast<std::uint8_t>(kTicksPerQuarter & 0xFF)});

    TrackWriter conductor;
    conductor.meta(0, 0x03, song.name);
    conductor.meta(0, 0x58, bytes({4, 2, 24, 8}));
    const int tempo = 60000000 / song.bpm;
    conductor.meta(0, 0x51, bytes({(tempo >> 16) & 0xFF, (tempo >> 8) & 0xFF, tempo & 0xFF}));
    conductor.meta(end, 0x2F, "");
    conductor.appendChunk(file);

    for (const Part& part : song.parts) {
        struct Ev {
            int tick;
            int order;  // note-offs first, so a repeated key is not cut short
            int key;
            int velocity;
        };
        std::vector<Ev> evs;
        for (const Note& n : part.notes) {
            if (n.tick + n.length > end) throw std::runtime_error("note past the end in " + part.name);
            evs.push_back({n.tick, 1, n.key, n.velocity});
            evs.push_back({n.tick + n.length, 0, n.key, 0});
        }
        std::stable_sort(evs.begin(), evs.end(),
                         [](const Ev& a, const Ev& b) { return std::tie(a.tick, a.order) < std::tie(b.tick, b.order); });

        const auto ch = static_cast<std::uint8_t>(part.channel);
        TrackWriter w;
        w.meta(0, 0x03, part.name);
        if (part.channel != kDrumChannel) w.event(0, {static_cast<std::uint8_t>(0xC0 | ch), static_cast<std::uint8_t>(part.program)});
        w.event(0, {static_cast<std::uint8_t>(0xB0 | ch), 7, static_cast<std::uint8_t>(part.volume)});
        w.event(0, {static_cast<std::uint8_t>(0xB0 | ch), 10, static_cast<std::uint8_t>(part.pan)});
        w.event(0, {static_cast<std::uint8_t>(0xB0 | ch), 91, static_cast<std::uint8_t>(part.reverb)});
        for (const Ev& e : evs) {
            if (e.order == 1)
                w.event(e.tick, {static_cast<std::uint8_t>(0x90 | ch), static_cast<std::uint8_t>(e.key),
                                 static_cast<std::uint8_t>(e.velocity)});
            else
                w.event(e.tick, {static_cast<std::uint8_t>(0x80 | ch), static_cast<std::uint8_t>(e.key), 64});
        }
        // A clean stop for any player that kept something ringing.
        w.event(end, {static_cast<std::uint8_t>(0xB0 | ch), 123, 0});
        w.meta(end, 0x2F, "");
        w.appendChunk(file);
    }
    return file;
}

}  // namespace kez::audio
