#pragma once
#include <QString>

namespace kz {

void SelectPlayerCount(int k);  // SEL(k) clicked or 参加選手 chosen
void ShowInfoPanel(const QString& title);
void EnterPlayerName(int seat);

} // namespace kz
