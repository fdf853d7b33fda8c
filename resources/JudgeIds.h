#pragma once
// Resource and command ids of the judgment program: its menu, the About box
// and the menu's commands.

#include "platform/ui/WinDefs.h"

namespace judge_ids {

constexpr UINT kMainResource = 128;
constexpr UINT kAboutDialog = 100;
constexpr UINT kAboutVersionText = 1000;

constexpr UINT kContributionResults = 32780;
constexpr UINT kAppExit = 57665;
constexpr UINT kMap = 65535;
constexpr UINT kMapPopup = 32777;
constexpr UINT kHideMap = 32778;
constexpr UINT kNetworkWindow = 32779;
constexpr UINT kAppAbout = 57664;
constexpr UINT kDataAuthor = 32789;
constexpr UINT kHomepage = 50201;
// The area pop-up: area n is command kFirstArea + n.
constexpr UINT kFirstArea = 11000;
constexpr UINT kLastArea = 11063;

}  // namespace judge_ids
