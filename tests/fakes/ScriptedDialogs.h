#pragma once
// The order dialogs of the player's commands with scripted answers: each
// call is recorded with what the dialog was given, and answered with the
// next scripted answer of its kind; a dialog without one is cancelled.

#include <deque>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"

class CScriptedDialogService : public CFakeDialogService {
public:
    // Recorded as "SelectPerson(company,dialogValue,mode,listFlag)", the
    // dialog itself in personDialogs.
    SPersonAnswer SelectPerson(const SPersonDialog& dialog) override;
    // "ConfirmBuyMap(director)", the text in texts.
    SDialogAnswer ConfirmBuyMap(const SBuyMapDialog& dialog) override;
    // "InputDebt(funds,debt)".
    SDialogAnswer InputDebt(int funds, int debt) override;
    // "InputPublicityCampaign(funds)", the area name in texts.
    SDialogAnswer InputPublicityCampaign(const std::string& areaName, int funds) override;
    // "InputSaleStocks(company)".
    SDialogAnswer InputSaleStocks(int company) override;
    // "ShowLeagues(mode,league,funds,frameNotify)".
    SDialogAnswer ShowLeagues(const SLeagueDialog& dialog) override;
    // "SelectProTeam(mode,league,team,...)".
    SDialogAnswer SelectProTeam(const SProTeamDialog& dialog) override;
    // "InputLayoff(company)".
    SDialogAnswer InputLayoff(int company) override;
    // "ShowProperties(selectMode,x,y,...)" with each row's cell.
    SPropertyAnswer ShowProperties(const SPropertyDialog& dialog) override;
    // "InputInvestment(area)".
    SDialogAnswer InputInvestment(int area) override;
    // "InputSaleMethod(company,standardPrice,company,value,...)".
    SSaleMethodAnswer InputSaleMethod(const SSaleMethodDialog& dialog) override;

    // The answers, in order. Every dialog answered with SDialogAnswer takes
    // the next of answers.
    std::deque<SPersonAnswer> personAnswers;
    std::deque<SDialogAnswer> answers;
    std::deque<SPropertyAnswer> propertyAnswers;
    std::deque<SSaleMethodAnswer> saleAnswers;

    std::vector<SPersonDialog> personDialogs;
    std::vector<std::string> texts;

private:
    template <typename T>
    static T Next(std::deque<T>& queue) {
        if (queue.empty()) return T{};
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
    SDialogAnswer Record(const std::string& call);
};
