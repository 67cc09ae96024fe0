#include "app/Version.h"

namespace app {

QString version()
{
    return QStringLiteral("%1.%2.%3")
        .arg(VELMORA_VERSION_MAJOR)
        .arg(VELMORA_VERSION_MINOR)
        .arg(VELMORA_VERSION_PATCH);
}

} // namespace app
