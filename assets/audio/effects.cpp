// The sound effects, each synthesised from scratch.
#include "effects.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "synth.h"

namespace kez::audio {
namespace {

// Glockenspiel bar: its overtones are not harmonic, which is what makes it ring.
constexpr std::array kGlock{Partial{1.0, 1.0, 0.32}, Partial{2.76, 0.40, 0.16},
                            Partial{5.40, 0.18, 0.08}, Partial{8.93, 0.08, 0.04}};
// Vibraphone bar, rounder than the glockenspiel.
constexpr std::array kVibes{Partial{1.0, 1.0, 0.30}, Partial{4.0, 0.20, 0.08}, Partial{10.0, 0.03, 0.02}};
// Marimba: woody, quick.
constexpr std::array kMarimba{Partial{1.0, 1.0, 0.30}, Partial{3.93, 0.28, 0.05}, Partial{9.2, 0.05, 0.015}};
// Small bell for the score stamp.
constexpr std::array kBell{Partial{1.0, 1.0, 0.25}, Partial{2.0, 0.25, 0.15}, Partial{3.0, 0.10, 0.08},
                           Partial{4.16, 0.06, 0.05}};
// Electric-piano tine for the bass of the jingle.
constexpr std::array kTine{Partial{1.0, 1.0, 0.45}, Partial{2.0, 0.30, 0.20}, Partial{3.0, 0.10, 0.10}};

// Cartwheel: a broad whoosh that swells and fades; the slow wobble is
// hands and feet passing in turn.
Samples cartwheel() {
    constexpr double len = 0.55;
    Samples s = silence(len);
    Noise noise(0xC0A1);
    Svf band, body, soften;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double hump = std::sin(kPi * t / len);
        const double fc = 300.0 + 1700.0 * hump * hump;
        const double x = noise.next();
        // Air, not hiss: the top is rolled off above the moving band.
        const double y = soften.run(0.9 * band.run(x, fc, 1.2).band + 0.4 * body.run(x, 0.5 * fc, 0.7).low,
                                    3.0 * fc, 0.7).low;
        const double gust = 0.75 + 0.25 * std::sin(kTwoPi * 3.6 * t - kPi / 2.0);
        s[i] = y * std::pow(hump, 1.6) * gust;
    }
    return s;
}

// Flip: a tight, rising swish with a whistle in it; quicker and brighter
// than the cartwheel.
Samples flip() {
    constexpr double len = 0.36;
    Samples s = silence(len);
    Noise noise(0xF11F);
    Svf band, air;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double p = timeOf(i) / len;
        const double fc = p < 0.7 ? 500.0 * std::pow(8.0, p / 0.7) : 4000.0 * std::pow(0.5, (p - 0.7) / 0.3);
        const double env = p < 0.3 ? (p / 0.3) * (p / 0.3) : std::exp(-(p - 0.3) * 7.0);
        const double x = noise.next();
        s[i] = env * (band.run(x, fc, 3.5).band + 0.3 * air.run(x, 3000.0, 0.7).high);
    }
    return s;
}

// Picking up a name card: a few soft paper crinkles.
Samples paperPick() {
    constexpr double len = 0.16;
    struct Crinkle {
        double at, amp, decay;
    };
    constexpr std::array crinkles{Crinkle{0.000, 0.7, 0.004}, Crinkle{0.014, 1.0, 0.006}, Crinkle{0.036, 0.55, 0.005},
                                  Crinkle{0.062, 0.4, 0.008}, Crinkle{0.085, 0.25, 0.006}};
    Samples s = silence(len);
    Noise noise(0x9A9E);
    Svf band, hiss;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        double env = 0.0;
        for (const Crinkle& c : crinkles)
            if (t >= c.at) env += c.amp * std::min(1.0, (t - c.at) / 0.0005) * std::exp(-(t - c.at) / c.decay);
        const double x = noise.next();
        const double paper = band.run(x, 2800.0, 0.9).band + 0.3 * hiss.run(x, 5000.0, 0.7).high;
        const double lift = 0.25 * std::exp(-t / 0.015) * std::sin(kTwoPi * 220.0 * t);
        s[i] = env * paper + lift;
    }
    return s;
}

// Take-off: a spring's rising, wobbling boing over a soft foot thud.
Samples spring() {
    constexpr double len = 0.5;
    Samples s = silence(len);
    double phase = 0.0;
    double thudPhase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double f = (170.0 + 230.0 * (1.0 - std::exp(-t / 0.06))) *
                         (1.0 + 0.10 * std::sin(kTwoPi * 13.0 * t) * std::exp(-t / 0.25));
        phase += kTwoPi * f / kSampleRate;
        thudPhase += kTwoPi * (60.0 + 80.0 * std::exp(-t / 0.02)) / kSampleRate;
        const double tone = std::sin(phase) + 0.35 * std::sin(2.0 * phase) + 0.12 * std::sin(3.0 * phase);
        const double env = std::min(1.0, t / 0.004) * std::exp(-t / 0.17);
        s[i] = env * tone + 0.6 * std::exp(-t / 0.04) * std::sin(thudPhase);
    }
    return s;
}

// The bright chime: two glockenspiel strikes, a fifth apart.
Samples chime() {
    Samples s = silence(1.1);
    addStruck(s, 0.0, noteHz(88), 0.8, kGlock);    // E6
    addStruck(s, 0.085, noteHz(95), 1.0, kGlock);  // B6
    return s;
}

// Button click and countdown beep: a crisp, short tick with a little pitch.
Samples click() {
    Samples s = silence(0.045);
    Noise noise(0xC11C);
    Svf hp;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        s[i] = std::exp(-t / 0.006) * std::sin(kTwoPi * 2000.0 * t) +
               0.4 * std::exp(-t / 0.010) * std::sin(kTwoPi * 1000.0 * t) +
               0.5 * std::exp(-t / 0.0015) * hp.run(noise.next(), 4000.0, 0.7).high;
    }
    return s;
}

// Announcement: an ascending three-note vibraphone call, as over a hall's speakers.
Samples announce() {
    Samples s = silence(1.2);
    addStruck(s, 0.00, noteHz(77), 0.8, kVibes, 0.004, 6.0, 0.2);  // F5
    addStruck(s, 0.14, noteHz(81), 0.8, kVibes, 0.004, 6.0, 0.2);  // A5
    addStruck(s, 0.28, noteHz(84), 1.0, kVibes, 0.004, 6.0, 0.2);  // C6
    return s;
}

// Snare roll rising towards the judges' scores.
Samples drumRoll() {
    constexpr double len = 0.95;
    constexpr double rollEnd = 0.84;
    constexpr double rate = 28.0;
    Samples s = silence(len);
    Noise noise(0xD2D2);
    Svf wires, shell;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        double rattle = 0.0;
        double skin = 0.0;
        for (int k = 0; k / rate < rollEnd; ++k) {
            const double at = k / rate;
            if (t < at) break;
            const double dt = t - at;
            const double amp = (0.3 + 0.7 * std::pow(at / rollEnd, 1.5)) * (k % 2 != 0 ? 0.88 : 1.0);
            rattle += amp * std::exp(-dt / 0.045);
            skin += amp * std::exp(-dt / 0.025) *
                    (std::sin(kTwoPi * 185.0 * dt) + 0.5 * std::sin(kTwoPi * 330.0 * dt));
        }
        const double x = noise.next();
        const double snare = 0.8 * wires.run(x, 1500.0, 0.7).high + 0.5 * shell.run(x, 4500.0, 0.8).band;
        s[i] = rattle * snare + 0.35 * skin;
    }
    return s;
}

// Score stamp: a dull thump of the stamp, then a small bell.
Samples stamp() {
    Samples s = silence(0.9);
    Noise noise(0x57A4);
    Svf lp;
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        phase += kTwoPi * (55.0 + 120.0 * std::exp(-t / 0.03)) / kSampleRate;
        s[i] = std::exp(-t / 0.06) * std::sin(phase) + 0.5 * std::exp(-t / 0.015) * lp.run(noise.next(), 1200.0, 0.7).low;
    }
    addStruck(s, 0.025, noteHz(91), 0.7, kBell);  // G6
    return s;
}

// Result jingle: a marimba pick-up into a rolled major chord; neutral
// enough for passing and for going out.
Samples resultJingle() {
    Samples s = silence(1.3);
    addStruck(s, 0.00, noteHz(67), 0.6, kMarimba);  // G4
    addStruck(s, 0.09, noteHz(72), 0.7, kMarimba);  // C5
    constexpr std::array chord{48, 72, 76, 79, 84};  // C3 and C5 E5 G5 C6
    for (std::size_t k = 0; k < chord.size(); ++k)
        addStruck(s, 0.20 + 0.012 * static_cast<double>(k), noteHz(chord[k]), k == 0 ? 0.8 : 0.5, kMarimba);
    return s;
}

// Game Over: two low buzzer honks, the second lower and sagging.
Samples buzzer() {
    Samples s = silence(1.1);
    struct Honk {
        double start, length, hz;
    };
    constexpr std::array honks{Honk{0.0, 0.38, 110.0}, Honk{0.45, 0.6, 92.0}};
    Svf lp;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        double x = 0.0;
        for (const Honk& h : honks) {
            const double dt = t - h.start;
            if (dt < 0.0 || dt > h.length) continue;
            double env = std::min(1.0, dt / 0.008);
            const double tail = h.length - dt;
            if (tail < 0.06) env *= tail / 0.06;
            const double sag = 1.0 - 0.06 * std::max(0.0, (dt - 0.2) / h.length);
            // Two detuned square waves beat against each other: the buzz.
            for (double detune : {1.0, 1.06}) {
                const double f = h.hz * detune * sag;
                for (int k = 1; k * f < 5000.0; k += 2) x += env * std::sin(kTwoPi * k * f * dt) / k;
            }
        }
        s[i] = lp.run(x, 2500.0, 0.8).low;
    }
    return s;
}

// Fanfare for a final placing: brass "ta-ta-ta taa, ta-ta" into a held
// major chord with a cymbal shimmer.
Samples fanfare() {
    Samples s = silence(2.0);
    const std::array notes{Held{0.00, 0.10, noteHz(67), 0.5}, Held{0.12, 0.10, noteHz(67), 0.5},
                               Held{0.24, 0.10, noteHz(67), 0.5}, Held{0.36, 0.30, noteHz(72), 0.55},
                               Held{0.70, 0.10, noteHz(69), 0.5}, Held{0.82, 0.10, noteHz(72), 0.5},
                               Held{0.95, 0.85, noteHz(60), 0.35}, Held{0.95, 0.85, noteHz(72), 0.4},
                               Held{0.95, 0.85, noteHz(76), 0.4},  Held{0.95, 0.85, noteHz(79), 0.45}};
    for (const Held& n : notes) addHeld(s, n, 1.0, 0.025, 0.08);
    Noise noise(0xFA7E);
    Svf hp;
    for (std::size_t i = indexOf(0.95); i < s.size(); ++i) {
        const double dt = timeOf(i) - 0.95;
        s[i] += 0.15 * std::exp(-dt / 0.35) * hp.run(noise.next(), 6000.0, 0.7).high;
    }
    return s;
}

// Start-up jingle: a sparkling rising arpeggio that opens into a warm chord.
Samples startup() {
    Samples s = silence(2.4);
    constexpr std::array arpeggio{72, 76, 79, 84, 88, 91};  // C5 up to G6
    for (std::size_t k = 0; k < arpeggio.size(); ++k)
        addStruck(s, 0.09 * static_cast<double>(k), noteHz(arpeggio[k]), 0.4 + 0.08 * static_cast<double>(k), kGlock);
    addStruck(s, 0.58, noteHz(96), 0.5, kGlock);  // C7 sparkle on top
    addStruck(s, 0.45, noteHz(48), 0.9, kTine);   // C3 bass
    for (int key : {60, 67, 72, 76}) addHeld(s, Held{0.45, 1.4, noteHz(key), 0.12}, 1.6, 0.12, 0.35, 0.003);
    Noise noise(0x5A47);
    Svf hp;
    for (std::size_t i = indexOf(0.45); i < s.size(); ++i) {
        const double dt = timeOf(i) - 0.45;
        s[i] += 0.06 * std::exp(-dt / 0.5) * hp.run(noise.next(), 7000.0, 0.7).high;
    }
    return s;
}

// Fades away clicks at both ends and brings the peak to `peakDb`.
std::vector<std::int16_t> finish(Samples s, double peakDb, double fadeIn, double fadeOut) {
    const std::size_t in = std::max<std::size_t>(1, indexOf(fadeIn));
    const std::size_t out = std::max<std::size_t>(1, indexOf(fadeOut));
    for (std::size_t i = 0; i < in && i < s.size(); ++i)
        s[i] *= 0.5 * (1.0 - std::cos(kPi * static_cast<double>(i) / static_cast<double>(in)));
    for (std::size_t i = 0; i < out && i < s.size(); ++i)
        s[s.size() - 1 - i] *= 0.5 * (1.0 - std::cos(kPi * static_cast<double>(i) / static_cast<double>(out)));

    double peak = 0.0;
    for (double x : s) peak = std::max(peak, std::fabs(x));
    const double scale = peak > 0.0 ? std::pow(10.0, peakDb / 20.0) / peak : 0.0;
    std::vector<std::int16_t> pcm(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(std::lround(std::clamp(s[i] * scale * 32767.0, -32767.0, 32767.0)));
    return pcm;
}

}  // namespace

std::vector<Effect> renderEffects() {
    // Peaks are set by ear so the effects sit at similar loudness; the paper
    // pick is meant to be soft, the click just present.
    return {
        {"KEZ_V0.wav", finish(cartwheel(), -3.0, 0.002, 0.02)},
        {"KEZ_V1.wav", finish(paperPick(), -6.0, 0.0005, 0.01)},
        {"KEZ_V2.wav", finish(flip(), -3.0, 0.002, 0.02)},
        {"KEZ_V3.wav", finish(spring(), -3.0, 0.002, 0.03)},
        {"KEZ_V9.wav", finish(chime(), -3.0, 0.001, 0.06)},
        {"KEZ_W0.wav", finish(click(), -5.0, 0.0005, 0.008)},
        {"KEZ_W1.wav", finish(announce(), -3.0, 0.002, 0.06)},
        {"KEZ_W3.wav", finish(drumRoll(), -3.0, 0.002, 0.04)},
        {"KEZ_W4.wav", finish(stamp(), -3.0, 0.001, 0.06)},
        {"KEZ_W6.wav", finish(resultJingle(), -3.0, 0.002, 0.06)},
        {"KEZ_W7.wav", finish(buzzer(), -9.0, 0.002, 0.03)},
        {"KEZ_W9.wav", finish(fanfare(), -2.0, 0.002, 0.06)},
        {"KEZ_W10.wav", finish(startup(), -2.0, 0.002, 0.08)},
    };
}

}  // namespace kez::audio
