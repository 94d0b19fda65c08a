#include "Script.h"

#include <QRegularExpression>
#include <stdexcept>

namespace kz::sim {

namespace {

[[noreturn]] void fail(int lineNo, const QString& why)
{
    throw std::runtime_error(QString("script line %1: %2").arg(lineNo).arg(why).toStdString());
}

double number(const QString& s, int lineNo)
{
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || v < 0)
        fail(lineNo, "not a time or number: " + s);
    return v;
}

std::optional<double> delay(const QString& s, int lineNo)
{
    if (s == "never")
        return std::nullopt;
    return number(s, lineNo);
}

Action action(const QStringList& words, int lineNo)
{
    if (words.isEmpty())
        fail(lineNo, "missing action");
    static const QStringList verbs = {"hand", "foot", "space", "muhenkan", "lmb", "rmb", "menu", "click", "dblclick", "close", "key", "drag"};
    Action a;
    a.verb = words[0];
    if (!verbs.contains(a.verb))
        fail(lineNo, "unknown action " + a.verb);
    a.args = words.mid(1);
    static const QStringList counted = {"hand", "foot", "space", "muhenkan", "lmb", "rmb"};
    if (counted.contains(a.verb) && !a.args.isEmpty()) {
        a.repeat = static_cast<int>(number(a.args[0], lineNo));
        a.args.clear();
    }
    return a;
}

} // namespace

Script ParseScript(const QString& text)
{
    Script script;
    int order = 0;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        const int hash = static_cast<int>(line.indexOf('#'));
        if (hash >= 0)
            line.truncate(hash);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const QStringList w = line.split(QRegularExpression("\\s+"));
        const QString& key = w[0];
        if (key == "players" && w.size() == 2) {
            script.players = static_cast<int>(number(w[1], lineNo));
            if (script.players < 1 || script.players > 4)
                fail(lineNo, "players must be 1 to 4");
        } else if (key == "name" && w.size() >= 3) {
            const int seat = static_cast<int>(number(w[1], lineNo));
            if (seat > 3)
                fail(lineNo, "seat must be 0 to 3");
            // The name is the rest of the line, exactly.
            const QString rest = line.section(QRegularExpression("\\s+"), 2);
            script.names.emplace_back(seat, rest);
        } else if (key == "are" && w.size() == 2) {
            script.areDelay = delay(w[1], lineNo);
        } else if (key == "pre" && w.size() == 2) {
            script.preDelay = delay(w[1], lineNo);
        } else if (key == "title" && (w.size() == 2 || w.size() == 3)) {
            if (w[1] == "never") {
                script.titleDelay = std::nullopt;
            } else if (w[1] == "click" || w[1] == "key") {
                script.titleByKey = w[1] == "key";
                script.titleDelay = w.size() == 3 ? number(w[2], lineNo) : 0;
            } else {
                fail(lineNo, "title click|key [MS] or title never");
            }
        } else if (key == "autoplay" && w.size() >= 2) {
            for (int i = 1; i < w.size(); ++i) {
                if (w[i] == "all") {
                    script.autoplay = {0, 1, 2, 3};
                } else if (w[i] == "until" && i + 1 < w.size()) {
                    script.autoplayUntil = static_cast<int>(number(w[++i], lineNo));
                } else {
                    const int seat = static_cast<int>(number(w[i], lineNo));
                    if (seat > 3)
                        fail(lineNo, "seat must be 0 to 3");
                    script.autoplay.push_back(seat);
                }
            }
        } else if (key == "appdir" && w.size() >= 2) {
            script.appDir = line.section(QRegularExpression("\\s+"), 1);
        } else if (key == "answer" && w.size() >= 2) {
            script.answers << line.section(QRegularExpression("\\s+"), 1);
        } else if (key == "end" && w.size() == 2) {
            script.endAt = number(w[1], lineNo);
        } else if (key == "start" && w.size() == 1) {
            Event e;
            e.action.verb = "click";
            e.action.args = {"start"};
            e.order = order++;
            script.events.push_back(e);
        } else if (key == "at" && w.size() >= 3) {
            Event e;
            e.at = number(w[1], lineNo);
            e.action = action(w.mid(2), lineNo);
            e.order = order++;
            script.events.push_back(e);
        } else if (key == "in" && w.size() >= 6) {
            Event e;
            e.when = Event::When::InPass;
            e.match = static_cast<int>(number(w[1], lineNo));
            e.seat = static_cast<int>(number(w[2], lineNo));
            if (w[3] != "forward" && w[3] != "return")
                fail(lineNo, "pass must be forward or return");
            e.returnPass = w[3] == "return";
            e.at = number(w[4], lineNo);
            e.action = action(w.mid(5), lineNo);
            e.order = order++;
            script.events.push_back(e);
        } else {
            fail(lineNo, "cannot read: " + line);
        }
    }
    return script;
}

} // namespace kz::sim
