#pragma once

#include "score.h"

namespace kez::audio {

// Title music, also behind the second and third places: an upbeat sporty
// march, short enough to be over before the title starts it again.
Song titleMusic();

// First place: a triumphant brass piece of about twenty seconds.
Song victoryMusic();

}  // namespace kez::audio
