// Reads back the sound effects and music written by the build and checks
// that the game's players can use them as they are meant to sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kDir = KEZORA_SOUND_DIR;

std::vector<std::uint8_t> slurp(const std::string& name) {
    std::ifstream f(kDir / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | b.at(at + static_cast<std::size_t>(i));
    return v;
}

std::uint32_t be(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | b.at(at + static_cast<std::size_t>(i));
    return v;
}

std::string tag(const std::vector<std::uint8_t>& b, std::size_t at) {
    return at + 4 <= b.size() ? std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + 4)) : "";
}

struct EffectCase {
    const char* file;
    double minSeconds, maxSeconds;
};

void PrintTo(const EffectCase& c, std::ostream* os) { *os << c.file; }

class Effects : public testing::TestWithParam<EffectCase> {};

TEST_P(Effects, IsPlayablePcmOfFittingLengthWithoutClippingOrClicks) {
    const EffectCase c = GetParam();
    const std::vector<std::uint8_t> b = slurp(c.file);
    ASSERT_GE(b.size(), 44u) << "missing or truncated";
    ASSERT_EQ(tag(b, 0), "RIFF");
    ASSERT_EQ(tag(b, 8), "WAVE");
    EXPECT_EQ(le(b, 4, 4), b.size() - 8);

    std::uint32_t channels = 0, rate = 0, bits = 0, blockAlign = 0;
    std::vector<std::int16_t> pcm;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::uint32_t size = le(b, at + 4, 4);
        ASSERT_LE(at + 8 + size, b.size());
        if (tag(b, at) == "fmt ") {
            EXPECT_EQ(le(b, at + 8, 2), 1u) << "not PCM";
            channels = le(b, at + 10, 2);
            rate = le(b, at + 12, 4);
            EXPECT_EQ(le(b, at + 16, 4), rate * channels * 2);
            blockAlign = le(b, at + 20, 2);
            bits = le(b, at + 22, 2);
        } else if (tag(b, at) == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                pcm.push_back(static_cast<std::int16_t>(le(b, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    ASSERT_TRUE(channels == 1 || channels == 2);
    ASSERT_TRUE(rate == 22050 || rate == 44100);
    ASSERT_EQ(bits, 16u);
    ASSERT_EQ(blockAlign, channels * 2);
    ASSERT_FALSE(pcm.empty());

    const double seconds = static_cast<double>(pcm.size()) / channels / rate;
    EXPECT_GE(seconds, c.minSeconds);
    EXPECT_LE(seconds, c.maxSeconds);

    int peak = 0;
    double energy = 0.0;
    for (std::int16_t s : pcm) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
        energy += static_cast<double>(s) * s;
    }
    EXPECT_LE(peak, 29204) << "louder than -1 dBFS";
    const double rmsDb = 20.0 * std::log10(std::sqrt(energy / static_cast<double>(pcm.size())) / 32768.0);
    EXPECT_GT(rmsDb, -40.0) << "practically silent";
    // Faded in and out: no click at either end.
    EXPECT_LE(std::abs(pcm.front()), 300);
    EXPECT_LE(std::abs(pcm.back()), 300);
}

INSTANTIATE_TEST_SUITE_P(EveryEffect, Effects,
                         testing::Values(EffectCase{"KEZ_V0.wav", 0.3, 0.8}, EffectCase{"KEZ_V1.wav", 0.05, 0.3},
                                         EffectCase{"KEZ_V2.wav", 0.2, 0.6}, EffectCase{"KEZ_V3.wav", 0.2, 0.8},
                                         EffectCase{"KEZ_V9.wav", 0.4, 1.5}, EffectCase{"KEZ_W0.wav", 0.01, 0.1},
                                         EffectCase{"KEZ_W1.wav", 0.4, 1.5}, EffectCase{"KEZ_W3.wav", 0.5, 1.0},
                                         EffectCase{"KEZ_W4.wav", 0.3, 1.2}, EffectCase{"KEZ_W6.wav", 0.5, 1.6},
                                         EffectCase{"KEZ_W7.wav", 0.5, 1.5}, EffectCase{"KEZ_W9.wav", 1.0, 2.5},
                                         EffectCase{"KEZ_W10.wav", 1.0, 3.0}),
                         [](const auto& info) {
                             std::string n = info.param.file;
                             return n.substr(0, n.find('.'));
                         });

// A Standard MIDI File read back event by event.
struct Smf {
    int format = -1;
    int division = 0;
    std::vector<std::uint32_t> trackEnds;                // tick of each end-of-track
    std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos;  // tick, microseconds per quarter
    int notes = 0;
    int programs = 0;
    int hangingNotes = 0;  // still sounding at their track's end
};

::testing::AssertionResult parse(const std::vector<std::uint8_t>& b, Smf& smf) {
    if (tag(b, 0) != "MThd" || be(b, 4, 4) != 6) return testing::AssertionFailure() << "no MThd";
    smf.format = static_cast<int>(be(b, 8, 2));
    const std::uint32_t tracks = be(b, 10, 2);
    smf.division = static_cast<int>(be(b, 12, 2));
    if (smf.division == 0 || smf.division & 0x8000) return testing::AssertionFailure() << "not ticks per quarter";

    std::size_t at = 14;
    for (std::uint32_t t = 0; t < tracks; ++t) {
        if (tag(b, at) != "MTrk") return testing::AssertionFailure() << "track " << t << " missing";
        const std::size_t end = at + 8 + be(b, at + 4, 4);
        if (end > b.size()) return testing::AssertionFailure() << "track " << t << " truncated";
        std::size_t p = at + 8;
        std::uint32_t tick = 0;
        std::uint8_t status = 0;
        std::map<int, int> sounding;  // channel * 128 + key
        bool ended = false;
        while (p < end && !ended) {
            std::uint32_t delta = 0;
            do delta = delta << 7 | (b.at(p) & 0x7F);
            while (b.at(p++) & 0x80);
            tick += delta;
            if (b.at(p) & 0x80) status = b.at(p++);
            else if (status == 0) return testing::AssertionFailure() << "running status without status";
            if (status == 0xFF || status == 0xF0 || status == 0xF7) {
                const std::uint8_t type = status == 0xFF ? b.at(p++) : 0;
                std::uint32_t len = 0;
                do len = len << 7 | (b.at(p) & 0x7F);
                while (b.at(p++) & 0x80);
                if (status == 0xFF && type == 0x51) smf.tempos.emplace_back(tick, be(b, p, 3));
                if (status == 0xFF && type == 0x2F) ended = true;
                p += len;
                status = 0;  // meta and sysex cancel running status
                continue;
            }
            const int kind = status & 0xF0;
            const int channel = status & 0x0F;
            const int d1 = b.at(p++);
            const int d2 = kind == 0xC0 || kind == 0xD0 ? 0 : b.at(p++);
            if (kind == 0xC0) ++smf.programs;
            if (kind == 0x90 && d2 > 0) {
                ++smf.notes;
                ++sounding[channel * 128 + d1];
            } else if (kind == 0x80 || (kind == 0x90 && d2 == 0)) {
                if (--sounding[channel * 128 + d1] < 0) return testing::AssertionFailure() << "note-off without note";
            }
        }
        if (!ended || p != end) return testing::AssertionFailure() << "track " << t << " lacks a final end-of-track";
        for (const auto& [key, count] : sounding) smf.hangingNotes += count;
        smf.trackEnds.push_back(tick);
        at = end;
    }
    if (at != b.size()) return testing::AssertionFailure() << "data after the last track";
    return testing::AssertionSuccess();
}

double seconds(const Smf& smf) {
    auto tempos = smf.tempos;
    std::stable_sort(tempos.begin(), tempos.end(), [](auto& a, auto& b) { return a.first < b.first; });
    const std::uint32_t end = *std::max_element(smf.trackEnds.begin(), smf.trackEnds.end());
    double s = 0.0;
    std::uint32_t tick = 0, tempo = 500000;  // the file format's default, 120 bpm
    for (const auto& [at, value] : tempos) {
        const std::uint32_t upTo = std::min(at, end);
        s += (upTo - tick) * (tempo / 1e6) / smf.division;
        tick = upTo;
        tempo = value;
    }
    return s + (end - tick) * (tempo / 1e6) / smf.division;
}

struct MusicCase {
    const char* file;
    double minSeconds, maxSeconds;
};

void PrintTo(const MusicCase& c, std::ostream* os) { *os << c.file; }

class Music : public testing::TestWithParam<MusicCase> {};

TEST_P(Music, IsAWellFormedGeneralMidiPieceOfItsLength) {
    const MusicCase c = GetParam();
    const std::vector<std::uint8_t> b = slurp(c.file);
    ASSERT_FALSE(b.empty()) << "missing";
    Smf smf;
    ASSERT_TRUE(parse(b, smf));
    EXPECT_TRUE(smf.format == 0 || smf.format == 1);
    EXPECT_GT(smf.notes, 100);
    EXPECT_GT(smf.programs, 0) << "no instruments chosen";
    EXPECT_EQ(smf.hangingNotes, 0) << "notes left sounding at the end";
    const double s = seconds(smf);
    EXPECT_GE(s, c.minSeconds);
    EXPECT_LE(s, c.maxSeconds);
}

// The title restarts its music after 40.5 s, so the piece must be over by then.
INSTANTIATE_TEST_SUITE_P(BothPieces, Music,
                         testing::Values(MusicCase{"KEZ_M0.mid", 30.0, 40.0}, MusicCase{"KEZ_M1.mid", 15.0, 25.0}),
                         [](const auto& info) {
                             std::string n = info.param.file;
                             return n.substr(0, n.find('.'));
                         });

}  // namespace
