#pragma once

namespace kz {

void ResetArena();
void DrawCrowd();
void DrawRecordBoard();

} // namespace kz
