// Land bought by directors (placeholder until lots can change hands).

#include "game/VDoc.h"

void CVDoc::CompleteDesignatedPurchase(CPersonData& director) {
    FinishTask(director, 1);
}

void CVDoc::CompleteLandAcquisition(CPersonData& director) {
    FinishTask(director, 1);
}
