#pragma once
// A company's stored form written field by field, independently of the
// record's own writer, so that tests can damage one field at a time.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/Archive.h"

struct SStoredCompany {
    int networkId = 2, nameSlot = 5, areaCount = 2, number = 1, color = 7;
    int strike = 1, strikeMonth = 30, previousStrikeMonth = 12;
    int nameLength = -1;  // -1: the name's own length
    std::string name = "Orbis Holdings";
    std::string presidentName = "Ada Kern";
    int president = 4, funds = 1234, debt = 300, salary = 12, fixedTotal = 900, fixedFlag = 1;
    int advertising = 45, employees = 2500, atWork = 2400, morale = -20;
    std::vector<int> directors{3, 8, 11};
    std::array<int, 9> leagues{1, 2, 300, 0, 0, 0, 4, 1, 77};
    int key1 = 3, direction1 = -1, key2 = 0, direction2 = 1;
    std::array<int, 10> slots1{-1, 0, 1, 2, 3, 4, 5, 6, 7, -1};
    std::array<int, 7> slots2{9, -1, -1, -1, -1, -1, 2};
    int adviser = 8, adviserAbility = 420, adviceThreshold = 1700;
    std::vector<int> pastSales{100, 250};
    std::vector<int> pastProfit{-40, 60};
    int monthValue = 5;  // month m's entries are m + monthValue ...
    int badExpense = 0;  // ... except month 3's expense when not 0
    int badFigure = 0;   // ... and month 4's figure series 2 when not 0
    int sanction = 6, strikeCount = 2, stockPrice = 88, moraleTotal = -150;
    int areaEffect = 120;  // effect 3 of area 1
    std::array<int, 6> contract{2, 1, 4, 5, 9, 700};
    std::array<int, 5> lotSale{-2, 0, 3, 3, 0};
    // The plan: a land purchase step then a construction; blockCounts are
    // the counts of the seven blocks.
    std::array<int, 7> blockCounts{2, 2, 2, 2, 2, 2, 2};
    int planKind = 3;
    int adviceKind = 5;
    int historyCount = 1;

    std::vector<uint8_t> Bytes() const {
        CMemoryStream stream;
        CArchive ar(stream, CArchive::store);
        Write(ar);
        return stream.Bytes();
    }

    void Write(CArchive& ar) const {
        for (int v : {networkId, nameSlot, areaCount, number, color}) ar.WriteInt(v);
        ar.WriteByte(static_cast<uint8_t>(strike));
        ar.WriteInt(strikeMonth);
        ar.WriteInt(previousStrikeMonth);
        WriteName(ar, name, nameLength);
        WriteName(ar, presidentName, -1);
        for (int v : {president, funds, debt, salary, fixedTotal}) ar.WriteInt(v);
        ar.WriteByte(static_cast<uint8_t>(fixedFlag));
        for (int v : {advertising, employees, atWork, morale}) ar.WriteInt(v);
        WriteList(ar, directors);
        for (int v : leagues) ar.WriteInt(v);
        ar.WriteInt(key1);
        ar.WriteInt(direction1);
        for (int v : slots1) ar.WriteInt(v);
        ar.WriteInt(key2);
        ar.WriteInt(direction2);
        for (int v : slots2) ar.WriteInt(v);
        for (int v : {adviser, adviserAbility, adviceThreshold}) ar.WriteInt(v);
        WriteList(ar, pastSales);
        WriteList(ar, pastProfit);
        WriteMonths(ar);
        for (int v : {sanction, strikeCount, stockPrice, moraleTotal}) ar.WriteInt(v);
        for (int a = 0; a <= 2; ++a) WriteArea(ar, a);
        for (int v : contract) ar.WriteInt(v);
        for (int v : lotSale) ar.WriteInt(v);
        WritePlans(ar);
        WriteAdvice(ar);
        WriteHistory(ar);
        const std::array<uint8_t, 64> reserved{};
        ar.Write(reserved.data(), reserved.size());
    }

    static void WriteName(CArchive& ar, const std::string& text, int length) {
        ar.WriteInt(length == -1 ? static_cast<int>(text.size()) : length);
        ar.Write(text.c_str(), text.size() + 1);
    }
    static void WriteList(CArchive& ar, const std::vector<int>& list) {
        ar.WriteInt(static_cast<int>(list.size()));
        for (int v : list) ar.WriteInt(v);
    }
    void WriteMonths(CArchive& ar) const {
        for (int m = 0; m < 12; ++m) {
            ar.WriteInt(m + monthValue);         // sales
            ar.WriteInt(-(m + monthValue));      // profit
            ar.WriteInt(10 * (m + monthValue));  // income
            ar.WriteInt(m == 3 && badExpense ? badExpense : m + 1);
            for (int j = 0; j < 4; ++j)
                ar.WriteInt(m == 4 && j == 2 && badFigure ? badFigure : j + m);
        }
    }
    void WriteArea(CArchive& ar, int element) const {
        int e = element;
        for (int v : {150 + e, e == 0 ? 1 : e, 3 * e, e, e, 10 * e}) ar.WriteInt(v);
        for (int w = 1; w <= 6; ++w) ar.WriteInt(e == 2 && w == 3 ? areaEffect : w - e);
        for (int j = 0; j < 4; ++j) {
            ar.WriteInt(j + e);    // investment
            ar.WriteInt(100 * j);  // rating
            ar.WriteInt(e * j);    // month figure
        }
    }
    void WritePlans(CArchive& ar) const {
        ar.WriteInt(1);
        ar.WriteInt(2);  // plan type
        ar.WriteInt(4);  // age
        auto block = [&](int b, std::array<int, 2> values) {
            ar.WriteInt(blockCounts[b]);
            for (int v : values) ar.WriteInt(v);
        };
        block(0, {1, planKind});
        block(1, {-1, 8});
        block(2, {-1, 17});
        block(3, {1, 1});
        ar.WriteInt(blockCounts[4]);
        for (int v : {3, 4, 4, 5}) ar.WriteInt(v);
        block(5, {1, 1});
        block(6, {1, 0});
    }
    void WriteAdvice(CArchive& ar) const {
        ar.WriteInt(1);
        for (int v : {adviceKind, 1, 4, 5, 0, 2, 3}) ar.WriteInt(v);
        ar.WriteByte(1);
    }
    void WriteHistory(CArchive& ar) const {
        ar.WriteInt(historyCount);
        if (historyCount <= 0 || historyCount > 1000) return;
        for (int i = 0; i < historyCount; ++i)
            for (int v : {29, 13, 3, int{'A'}, int{'b'}, int{'c'}}) ar.WriteInt(v);
    }
};
