#pragma once
#include <QString>

namespace kz {

void SelectPlayerCount(int k);  // SEL(k) clicked or 参加選手 chosen
void ShowInfoPanel(const QString& title);
void EnterPlayerName(int seat);

// Name labels: a press starts a drag, the release drops it on a label or
// (released anywhere else) cancels it.
void DragStart(int seat);
void DropOn(int seat);
void CancelDrag();

} // namespace kz
