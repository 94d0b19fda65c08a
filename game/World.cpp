#include "game/World.h"

#include <cassert>

namespace kz {

namespace {
GameState* gState = nullptr;
Am* gAm = nullptr;
Platform* gPlatform = nullptr;
} // namespace

GameState& state()
{
    assert(gState);
    return *gState;
}

Am& am()
{
    assert(gAm);
    return *gAm;
}

Platform& sys()
{
    assert(gPlatform);
    return *gPlatform;
}

void installWorld(GameState* s, Am* a, Platform* p)
{
    gState = s;
    gAm = a;
    gPlatform = p;
}

} // namespace kz
