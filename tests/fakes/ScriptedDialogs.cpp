#include "fakes/ScriptedDialogs.h"

namespace {
std::string Join(const std::string& name, const std::vector<int>& values) {
    std::string text;
    for (int v : values) text += (text.empty() ? "" : ",") + std::to_string(v);
    return name + "(" + text + ")";
}
}  // namespace

SDialogAnswer CScriptedDialogService::Record(const std::string& call) {
    calls.push_back(call);
    return Next(answers);
}

SPersonAnswer CScriptedDialogService::SelectPerson(const SPersonDialog& dialog) {
    calls.push_back(Join("SelectPerson",
                         {dialog.company, dialog.dialogValue, dialog.mode, dialog.listFlag}));
    personDialogs.push_back(dialog);
    return Next(personAnswers);
}

SDialogAnswer CScriptedDialogService::ConfirmBuyMap(const SBuyMapDialog& dialog) {
    texts.push_back(dialog.text);
    return Record(Join("ConfirmBuyMap", {dialog.director}));
}

SDialogAnswer CScriptedDialogService::InputDebt(int funds, int debt) {
    return Record(Join("InputDebt", {funds, debt}));
}

SDialogAnswer CScriptedDialogService::InputPublicityCampaign(const std::string& areaName,
                                                             int funds) {
    texts.push_back(areaName);
    return Record(Join("InputPublicityCampaign", {funds}));
}

SDialogAnswer CScriptedDialogService::InputSaleStocks(int company) {
    return Record(Join("InputSaleStocks", {company}));
}

SDialogAnswer CScriptedDialogService::ShowLeagues(const SLeagueDialog& dialog) {
    return Record(
        Join("ShowLeagues", {dialog.mode, dialog.league, dialog.funds, dialog.frameNotify}));
}

SDialogAnswer CScriptedDialogService::SelectProTeam(const SProTeamDialog& dialog) {
    std::vector<int> values{dialog.mode};
    for (const auto& [league, team] : dialog.teams) {
        values.push_back(league);
        values.push_back(team);
    }
    return Record(Join("SelectProTeam", values));
}

SDialogAnswer CScriptedDialogService::InputLayoff(int company) {
    return Record(Join("InputLayoff", {company}));
}

SPropertyAnswer CScriptedDialogService::ShowProperties(const SPropertyDialog& dialog) {
    std::vector<int> values{dialog.selectMode};
    for (const CPropertyData& row : dialog.rows) {
        values.push_back(row.GetCell().x);
        values.push_back(row.GetCell().y);
    }
    calls.push_back(Join("ShowProperties", values));
    return Next(propertyAnswers);
}

SDialogAnswer CScriptedDialogService::InputInvestment(int area) {
    return Record(Join("InputInvestment", {area}));
}

SSaleMethodAnswer CScriptedDialogService::InputSaleMethod(const SSaleMethodDialog& dialog) {
    std::vector<int> values{dialog.company, dialog.standardPrice};
    for (const auto& [company, value] : dialog.rowValues) {
        values.push_back(company);
        values.push_back(value);
    }
    calls.push_back(Join("InputSaleMethod", values));
    return Next(saleAnswers);
}
