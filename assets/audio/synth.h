// Small synthesis toolkit for the game's sound effects.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <span>
#include <vector>

namespace kez::audio {

inline constexpr int kSampleRate = 44100;
inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;

inline Samples silence(double seconds) {
    return Samples(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0);
}

inline double timeOf(std::size_t i) { return static_cast<double>(i) / kSampleRate; }

inline std::size_t indexOf(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

inline double noteHz(int midiKey) { return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0); }

// Our own generator: the library's distributions may differ between
// versions, and the files must come out byte for byte the same.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed != 0 ? seed : 1u) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

// Trapezoidal state-variable filter: stays stable while the cutoff sweeps.
class Svf {
public:
    struct Out {
        double low, band, high;
    };
    Out run(double x, double cutoffHz, double q) {
        const double fc = std::fmin(cutoffHz, 0.45 * kSampleRate);
        const double g = std::tan(kPi * fc / kSampleRate);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = x - ic2_;
        const double v1 = a1 * ic1_ + a2 * v3;
        const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        return {v2, v1, x - k * v1 - v2};
    }

private:
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};

struct Partial {
    double ratio;  // to the fundamental
    double amp;
    double decay;  // seconds to fall to 1/e
};

// A struck tone (bar, bell, tine): decaying partials from `start` on.
void addStruck(Samples& out, double start, double hz, double gain, std::span<const Partial> partials,
               double attack = 0.002, double tremoloHz = 0.0, double tremoloDepth = 0.0);

// A held tone with harmonics 1/k^tilt whose brightness opens on the attack:
// brass when tilt is 1, a soft pad when it is larger.
struct Held {
    double start;
    double length;
    double hz;
    double gain;
};
void addHeld(Samples& out, const Held& note, double tilt, double attack, double release,
             double vibratoDepth = 0.004);

}  // namespace kez::audio
