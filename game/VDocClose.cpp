// Closing and saving the game from the program.

#include "game/VDoc.h"

bool CVDoc::CanCloseFrame() {
    return SaveModified();
}

bool CVDoc::SaveModified() {
    return true;
}

int CVDoc::DoSave(const std::string& path, int) {
    return !path.empty() && SaveFile(path) ? 1 : 0;
}
