#pragma once

#include <QString>

// What the windows share. The selection is written only by the main window; the print
// values by the main window for the print window; the picker values by the image picker
// for the person editor.
namespace Module1 {

inline QString selectedSeasonName;       // the season label, "2008-09"
inline int selectedSeason = 0;           // the season number, 2008
inline QString selectedChampionshipName; // Campionati.Nome
inline int selectedChampionship = 0;     // Campionati.Id

inline QString reportKind;     // "Giocatori": the roster report
inline bool printFlag = false; // false: preview; true: print at once

inline QString chosenImagePath;   // the picture chosen in the image picker, empty for none
inline bool photoRemoval = false; // the user asked to remove the photo
inline QString lastPickerFolder;  // where the picker was when it last closed

// Back to the values at start.
void reset();

} // namespace Module1
