#include "presentation/Ranking.h"

#include "game/GameState.h"
#include "game/Text.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"

#include <QListWidget>
#include <array>
#include <functional>

namespace kz {

namespace {

// One ranking pass: repeatedly places the whole group of the highest key
// still unplaced, in slot order, and hands each placed athlete on.
void selectionPasses(const std::array<double, kSlots>& key, const std::function<void(int slot, int placed)>& place)
{
    auto& s = state();
    int placed = 0;
    for (int stepNo = 0; stepNo < kSlots; ++stepNo) {
        double best = 0;
        for (int i = 0; i < kSlots; ++i)
            if (s.ATH_STATE[i] == 1 && s.ATH_MARK[i] == -1 && key[i] >= best)
                best = key[i];
        s.TIE_COUNT = 0;
        int group = 0;
        for (int i = 0; i < kSlots; ++i) {
            if (s.ATH_STATE[i] == 1 && s.ATH_MARK[i] == -1 && key[i] == best) {
                s.TIE_COUNT += 1;
                s.ATH_MARK[i] = placed;
                group += 1;
                place(i, placed);
            }
        }
        placed += group;
        sys().yield();
    }
}

void traceList(const char* name, QListWidget* list)
{
    if (!sys().tracing())
        return;
    for (int i = 0; i < list->count(); ++i)
        sys().note(QString("list %1 %2 %3 %4").arg(name).arg(i).arg(list->item(i)->isSelected() ? 1 : 0).arg(list->item(i)->text()));
}

// Highlights the seats' lines; a line that does not exist ends it silently,
// leaving the panel hidden.
void markList(QWidget* panel, QListWidget* list, const std::array<int, 6>& lineOf, const char* name)
{
    const auto& s = state();
    panel->setVisible(false);
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(false);
    bool ok = true;
    for (int seat = 0; seat < kSeats && ok; ++seat) {
        if (s.PL_STATE[seat] > 0) {
            QListWidgetItem* item = list->item(lineOf[seat]);
            if (!item)
                ok = false;
            else
                item->setSelected(true);
        }
    }
    if (ok) {
        list->scrollToTop();
        panel->setVisible(true);
    }
    traceList(name, list);
}

} // namespace

QString RankingLine(int rank, bool tied, const QString& name, double value)
{
    QString rankPart;
    if (tied)
        rankPart = "    ";
    else if (rank <= 9)
        rankPart = ' ' + QString::number(rank) + "位";
    else
        rankPart = QString::number(rank).rightJustified(2, '0') + "位";
    const QString namePart = ToFullWidth(name.left(8) + "　　　　　　　").left(6);
    const QString valuePart = ("     " + OneDecimal(value)).right(7);
    return rankPart + ' ' + namePart + valuePart;
}

void RankTotals()
{
    auto& s = state();
    auto& a = am();
    a.Pic->setVisible(false);
    a.List->clear();
    for (int seat = 0; seat < kSeats; ++seat) {
        if (s.PL_STATE[seat] > 0) {
            s.ATH_NAME[96 + seat] = a.nameCaption(seat);
            s.ATH_STATE[96 + seat] = s.PL_STATE[seat];
            s.ATH_SCORE[96 + seat] = s.PL_SCORE[seat];
        }
    }
    for (int i = 0; i < kSlots; ++i) {
        if (s.ATH_STATE[i] == 1) {
            s.ATH_TOTAL[i] += s.ATH_SCORE[i];
            s.ATH_MARK[i] = -1;
        }
    }
    selectionPasses(s.ATH_TOTAL, [&](int i, int placed) {
        if (s.RECORD < s.ATH_TOTAL[i]) {
            s.RECORD = s.ATH_TOTAL[i];
            s.RECORD_NAME = s.ATH_NAME[i];
        }
        const QString line = RankingLine(placed + 1, s.TIE_COUNT > 1, s.ATH_NAME[i], s.ATH_TOTAL[i]);
        if (s.ATH_SCORE[i] < s.BASE_LEVEL)
            s.ATH_STATE[i] = 0;
        else
            a.List->addItem(line);
        if (i >= 96)
            s.PL_RANK[i - 96] = a.List->count() - 1;
    });
    a.List->addItem(" ");
}

void RankMatch()
{
    auto& s = state();
    auto& a = am();
    a.S_PIC->setVisible(false);
    a.SLIST->clear();
    for (int i = 0; i < kSlots; ++i)
        if (s.ATH_STATE[i] == 1)
            s.ATH_MARK[i] = -1;
    selectionPasses(s.ATH_SCORE, [&](int i, int placed) {
        const QString line = RankingLine(placed + 1, s.TIE_COUNT > 1, s.ATH_NAME[i], s.ATH_SCORE[i]);
        if (s.ATH_SCORE[i] > 0)
            a.SLIST->addItem(line);
        if (s.ATH_SCORE[i] < s.BASE_LEVEL)
            s.ATH_STATE[i] = 0;
        if (i >= 96)
            s.PL_MRANK[i - 96] = a.SLIST->count() - 1;
    });
    a.SLIST->addItem(" ");
}

void MarkTotalsList()
{
    markList(am().Pic, am().List, state().PL_RANK, "List");
}

void MarkMatchList()
{
    markList(am().S_PIC, am().SLIST, state().PL_MRANK, "SLIST");
}

} // namespace kz
