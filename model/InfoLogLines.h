#pragma once
// The standard lines of the month's report in the information window's
// message log, word for word: the rules write them as their events happen
// and the information window's report operations write the same ones, so
// each line has its one format here. The indent tells the heading's
// company lines (two spaces) from the director's project lines (four).

#include <string>

class CInfoLogLines {
public:
    // "stock", with "s" for a count above 1.
    static std::string StockWord(int count);
    // "    <director> headed the <months> month project."
    static std::string ProjectHead(const std::string& director, int months);
    // "    <company>'s <director> headed the <months> month project."
    static std::string CompanyProjectHead(const std::string& company, const std::string& director,
                                          int months);
    static std::string SalariesChanged();
    // "  <director>'s salary changed to <salary>."
    static std::string SalaryChanged(const std::string& director, int salary);
    static std::string AdvertisingChanged();
    // "  Recruited <person>."
    static std::string Recruited(const std::string& person);
    // "<company> successfully headhunted <person> from <from>."
    static std::string Headhunted(const std::string& company, const std::string& person,
                                  const std::string& from);
    // The buyer's own line under its heading: "  <count> <company> stock(s) purchased."
    static std::string OwnStockPurchase(int count, const std::string& company);
    // Another company's purchase: "<buyer> purchased <company> <count> stock(s)."
    static std::string StockPurchase(const std::string& buyer, const std::string& company,
                                     int count);
    // "<company> is on strike."
    static std::string Strike(const std::string& company);
    // "Professional league <league + 1>'s popularity rose sharply." (or
    // "dropped sharply."); league counts from 0.
    static std::string LeaguePopularity(int league, bool rose);
};
