#include "platform/Surface.h"

#include <QPaintEvent>
#include <QPainter>

namespace kz {

Surface::Surface(QSize size, QWidget* parent)
    : QWidget(parent), image_(size, QImage::Format_RGB32)
{
    image_.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(size);
}

void Surface::setImage(const QImage& img)
{
    image_ = img.convertToFormat(QImage::Format_RGB32);
    present();
}

void Surface::present()
{
    present(rect());
}

void Surface::present(const QRect& area)
{
    const QRect r = area.intersected(rect());
    if (r.isEmpty())
        return;
    if (immediate_ && isVisible())
        repaint(r);
    else
        update(r);
}

void Surface::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& r : event->region())
        p.drawImage(r.topLeft(), image_, r);
}

} // namespace kz
