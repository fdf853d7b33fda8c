#pragma once
// Resource and command ids of the game program: the menu, its commands, the
// strings and the dialogs that the shell's tables define.

#include "platform/ui/WinDefs.h"

namespace mercavo_ids {

// Menu, accelerators, document string and the frame's tables.
constexpr UINT kMainResource = 100;
constexpr UINT kTitleString = 200;
constexpr UINT kAboutDialog = 500;
constexpr UINT kAllFilesFilter = 61442;

// Status texts of the map interaction modes.
constexpr UINT kModeNone = 50000;
constexpr UINT kModePurchase = 50010;
constexpr UINT kModeConstruction = 50020;
constexpr UINT kModeReinforce = 50030;
constexpr UINT kModeBaseballStadium = 50040;
constexpr UINT kModeStadium = 50041;
constexpr UINT kModeEscape = 50100;
constexpr UINT kModeProsperity = 50101;
constexpr UINT kModeSell = 50110;

// File and application commands.
constexpr UINT kFileNew = 57600;
constexpr UINT kFileOpen = 57601;
constexpr UINT kFileSave = 57603;
constexpr UINT kFileSaveAs = 57604;
constexpr UINT kRecentFile1 = 57616;
constexpr UINT kAppAbout = 57664;
constexpr UINT kAppExit = 57665;
constexpr UINT kHelpTopics = 57667;
constexpr UINT kHelpContext = 57669;
constexpr UINT kHelpF1 = 57670;
constexpr UINT kHelpIndex = 57671;
constexpr UINT kEditCopy = 57634;
constexpr UINT kEditCut = 57635;
constexpr UINT kEditPaste = 57637;
constexpr UINT kEditUndo = 57643;
constexpr UINT kNextPane = 57680;
constexpr UINT kPrevPane = 57681;

// View commands.
constexpr UINT kShowAcquired = 32773;
constexpr UINT kPortfolio = 32793;
constexpr UINT kPartialMap = 32785;
constexpr UINT kZoom50 = 32796;
constexpr UINT kZoom75 = 32797;
constexpr UINT kZoom100 = 32798;
constexpr UINT kZoom125 = 32800;
constexpr UINT kZoom150 = 32801;
constexpr UINT kZoom200 = 32802;
constexpr UINT kViewNorth = 40010;
constexpr UINT kViewEast = 40011;
constexpr UINT kViewSouth = 40012;
constexpr UINT kViewWest = 40013;
constexpr UINT kNetworkWindow = 32804;
constexpr UINT kViewToolbar = 32772;
constexpr UINT kViewStatusBar = 59393;

// Orders.
constexpr UINT kPurchaseDesignated = 45020;
constexpr UINT kAcquireLand = 45021;
constexpr UINT kSellRealEstate = 40021;
constexpr UINT kPurchaseStock = 40080;
constexpr UINT kSellStock = 40081;
constexpr UINT kPurchaseTeam = 32782;
constexpr UINT kSellTeam = 32783;
constexpr UINT kConstruction = 40022;
constexpr UINT kDemolition = 40023;
constexpr UINT kReinforce = 32780;
constexpr UINT kSalary = 40060;
constexpr UINT kRecruitEmployees = 40030;
constexpr UINT kRecruitManagement = 40031;
constexpr UINT kHeadhunting = 40032;
constexpr UINT kAbandonProject = 32790;
constexpr UINT kLayoff = 32791;
constexpr UINT kAdvertising = 40040;
constexpr UINT kAdvertisingCost = 40041;
constexpr UINT kLoan = 40050;
constexpr UINT kRepayLoan = 40051;
constexpr UINT kAdvice = 40090;
constexpr UINT kInvestment = 40070;
constexpr UINT kScore = 32784;
constexpr UINT kFinancialSupport = 32786;
constexpr UINT kChangeHomeField = 32787;
constexpr UINT kOptions = 32781;
constexpr UINT kEndOperations = 40200;

// Help menu.
constexpr UINT kGettingStarted = 32805;
constexpr UINT kDataAuthor = 32789;
constexpr UINT kHomepage = 50201;
constexpr UINT kChatRoom = 50202;

// Reached by accelerators only.
constexpr UINT kProsperityDisplay = 32774;
constexpr UINT kCursorToCentre = 32788;
constexpr UINT kHistoryTexts = 32792;

// The context menu of the map's floating windows: back to the initial size.
constexpr UINT kInitialSize = 32775;

// The status bar's child id and the About dialog's text.
constexpr UINT kStatusBarId = 59393;
constexpr int kAboutVersionText = 1001;

// The report box: its template and its custom controls (the company or
// person panel, the text, the building or fixed picture, the face).
constexpr UINT kReportBoxDialog = 360;
constexpr int kReportBoxPanel = 620;
constexpr int kReportBoxText = 721;
constexpr int kReportBoxPicture = 740;
constexpr int kReportBoxFace = 700;

}  // namespace mercavo_ids
