// The game's two pieces, written out bar by bar.
#include "music.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kez::audio {
namespace {

// General MIDI programs and drum keys used here.
enum Program { kPiano = 0, kGlockenspiel = 9, kElectricBass = 33, kTimpani = 47, kStrings = 48,
               kTrumpet = 56, kTuba = 58, kFrenchHorn = 60, kBrassSection = 61 };
enum Drum { kKick = 36, kSnare = 38, kClosedHat = 42, kLowTom = 45, kOpenHat = 46, kMidTom = 47,
            kCrash = 49, kHighTom = 50, kCrash2 = 57 };

using Bars = std::vector<std::string_view>;

// Channel volumes are kept low: the game's player renders MIDI much hotter
// than a synthesiser's usual default gain, and must not clip.
Part part(std::string name, int channel, int program, int volume, int pan, int reverb, int transpose,
          int velocity, double gate) {
    Part p;
    p.name = std::move(name);
    p.channel = channel;
    p.program = program;
    p.volume = volume;
    p.pan = pan;
    p.reverb = reverb;
    p.transpose = transpose;
    p.velocity = velocity;
    p.gate = gate;
    return p;
}

}  // namespace

Song titleMusic() {
    // Written in C, sounding in D: brighter for the trumpet.
    constexpr int key = 2;
    // Intro 2 bars, A 8, B 4, A' 4, the final chord 1.
    const Bars intro{"C", "F G"};
    const Bars verse{"C", "G", "Am", "G", "F", "C", "Dm G", "C"};
    const Bars bridge{"F", "G", "Em Am", "D7 G"};
    const Bars reprise{"C", "F", "Dm G", "G7"};
    constexpr int verseBar = 2, bridgeBar = 10, repriseBar = 14, lastBar = 18;

    const Bars verseTune{
        "C5.3 C5.1 E5.2 G5.2 A5.4 G5.4",   "F5.3 E5.1 D5.2 E5.2 D5.8",
        "C5.3 C5.1 E5.2 G5.2 A5.4 C6.4",   "B5.2 A5.2 G5.2 F5.2 G5.8",
        "A5.3 A5.1 C6.2 A5.2 G5.4 F5.4",   "E5.3 E5.1 G5.2 E5.2 C5.8",
        "D5.2 E5.2 F5.2 A5.2 G5.2 F5.2 E5.2 D5.2", "C5.4 G4.2 C5.2 E5.4 r.4"};
    const Bars bridgeAndRepriseTune{
        "F5.2 F5.2 A5.2 C6.2 A5.4 F5.4",   "G5.2 G5.2 B5.2 D6.2 B5.4 G5.4",
        "E5.2 G5.2 B5.4 A5.2 C6.2 E6.4",   "D6.4 C6.2 B5.2 A5.4 G5.4",
        "C5.3 C5.1 E5.2 G5.2 A5.4 G5.4",   "A5.3 A5.1 C6.2 A5.2 G5.4 F5.4",
        "D5.2 E5.2 F5.2 A5.2 G5.2 F5.2 E5.2 D5.2", "G5.2 G5.2 A5.2 B5.2 D6.6 B5.2"};

    Part trumpet = part("Trumpet", 0, kTrumpet, 70, 64, 40, key, 100, 0.85);
    trumpet.line(verseBar, verseTune);
    trumpet.line(bridgeBar, bridgeAndRepriseTune);
    trumpet.line(lastBar, {"C6.12! r.4"});

    Part glock = part("Glockenspiel", 5, kGlockenspiel, 49, 100, 50, key + 12, 72, 0.5);
    glock.line(bridgeBar, bridgeAndRepriseTune);
    glock.line(lastBar, {"C6.12 r.4"});

    Part brass = part("Brass", 1, kBrassSection, 59, 44, 40, key, 95, 0.7);
    brass.line(0, {"C5.2 r.1 C5.1 E5.2 G5.2 r.2 E5.2 G5.4", "A5.2 r.2 A5.2 G5.2 B5.2 r.2 D6.4!"});
    brass.chords(bridgeBar, bridge, "r.4 X.2 r.2", 60);
    brass.chords(repriseBar, reprise, "X.3 r.5", 60);
    brass.chords(lastBar, {"C"}, "X.12! r.4", 60);

    // Oom-pah: the bass on the beats, the piano on the off-beats.
    Part piano = part("Piano", 2, kPiano, 56, 84, 30, key, 78, 0.6);
    Part bass = part("Bass", 3, kElectricBass, 70, 64, 20, key, 100, 0.8);
    for (Part* p : {&piano, &bass}) {
        const bool low = p == &bass;
        const std::string_view pattern = low ? "R.3 R.1 F.2 O.2" : "r.2 X.2";
        p->chords(0, intro, pattern, low ? 36 : 60);
        p->chords(verseBar, verse, pattern, low ? 36 : 60);
        p->chords(bridgeBar, bridge, pattern, low ? 36 : 60);
        p->chords(repriseBar, reprise, pattern, low ? 36 : 60);
        p->chords(lastBar, {"C"}, low ? "R.12 r.4" : "X.12 r.4", low ? 36 : 60);
    }

    // Strings lift the second half.
    Part strings = part("Strings", 4, kStrings, 49, 30, 60, key, 68, 0.98);
    strings.chords(bridgeBar, bridge, "X.16", 55);
    strings.chords(repriseBar, reprise, "X.16", 55);
    strings.chords(lastBar, {"C"}, "X.12 r.4", 55);

    Part drums = part("Drums", kDrumChannel, 0, 70, 64, 30, 0, 90, 1.0);
    auto grooveA = [&](int bar) {
        drums.drums(bar, kKick, "x.....x.x.......");
        drums.drums(bar, kSnare, "....x.......x...");
        drums.drums(bar, kClosedHat, "5.5.5.5.5.5.5.5.");
    };
    auto grooveB = [&](int bar) {
        drums.drums(bar, kKick, "x...x...x...x...");
        drums.drums(bar, kSnare, "....x.......x...");
        drums.drums(bar, kClosedHat, "5...5...5...5...");
        drums.drums(bar, kOpenHat, "..6...6...6...6.");
    };
    drums.drums(0, kKick, "x.......x.......");
    drums.drums(0, kSnare, "x.xxx.x.x.xxx.x.");
    drums.drums(1, kKick, "x.......x.......");
    drums.drums(1, kSnare, "x...x...5.6.789X");
    for (int bar = verseBar; bar < bridgeBar - 1; ++bar) grooveA(bar);
    drums.drums(bridgeBar - 1, kKick, "x.....x.x.......");
    drums.drums(bridgeBar - 1, kSnare, "....x...x.x.....");
    drums.drums(bridgeBar - 1, kHighTom, "............xx..");
    drums.drums(bridgeBar - 1, kLowTom, "..............xX");
    for (int bar = bridgeBar; bar < repriseBar - 1; ++bar) grooveB(bar);
    drums.drums(repriseBar - 1, kKick, "x...x...x...x...");
    drums.drums(repriseBar - 1, kSnare, "....x...x.x.xxXX");
    for (int bar = repriseBar; bar < lastBar; ++bar) grooveA(bar);
    drums.drums(lastBar - 1, kMidTom, "............6789");
    for (int bar : {verseBar, bridgeBar, repriseBar}) drums.drums(bar, kCrash, "x...............");
    drums.drums(lastBar, kKick, "X...............");
    drums.drums(lastBar, kSnare, "X...............");
    drums.drums(lastBar, kCrash, "X...............");
    drums.drums(lastBar, kCrash2, "x...............");

    return Song{"Kezora title", 132, lastBar + 1, {trumpet, brass, piano, bass, strings, glock, drums}};
}

Song victoryMusic() {
    // Written in C, sounding in B flat, the brass band's home key.
    constexpr int key = -2;
    const Bars harmony{"C", "C", "F", "G", "Am", "F", "C G", "G7"};
    constexpr int lastBar = 8;

    Part trumpet = part("Trumpet", 0, kTrumpet, 77, 64, 45, key, 105, 0.9);
    trumpet.line(0, {"G4.3 G4.1 C5.4 E5.3 E5.1 G5.4", "C6.12 G5.2 E5.2",
                     "F5.3 G5.1 A5.4 C6.4 A5.4",      "B5.4 A5.2 G5.2 D5.8",
                     "E5.3 E5.1 A5.4 C6.3 B5.1 A5.4", "F5.3 G5.1 A5.4 C6.4 F6.4",
                     "E6.6 D6.2 C6.4 B5.4",           "G5.2 A5.2 B5.2 C6.2 D6.4 B5.4",
                     "C6.14! r.2"});

    Part horns = part("Horns", 1, kFrenchHorn, 63, 40, 50, key, 80, 0.95);
    horns.chords(0, harmony, "X.8", 53);
    horns.chords(lastBar, {"C"}, "X.14! r.2", 53);

    // Running strings keep it moving under the long brass notes.
    Part strings = part("Strings", 2, kStrings, 59, 88, 60, key, 70, 0.9);
    strings.chords(0, harmony, "A0.2 A1.2 A2.2 A3.2 A4.2 A3.2 A2.2 A1.2", 60);
    strings.chords(lastBar, {"C"}, "X.14 r.2", 60);
    strings.chords(lastBar, {"C"}, "O.14 r.2", 72);

    Part tuba = part("Tuba", 3, kTuba, 63, 64, 30, key, 92, 0.85);
    tuba.chords(0, harmony, "R.4 F.4", 36);
    tuba.chords(lastBar, {"C"}, "R.14! r.2", 36);

    Part timpani = part("Timpani", 4, kTimpani, 60, 64, 40, key, 95, 0.9);
    timpani.line(0, {"C3.4 r.4 G2.4 r.4", "C3.4 r.4 G2.4 G2.2 G2.2", "F2.4 r.4 C3.4 r.4",
                     "G2.4 r.4 D3.4 r.4", "A2.4 r.4 E3.4 r.4",       "F2.4 r.4 C3.4 r.4",
                     "C3.4 r.4 G2.4 r.4",
                     "G2.4 r.4 G2.1@50 G2.1@56 G2.1@62 G2.1@68 G2.1@76 G2.1@84 G2.1@94 G2.1@104",
                     "C3.14! r.2"});

    Part drums = part("Drums", kDrumChannel, 0, 60, 64, 40, 0, 90, 1.0);
    for (int bar = 0; bar < lastBar - 1; ++bar) {
        drums.drums(bar, kKick, "x.......x.......");
        drums.drums(bar, kSnare, "7.557.5.7.557.5.");
    }
    for (int bar : {0, 2, 4, 6}) drums.drums(bar, kCrash, "x...............");
    drums.drums(lastBar - 1, kKick, "x.......x.......");
    drums.drums(lastBar - 1, kSnare, "7.5.7.5.56789XXX");
    drums.drums(lastBar, kKick, "X...............");
    drums.drums(lastBar, kSnare, "X...............");
    drums.drums(lastBar, kCrash, "X...............");
    drums.drums(lastBar, kCrash2, "x...............");

    return Song{"Kezora victory", 104, lastBar + 1, {trumpet, horns, strings, tuba, timpani, drums}};
}

}  // namespace kez::audio
