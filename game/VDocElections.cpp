#include "game/Election.h"
#include "game/VDoc.h"

int CVDoc::RunDueElections() {
    CElection election(*this);
    return election.RunDueElections();
}

void CVDoc::HoldElection(int area, int excluded) {
    CElection election(*this);
    election.HoldElection(area, excluded);
}
