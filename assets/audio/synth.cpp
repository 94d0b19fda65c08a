#include "synth.h"

#include <algorithm>

namespace kez::audio {

void addStruck(Samples& out, double start, double hz, double gain, std::span<const Partial> partials,
               double attack, double tremoloHz, double tremoloDepth) {
    const std::size_t first = indexOf(start);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = timeOf(i - first);
        double sum = 0.0;
        for (const Partial& p : partials) {
            const double f = hz * p.ratio;
            if (f >= 0.45 * kSampleRate) continue;  // no aliasing
            sum += p.amp * std::exp(-t / p.decay) * std::sin(kTwoPi * f * t);
        }
        const double rise = std::min(1.0, t / attack);
        const double tremolo = 1.0 - tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * tremoloHz * t));
        out[i] += gain * rise * tremolo * sum;
    }
}

void addHeld(Samples& out, const Held& note, double tilt, double attack, double release,
             double vibratoDepth) {
    const std::size_t first = indexOf(note.start);
    const std::size_t last = std::min(out.size(), indexOf(note.start + note.length + release));
    double phase = 0.0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = timeOf(i - first);
        // Vibrato only once the note has settled, as a player would.
        const double vib = 1.0 + vibratoDepth * std::min(1.0, std::max(0.0, (t - 0.2) / 0.3)) *
                                     std::sin(kTwoPi * 5.5 * t);
        phase += kTwoPi * note.hz * vib / kSampleRate;

        double env = std::min(1.0, t / attack);
        env *= 0.85 + 0.15 * std::exp(-t / 0.15);
        if (t > note.length) env *= 0.5 * (1.0 + std::cos(kPi * (t - note.length) / release));

        // The tone brightens on the attack and mellows as it is held.
        const double bright = 0.35 + 0.5 * std::min(1.0, t / (attack * 2.0)) - 0.15 * std::min(1.0, t / 0.6);
        double sum = 0.0;
        double weight = 1.0;
        for (int k = 1; k * note.hz < 9000.0; ++k) {
            sum += weight * std::sin(k * phase) / std::pow(k, tilt);
            weight *= bright;
        }
        out[i] += note.gain * env * sum;
    }
}

}  // namespace kez::audio
