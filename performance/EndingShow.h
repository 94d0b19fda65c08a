#pragma once
#include <cstdint>

namespace kz {

void EndingShow(std::int16_t placing);
void OnHotSpotDoubleClick();

} // namespace kz
