#pragma once

class Form1;

namespace app {

// Opens the store below the working folder, telling the user what stands in the way.
// Returns false when the application must end.
bool openTheStore();

// Once the main window is shown: the checks of the store that must not slow the start.
void startChecks(Form1 &window);

// Once the main window is shown: the daily backup of the store and the photos.
void startBackup(Form1 &window);

} // namespace app
