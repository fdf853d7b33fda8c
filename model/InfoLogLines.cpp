#include "model/InfoLogLines.h"

#include "platform/core/TextFormat.h"

std::string CInfoLogLines::StockWord(int count) {
    return count > 1 ? "stocks" : "stock";
}

std::string CInfoLogLines::ProjectHead(const std::string& director, int months) {
    return FormatText("    %s headed the %d month project.", director.c_str(), months);
}

std::string CInfoLogLines::CompanyProjectHead(const std::string& company,
                                              const std::string& director, int months) {
    return FormatText("    %s's %s headed the %d month project.", company.c_str(),
                      director.c_str(), months);
}

std::string CInfoLogLines::SalariesChanged() {
    return "  All employee salaries changed.";
}

std::string CInfoLogLines::SalaryChanged(const std::string& director, int salary) {
    return FormatText("  %s's salary changed to %d.", director.c_str(), salary);
}

std::string CInfoLogLines::AdvertisingChanged() {
    return "  The advertising budget changed.";
}

std::string CInfoLogLines::Recruited(const std::string& person) {
    return FormatText("  Recruited %s.", person.c_str());
}

std::string CInfoLogLines::Headhunted(const std::string& company, const std::string& person,
                                      const std::string& from) {
    return FormatText("%s successfully headhunted %s from %s.", company.c_str(), person.c_str(),
                      from.c_str());
}

std::string CInfoLogLines::OwnStockPurchase(int count, const std::string& company) {
    return FormatText("  %d %s %s purchased.", count, company.c_str(), StockWord(count).c_str());
}

std::string CInfoLogLines::StockPurchase(const std::string& buyer, const std::string& company,
                                         int count) {
    return FormatText("%s purchased %s %d %s.", buyer.c_str(), company.c_str(), count,
                      StockWord(count).c_str());
}

std::string CInfoLogLines::Strike(const std::string& company) {
    return FormatText("%s is on strike.", company.c_str());
}

std::string CInfoLogLines::LeaguePopularity(int league, bool rose) {
    return FormatText("Professional league %d's popularity ", league + 1) +
           (rose ? "rose sharply." : "dropped sharply.");
}
