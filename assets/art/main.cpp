// kezora-artgen OUTDIR [--frames]: writes every picture of the game as PNG.
// With --frames it also writes each motion's frames for previewing.
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace art;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kezora-artgen OUTDIR [--frames]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);

    const QImage cha = spriteSheet();
    const QImage mask = silhouette(cha);
    const QImage kao = faces();
    const QImage bg = arena(kao);
    std::vector<Named> pics = {
        {"CHA", cha}, {"M_CHA", mask}, {"M_BG", bg}, {"KAO", kao}, {"N_FONT", digits()},
        {"HAI", board(kao)},
        {"ARE", button(281, 49, "Are You Ready?", 28)},
        {"PRE", button(281, 49, "Press Key!", 32)},
        {"GM_START", button(97, 48, "START", 24)},
    };
    for (int k = 0; k < 4; ++k) pics.push_back({QString("SEL%1").arg(k), playerCount(k + 1)});
    pics.push_back({"TIT", title(kao)});
    pics.push_back({"ICON", windowIcon()});
    pics.push_back({"CURSOR", mousePointer()});
    pics.push_back({"DRAG", dragIcon()});

    bool ok = true;
    for (Named& p : pics) {
        // the icons keep their transparency; everything else is opaque
        if (!p.name.startsWith("ICON") && p.name != "CURSOR" && p.name != "DRAG")
            p.image = p.image.convertToFormat(QImage::Format_RGB32);
        ok &= p.image.save(dir + "/" + p.name + ".png", "PNG");
    }
    ok &= contactSheet(pics).save(dir + "/contact-sheet.png", "PNG");

    if (argc > 2 && QString(argv[2]) == "--frames") {
        int i = 0;
        for (const Motion& m : motions()) {
            const bool left = m.name.startsWith("L_") || m.name == "バク転" || m.name == "スワン";
            const auto frames = playMotion(m, cha, mask, bg, left ? 500 : 150, 95);
            for (size_t f = 0; f < frames.size(); ++f)
                frames[f].copy(0, 0, 786, 300).save(
                    QString("%1/motion%2_%3.png").arg(dir).arg(i, 2, 10, QChar('0')).arg(f, 2, 10, QChar('0')));
            ++i;
        }
    }
    if (!ok) std::fprintf(stderr, "kezora-artgen: could not write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
