#include "Monkey.h"

#include "game/GameState.h"
#include "game/World.h"
#include "shell/Am.h"

#include <QFrame>
#include <QListWidget>
#include <algorithm>
#include <random>

namespace kz::monkey {

namespace {

class Dice {
public:
    explicit Dice(std::uint32_t seed) : rng_(seed) {}
    int upTo(int n) { return std::uniform_int_distribution<int>(0, n)(rng_); } // 0..n
    bool chance(int percent) { return upTo(99) < percent; }
    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N]) { return items[upTo(int(N) - 1)]; }

private:
    std::mt19937 rng_;
};

QString randomName(Dice& d)
{
    static const char* const pieces[] = {"ハナコ", "ﾀﾛｳ", "A", ",", "\"", " ", "𠮷", "😀", "長い名前の選手です", "x y", "　"};
    QString s;
    const int n = d.upTo(4);
    for (int i = 0; i < n; ++i)
        s += QString::fromUtf8(d.pick(pieces));
    // Spaces inside a name, never around it: the script would not keep them.
    return "N" + s + "n";
}

QString randomAction(Dice& d, bool allowQuit)
{
    switch (d.upTo(allowQuit ? 21 : 19)) {
    case 0: return QString("hand %1").arg(1 + d.upTo(5));
    case 1: return QString("foot %1").arg(1 + d.upTo(5));
    case 2: return QString("space %1").arg(1 + d.upTo(3));
    case 3: return QString("muhenkan %1").arg(1 + d.upTo(3));
    case 4: return QString("lmb %1").arg(1 + d.upTo(3));
    case 5: return QString("rmb %1").arg(1 + d.upTo(3));
    case 6: return "key enter";
    case 7: case 8: return "menu start";
    case 9: return QString("menu players %1").arg(1 + d.upTo(3));
    case 10: { static const char* const m[] = {"version", "howto", "controls"}; return QString("menu ") + d.pick(m); }
    case 11: return "click start";
    case 12: return "click are";
    case 13: return "click pre";
    case 14: return QString("click sel %1").arg(1 + d.upTo(3));
    case 15: return QString("click name %1").arg(d.upTo(3));
    case 16: return d.chance(30) ? QString("drag %1 off").arg(d.upTo(3)) : QString("drag %1 %2").arg(d.upTo(3)).arg(d.upTo(3));
    case 17: return "dblclick hotspot";
    case 18: return "hand";
    case 19: return "foot";
    case 20: return "menu quit";
    default: return "close";
    }
}

QString delay(Dice& d)
{
    return d.chance(3) ? QString("never") : QString::number(d.upTo(d.chance(70) ? 800 : 5000));
}

} // namespace

QString RandomScript(std::uint32_t seed)
{
    Dice d(seed);
    QStringList s;
    s << QString("# monkey %1").arg(seed);
    if (d.chance(85))
        s << QString("players %1").arg(1 + d.upTo(3));
    for (int seat = 0; seat < 4; ++seat)
        if (d.chance(10))
            s << QString("name %1 %2").arg(seat).arg(randomName(d));
    s << "are " + delay(d) << "pre " + delay(d);
    if (d.chance(10))
        s << (d.chance(50) ? "title key " : "title click ") + QString::number(d.upTo(3000));
    if (d.chance(40)) {
        QStringList seats;
        for (int seat = 0; seat < 4; ++seat)
            if (d.chance(50))
                seats << QString::number(seat);
        if (!seats.isEmpty())
            s << "autoplay " + seats.join(' ') + (d.chance(50) ? QString(" until %1").arg(1 + d.upTo(9)) : QString());
    }
    // The first answer goes to the records question.
    const int answers = d.upTo(4);
    for (int i = 0; i < answers; ++i) {
        static const char* const a[] = {"yes", "no", "cancel", "text "};
        const QString kind = QString::fromUtf8(d.pick(a));
        s << "answer " + (kind == "text " ? "text " + randomName(d) : kind);
    }
    if (d.chance(70))
        s << "start";
    // Mostly short stretches of play; now and then a long one.
    static const int spans[] = {4000, 15000, 40000, 120000};
    const int span = d.pick(spans);
    const bool allowQuit = d.chance(25);
    const int events = 3 + d.upTo(30);
    for (int i = 0; i < events; ++i) {
        const QString action = randomAction(d, allowQuit);
        if (d.chance(20))
            s << QString("in %1 %2 %3 %4 %5").arg(1 + d.upTo(2)).arg(d.upTo(3))
                     .arg(d.chance(50) ? "forward" : "return").arg(d.upTo(3000)).arg(action);
        else
            s << QString("at %1 %2").arg(d.upTo(span)).arg(action);
    }
    s << QString("end %1").arg(span);
    return s.join('\n') + '\n';
}

void InvariantChecker::fault(const QString& where, const QString& what)
{
    faults_ << where + ": " + what;
}

void InvariantChecker::onLine(const QString& line)
{
    if (line.startsWith("state ")) {
        if (!ended_) {
            ended_ = true;
            check("end");
        }
        return;
    }
    const QString what = line.section(' ', 1);
    if (what == "menu 停止") {
        // A tournament has just begun: its seats are set.
        inTournament_ = true;
        ranked_ = false;
        haveTotals_ = false;
        const auto& s = state();
        for (int seat = 0; seat < 4; ++seat)
            seatState_[seat] = s.PL_STATE[seat];
        check("tournament start");
    } else if (what == "quit") {
        quit_ = true;
    } else if (what == "arena reset") {
        haveTotals_ = false;
    } else if (what.startsWith("list List ")) {
        ranked_ = true;
        if (what.startsWith("list List 0 "))
            ++rankings_;
    } else if (what.startsWith("record ")) {
        check("t=" + line.section(' ', 0, 0) + " match " + QString::number(state().MATCH_NO));
    }
}

void InvariantChecker::check(const QString& where)
{
    ++checks_;
    const auto& s = state();
    auto& a = am();
    if (inTournament_) {
        for (int seat = 0; seat < 4; ++seat) {
            const int now = s.PL_STATE[seat];
            // 0 lives between a ranking and its announcements, where an end may cut in.
            if (now != 1 && now != -1 && !(quit_ && now == 0))
                fault(where, QString("PL_STATE[%1] is %2 between steps").arg(seat).arg(now));
            if (seat > s.LAST_PLAYER && now != -1)
                fault(where, QString("seat %1 above LAST_PLAYER %2 has PL_STATE %3").arg(seat).arg(s.LAST_PLAYER).arg(now));
            if (seatState_[seat] == -1 && now == 1)
                fault(where, QString("PL_STATE[%1] came back from -1 to 1").arg(seat));
            seatState_[seat] = now;
        }
        if (haveTotals_) {
            for (int i = 0; i < kSlots; ++i)
                if (s.ATH_TOTAL[i] < totals_[i])
                    fault(where, QString("ATH_TOTAL[%1] fell from %2 to %3").arg(i).arg(totals_[i]).arg(s.ATH_TOTAL[i]));
        }
        std::copy(s.ATH_TOTAL.begin(), s.ATH_TOTAL.end(), totals_.begin());
        haveTotals_ = true;
        if (s.MATCH_NO < 0 || s.MATCH_NO > 11)
            fault(where, QString("MATCH_NO %1").arg(s.MATCH_NO));
        if (s.MATCH_NO >= 1 && s.MATCH_NO <= 10 && s.BASE_LEVEL != std::min(95, 60 + 2 * s.MATCH_NO))
            fault(where, QString("BASE_LEVEL %1 in match %2").arg(s.BASE_LEVEL).arg(s.MATCH_NO));
    }
    for (int i = 0; i < kSlots; ++i)
        if (s.RECORD < s.ATH_TOTAL[i])
            fault(where, QString("RECORD %1 below ATH_TOTAL[%2] %3").arg(s.RECORD).arg(i).arg(s.ATH_TOTAL[i]));
    // The lists are only complete once their panels show again: an end of the
    // program may cut into a ranking pass while a list is being rebuilt.
    if (inTournament_ && ranked_ && !a.Pic->isHidden() && !a.S_PIC->isHidden()) {
        for (int seat = 0; seat < 4; ++seat) {
            if (s.PL_STATE[seat] != 1)
                continue;
            const QListWidgetItem* total = a.List->item(s.PL_RANK[seat]);
            if (!total || !total->isSelected())
                fault(where, QString("seat %1 not highlighted on line %2 of the totals").arg(seat).arg(s.PL_RANK[seat]));
            const QListWidgetItem* match = a.SLIST->item(s.PL_MRANK[seat]);
            if (!match || !match->isSelected())
                fault(where, QString("seat %1 not highlighted on line %2 of the match list").arg(seat).arg(s.PL_MRANK[seat]));
        }
    }
    const bool idleShown = !a.SELE->isHidden();
    if (idleShown != (s.STOP_FLAG == 1))
        fault(where, QString("STOP_FLAG %1 but the setup panel is %2").arg(s.STOP_FLAG).arg(idleShown ? "shown" : "hidden"));
    if (s.STOP_FLAG != 0 && s.STOP_FLAG != 1)
        fault(where, QString("STOP_FLAG %1").arg(s.STOP_FLAG));
}

Report RunChecked(const QString& scriptText)
{
    Report r;
    InvariantChecker checker;
    r.outcome = sim::RunSimulation(sim::ParseScript(scriptText), [&](const QString& l) { checker.onLine(l); });
    r.faults = checker.faults();
    r.checks = checker.checks();
    r.rankings = checker.rankings();
    return r;
}

} // namespace kz::monkey
