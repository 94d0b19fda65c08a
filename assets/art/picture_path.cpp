#include "picture_path.h"

namespace kezora {

QString picturePath(const char* name) {
    return QStringLiteral(":/pictures/") + QString::fromLatin1(name) + QStringLiteral(".png");
}

}  // namespace kezora
