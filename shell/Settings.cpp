#include "shell/Settings.h"

#include "game/World.h"
#include "platform/Platform.h"

namespace kz {

// The records file comes with the application shell; until then the values
// live for the run only.
void LoadSettings()
{
    sys().note("settings load");
}

void SaveSettings()
{
    sys().note("settings save");
}

} // namespace kz
