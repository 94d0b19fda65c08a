// Where the generated pictures live inside the program.
#pragma once

#include <QString>

namespace kezora {

// ":/pictures/<name>.png", e.g. picturePath("CHA").
QString picturePath(const char* name);

}  // namespace kezora
