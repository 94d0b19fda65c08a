#include "platform/Fonts.h"

namespace kz {

QFont GameFont(Face face, double points, bool bold)
{
    const char* family = "IPAPGothic";
    switch (face) {
    case Face::Mincho: family = "IPAMincho"; break;
    case Face::Gothic: family = "IPAGothic"; break;
    case Face::PGothic: family = "IPAPGothic"; break;
    }
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    if (face == Face::Gothic)
        f.setFixedPitch(true);
    f.setStyleStrategy(QFont::PreferMatch);
    return f;
}

} // namespace kz
