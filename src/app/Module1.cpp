#include "app/Module1.h"

namespace Module1 {

void reset()
{
    selectedSeasonName.clear();
    selectedSeason = 0;
    selectedChampionshipName.clear();
    selectedChampionship = 0;
    reportKind.clear();
    printFlag = false;
    chosenImagePath.clear();
    photoRemoval = false;
    lastPickerFolder.clear();
}

} // namespace Module1
