#include "app/Start.h"

namespace app {

void startBackup(Form1 &)
{
}

} // namespace app
