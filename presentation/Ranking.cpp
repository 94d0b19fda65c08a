#include "presentation/Ranking.h"

#include "game/GameState.h"
#include "game/Text.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"

#include <QListWidget>
#include <array>

namespace kz {

namespace {

// One ranking pass: repeatedly places the whole group of the highest key
// still unplaced, in slot order, and hands each placed athlete on.
template <class Place>
void selectionPasses(const std::array<double, kSlots>& key, Place&& place)
{
    auto& s = state();
    int placed = 0;
    for (int stepNo = 0; stepNo < kSlots; ++stepNo) {
        double best = 0;
        int unplaced = 0;
        for (int i = 0; i < kSlots; ++i)
            if (s.ATH_STATE[i] == 1 && s.ATH_MARK[i] == -1) {
                ++unplaced;
                if (key[i] >= best)
                    best = key[i];
            }
        s.TIE_COUNT = 0;
        int group = 0;
        for (int i = 0; i < kSlots && unplaced > 0; ++i) {
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
    // Built in place: the passes make a hundred of these per list.
    static const QString pad = QStringLiteral(u"　　　　　　　");
    QString line;
    line.reserve(20);
    if (tied) {
        line += QLatin1String("    ");
    } else if (rank <= 9) {
        line += QLatin1Char(' ');
        line += QString::number(rank);
        line += QChar(u'位');
    } else {
        line += QString::number(rank).rightJustified(2, '0');
        line += QChar(u'位');
    }
    line += QLatin1Char(' ');
    line += ToFullWidth(name.left(8) + pad).left(6);
    const QString v = OneDecimal(value);
    line += v.size() >= 7 ? v.right(7) : v.rightJustified(7);
    return line;
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
    // The lines go in at the end, in one insertion: the list lies hidden
    // until its highlighting anyway.
    QStringList lines;
    lines.reserve(kSlots + 1);
    selectionPasses(s.ATH_TOTAL, [&](int i, int placed) {
        if (s.RECORD < s.ATH_TOTAL[i]) {
            s.RECORD = s.ATH_TOTAL[i];
            s.RECORD_NAME = s.ATH_NAME[i];
        }
        if (s.ATH_SCORE[i] < s.BASE_LEVEL)
            s.ATH_STATE[i] = 0;
        else
            lines << RankingLine(placed + 1, s.TIE_COUNT > 1, s.ATH_NAME[i], s.ATH_TOTAL[i]);
        if (i >= 96)
            s.PL_RANK[i - 96] = static_cast<int>(lines.size()) - 1;
    });
    lines << " ";
    a.List->addItems(lines);
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
    QStringList lines;
    lines.reserve(kSlots + 1);
    selectionPasses(s.ATH_SCORE, [&](int i, int placed) {
        if (s.ATH_SCORE[i] > 0)
            lines << RankingLine(placed + 1, s.TIE_COUNT > 1, s.ATH_NAME[i], s.ATH_SCORE[i]);
        if (s.ATH_SCORE[i] < s.BASE_LEVEL)
            s.ATH_STATE[i] = 0;
        if (i >= 96)
            s.PL_MRANK[i - 96] = static_cast<int>(lines.size()) - 1;
    });
    lines << " ";
    a.SLIST->addItems(lines);
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
