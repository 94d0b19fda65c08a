// kezora-soundgen OUTPUT_DIR: writes the game's sound effects and music.
// Everything is computed here, so the same build always writes the same bytes.
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "effects.h"
#include "music.h"
#include "synth.h"

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& pcm) {
    constexpr std::uint32_t rate = kez::audio::kSampleRate;
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
    put32(out, 36 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(out, dataBytes);
    for (std::int16_t s : pcm) put16(out, static_cast<std::uint16_t>(s));
    return out;
}

void save(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kezora-soundgen OUTPUT_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        for (const auto& effect : kez::audio::renderEffects()) save(dir / effect.file, wavFile(effect.pcm));
        save(dir / "KEZ_M0.mid", kez::audio::writeSmf(kez::audio::titleMusic()));
        save(dir / "KEZ_M1.mid", kez::audio::writeSmf(kez::audio::victoryMusic()));
    } catch (const std::exception& e) {
        std::cerr << "kezora-soundgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
