#pragma once
// The game in progress of the dialogs' tests and gallery: simulate plays a
// game of the authored map with as many companies as the map allows, seed
// 3, for a year and a half, and the fixture loads it and makes the first
// two companies human-played, so that the dialogs show real names, funds,
// directors, faces, buildings, teams and holdings. The document must be
// registered as the services' document (the load and the companies ask
// it).

#include <string>

class CVDoc;

// The played game's file is kept in folder. false (with the reason) when
// the program folder has no simulate or data files, or the game does not
// load.
bool LoadGameInProgress(CVDoc& doc, const std::string& folder, std::string& reason);
