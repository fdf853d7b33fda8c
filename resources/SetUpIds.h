#pragma once
// The templates and control ids of the dialogs that start a game: the start
// choice, the map data file choice, the set-up wizard, the company detail
// entry of a network game and the network address prompt.

#include "platform/ui/WinDefs.h"

namespace setup_ids {

constexpr UINT kStartDialog = 357;
constexpr UINT kMapFileDialog = 387;
constexpr UINT kSettingDialog = 392;
constexpr UINT kEnterpriseDialog = 379;
constexpr UINT kNetworkIPDialog = 381;

// Shared by several of them.
constexpr int kLogo = 600;
constexpr int kText = 721;
constexpr int kAddress = 1169;

// The start choice.
constexpr int kNewGame = 1121;
constexpr int kLoadData = 606;

// The map data file choice.
constexpr int kFileList = 1184;

// The set-up wizard: the game page.
constexpr int kBack = 1185;
constexpr int kHelp = 1186;
constexpr int kModeLabel = 604;
constexpr int kMode = 1176;
constexpr int kAddressLabel = 1174;
constexpr int kPlayersLabel = 602;
constexpr int kPasswordLabel = 1179;
constexpr int kPlayers = 603;
constexpr int kPassword = 1180;
constexpr int kObserverCheck = 1009;
constexpr int kObserversLabel = 1171;
constexpr int kObservers = 1172;
constexpr int kObserversMax = 1173;
constexpr int kYearGroup = 607;
constexpr int kYear1 = 608;
constexpr int kYear2 = 609;
constexpr int kYear3 = 610;
constexpr int kYearTyped = 611;
constexpr int kYears = 1175;
constexpr int kModePicture = 1181;
constexpr int kModeText = 1182;
// The set-up wizard: a player page.
constexpr int kPlayerPrompt = 613;
constexpr int kCompanyLabel = 614;
constexpr int kCompanyName = 612;
constexpr int kPlayerLabel = 615;
constexpr int kPlayerName = 616;
constexpr int kColourLabel = 617;
constexpr int kColour = 618;

// The company detail entry.
constexpr int kEntryPrompt = 610;
constexpr int kEntryCompanyLabel = 611;
constexpr int kEntryCompany = 612;
constexpr int kEntryPlayerLabel = 613;
constexpr int kEntryPlayer = 614;
constexpr int kEntryColourLabel = 615;
constexpr int kEntryColour = 616;

}  // namespace setup_ids
