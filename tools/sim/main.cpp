// kezora-sim: plays a script against the game headless and prints the transcript.
#include "Simulation.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <stdexcept>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kezora-sim SCRIPT   (- reads standard input)\n");
        return 2;
    }
    QFile file;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const bool opened = path == "-" ? file.open(stdin, QIODevice::ReadOnly) : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        std::fprintf(stderr, "kezora-sim: cannot read %s\n", argv[1]);
        return 2;
    }
    const QString text = QString::fromUtf8(file.readAll());
    try {
        const kz::sim::Script script = kz::sim::ParseScript(text);
        QTextStream out(stdout);
        const auto outcome = kz::sim::RunSimulation(script, [&](const QString& l) { out << l << '\n'; });
        out.flush();
        return outcome.stalled ? 3 : 0;
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "kezora-sim: %s\n", e.what());
        return 2;
    }
}
