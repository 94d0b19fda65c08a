#pragma once
#include <QString>

namespace kz {

// Slides a new text into message line 0 (upper) or 1 (lower).
void ShowMessage(int line, const QString& text);

} // namespace kz
