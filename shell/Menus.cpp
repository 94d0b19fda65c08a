#include "shell/Menus.h"

#include "game/GameState.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"
#include "shell/Sound.h"

#include <QAbstractButton>
#include <QStringList>

namespace kz {

void SelectPlayerCount(int k)
{
    auto& s = state();
    auto& a = am();
    if (k < 0 || k > 3)
        return;
    a.SEL[k]->setChecked(true);
    PlaySound(10);
    for (int seat = 0; seat < kSeats; ++seat)
        a.setNameCaption(seat, s.PL_NAME[seat]);
    for (int seat = k + 1; seat < kSeats; ++seat)
        a.setNameCaption(seat, " ");
}

void ShowInfoPanel(const QString& title)
{
    QStringList lines;
    if (title == "遊び方") {
        lines = {"選手を操り、体操してください。", "様々な技を駆使し、目指すは世界新記録!"};
    } else if (title == "操作方法") {
        lines = {"基本操作は、画面上(フィールド上)でマウスを使うか、キーボードを使います。",
                 "マウスの場合、手系(左ボタン) 足系(右ボタン)",
                 "KeyBordの場合、手系(無変換 or Z) 足系(スペース or X)", "詳しくは付属のKez.htmを参照下さい"};
    } else if (title == "バージョン") {
        lines = {"ケゾラ Ver 1.05", "床運動トーナメント", "手と足、ふたつの操作で世界新記録を目指そう。",
                 "(c) 2026 ケゾラ製作チーム"};
    }
    QString text;
    for (const QString& l : lines)
        text += l + '\n';
    text += '\n';
    PlaySound(10);
    sys().dialogs->inform(title, text);
}

void EnterPlayerName(int seat)
{
    auto& s = state();
    const QString prompt = "選手 " + QString::number(seat) + "の名前を入力してください\n6文字まで";
    const auto answer = sys().dialogs->askText("選手名の登録", prompt, s.PL_NAME[seat]);
    if (!answer || answer->isEmpty())
        return;
    // Six characters, counted as code points so a pair is never split.
    const QList<uint> points = answer->toUcs4();
    QString name;
    for (qsizetype i = 0; i < points.size() && i < 6; ++i)
        name += QString::fromUcs4(reinterpret_cast<const char32_t*>(&points[i]), 1);
    s.PL_NAME[seat] = name;
    am().setNameCaption(seat, s.PL_NAME[seat]);
}

} // namespace kz

namespace kz {

void DragStart(int seat)
{
    auto& s = state();
    auto& a = am();
    if (!a.SELE->isVisible())
        return;
    if (s.DRAG_FROM == -1) {
        PlaySound(1);
        s.DRAG_FROM = seat;
        s.DRAG_NAME = a.nameCaption(seat);
    }
}

void DropOn(int seat)
{
    auto& s = state();
    auto& a = am();
    if (!a.SELE->isVisible()) {
        s.DRAG_FROM = -1;
        return;
    }
    s.DROP_TO = seat;
    if (s.DROP_TO == s.DRAG_FROM) {
        s.DRAG_FROM = -1;
        EnterPlayerName(seat);
        return;
    }
    if (s.DRAG_FROM != -1) {
        PlaySound(14);
        s.DROP_NAME = a.nameCaption(s.DROP_TO);
        a.setNameCaption(s.DRAG_FROM, s.DROP_NAME);
        a.setNameCaption(s.DROP_TO, s.DRAG_NAME);
        s.PL_NAME[s.DROP_TO] = s.DRAG_NAME;
        s.PL_NAME[s.DRAG_FROM] = s.DROP_NAME;
        s.DRAG_FROM = -1;
    }
}

void CancelDrag()
{
    // Released away from the labels: forget the start, so that a later click
    // on a label opens the name entry instead of swapping two names.
    state().DRAG_FROM = -1;
}

} // namespace kz
