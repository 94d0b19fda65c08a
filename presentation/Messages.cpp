#include "presentation/Messages.h"

#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"

namespace kz {

void ShowMessage(int line, const QString& text)
{
    if (line != 0 && line != 1)
        return;
    auto& a = am();
    QLabel* label = line == 0 ? a.L_MES1 : a.L_MES2;
    QWidget* panel = line == 0 ? a.LMES : a.LMES2;
    const int start = line == 0 ? 33 : 66;
    const int stepMs = line == 0 ? 1 : 5;
    sys().note(QString("message %1 %2").arg(line).arg(text));
    label->move(0, start);
    label->setText(text);
    for (int offset = start; offset >= 0; --offset) {
        label->move(0, offset);
        if (Surface::presentsImmediately() && panel->isVisible())
            panel->repaint();
        sys().pause(stepMs);
    }
}

} // namespace kz
