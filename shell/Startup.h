#pragma once

namespace kz {

// Prepares the hidden main window and the game state, then shows the window
// in the idle state.
void StartUp();

} // namespace kz
