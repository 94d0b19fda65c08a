#pragma once
// Where the procedures find the one game state, the main window and the
// platform services. The program installs one world at start; each test
// installs a fresh one of its own.

namespace kz {

struct GameState;
class Am;
struct Platform;

GameState& state();
Am& am();
Platform& sys();

// Installs the world that state(), am() and sys() return; pass nullptrs to clear.
void installWorld(GameState* s, Am* a, Platform* p);

} // namespace kz
