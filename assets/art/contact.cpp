// One overview picture of everything drawn, for looking at after art changes.
#include "figure.h"
#include "pictures.h"
#include "raster.h"

#include <QPainter>

#include <algorithm>

namespace art {
namespace {

constexpr QRgb kBack = 0xff303038, kLabel = 0xffffe080, kNumber = 0xffff4040;

class Sheet {
public:
    explicit Sheet(int width) : img_(blank(width, 9000, kBack)), width_(width) {}

    void heading(const QString& s) {
        newline();
        plainText(img_, QRect(16, y_, width_, 28), s, font(Face::Gothic, 22, true), kLabel,
                  Qt::AlignLeft | Qt::AlignVCenter);
        y_ += 32;
    }
    // Places a picture with its caption, wrapping to a new line when full.
    QPoint place(const QImage& pic, const QString& caption, int scale = 1) {
        const int w = pic.width() * scale, h = pic.height() * scale;
        if (x_ + w > width_ - 16) newline();
        const QPoint at(x_, y_ + 18);
        plainText(img_, QRect(x_, y_, std::max(w, 60), 16), caption, font(Face::Gothic, 13), 0xffe0e0e8,
                  Qt::AlignLeft | Qt::AlignVCenter);
        QPainter p(&img_);
        p.fillRect(QRect(at, QSize(w, h)), QColor(0xff, 0x00, 0xff).darker(400));
        p.drawImage(QRect(at, QSize(w, h)), pic);
        x_ += w + 16;
        rowH_ = std::max(rowH_, h + 26);
        return at;
    }
    void newline() {
        if (x_ > 16) y_ += rowH_;
        x_ = 16;
        rowH_ = 0;
    }
    QImage& image() { return img_; }
    QImage finish() {
        newline();
        return img_.copy(0, 0, width_, y_ + 16);
    }

private:
    QImage img_;
    int width_, x_ = 16, y_ = 16, rowH_ = 0;
};

}  // namespace

QImage contactSheet(const std::vector<Named>& pictures) {
    auto find = [&](const QString& n) {
        for (const Named& p : pictures)
            if (p.name == n) return p.image;
        return QImage();
    };
    const QImage cha = find("CHA"), mask = find("M_CHA");
    Sheet sheet(2320);

    sheet.heading("CHA × 3");
    const QPoint at = sheet.place(cha, "CHA", 3);
    {
        QPainter p(&sheet.image());
        p.setFont(font(Face::Gothic, 12, true));
        for (int n = 0; n < kCells; ++n) {
            const QRect r(at.x() + 120 * cellColumn(n), at.y() + 120 * cellRow(n), 120, 120);
            p.setPen(QColor(0xc0, 0xc0, 0xd0));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(QColor::fromRgba(kNumber));
            p.drawText(r.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(n));
        }
        // the floor line of a standing figure
        p.setPen(QColor(0x40, 0xa0, 0xff));
        for (int row = 0; row < 4; ++row)
            p.drawLine(at.x(), at.y() + 120 * row + 3 * (kFootRow + 1), at.x() + 2280,
                       at.y() + 120 * row + 3 * (kFootRow + 1));
    }
    sheet.newline();
    sheet.place(cha, "CHA");
    sheet.place(mask, "M_CHA");

    sheet.heading("Motions");
    for (const Motion& m : motions()) {
        sheet.newline();
        int i = 0;
        for (const Frame& f : m.frames) {
            const QImage cell = cha.copy(cellColumn(f.cell) * kCell, cellRow(f.cell) * kCell, kCell, kCell);
            sheet.place(cell, i == 0 ? QString("%1  %2").arg(m.name).arg(f.cell) : QString::number(f.cell), 2);
            ++i;
        }
    }

    sheet.heading("Pictures");
    for (const Named& p : pictures) {
        if (p.name == "CHA" || p.name == "M_CHA") continue;
        const int scale = p.image.width() <= 200 && p.image.height() <= 64 ? 3 : p.image.height() <= 16 ? 2 : 1;
        sheet.place(p.image, QString("%1  %2×%3").arg(p.name).arg(p.image.width()).arg(p.image.height()), scale);
    }
    return sheet.finish();
}

}  // namespace art
