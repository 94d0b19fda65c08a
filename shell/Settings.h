#pragma once

namespace kz {

void LoadSettings();
void SaveSettings();

} // namespace kz
