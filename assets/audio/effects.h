#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kez::audio {

struct Effect {
    std::string file;               // e.g. "KEZ_V0.wav"
    std::vector<std::int16_t> pcm;  // mono, kSampleRate
};

// Every effect the game plays, rendered and ready to write.
std::vector<Effect> renderEffects();

}  // namespace kez::audio
