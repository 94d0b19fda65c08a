#pragma once
// Where Qt calls into the game. A tournament runs inside such a call; when
// the program is asked to end, the call unwinds and the event loop exits.

#include <functional>

namespace kz {

// Runs a handler; an end of the program requested inside it stops it there.
void guarded(const std::function<void()>& handler);

// Ends the program at once, from wherever it is (close box, 終了).
void QuitGame();

} // namespace kz
