#pragma once

class QApplication;

// Opens the store below the working folder (creating it when missing), shows the main
// window and runs the event loop. Returns the application's exit status.
int runVelmora(QApplication &app);

// Loads Qt's Italian texts so that standard buttons read "Sì", "No", "Annulla".
void installItalian(QApplication &app);
