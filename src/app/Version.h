#pragma once

#include <QString>

namespace app {

// "major.minor.revision" of this build.
QString version();

} // namespace app
