#pragma once
// The land sales game with construction work to give out: a 1 x 1 house
// site at (3, 3) of area 0; the players have an office in the area and a
// free director each, the computer companies neither.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LandSalesFixture.h"

class ContractsTest : public LandSalesTest {
protected:
    void SetUp() override {
        LandSalesTest::SetUp();
        const CBD& type = *doc.GetMap().GetStructureType(house);
        type.GetSize(width, height);
        cost = type.GetBasePrice();
        staff = type.GetValueFigure();
        ASSERT_LT(cost, 1000);
        ASSERT_LE(width, kX + 1);
        ASSERT_LE(height, kY + 1);
        // The players have an office in area 0 and one free director each;
        // the computer companies have none there and never bid.
        for (int c = 0; c < 4; ++c) {
            doc.GetEnterprise(c)->SetAreaLevel(0, c < 2 ? 3 : 1);
            builders.push_back(FreeDirectorOf(c));
        }
    }
    // The company's one director without a task (hired when it has none).
    int FreeDirectorOf(int c) {
        CEnterprise& company = *doc.GetEnterprise(c);
        for (int i = 0; i < company.GetDirectorCount(); ++i)
            if (!company.GetDirector(i)->HasTask()) return company.GetDirectorIndex(i);
        return HireDirector(c);
    }
    // Every cell of the house's site at (kX, kY) to owner.
    void OwnSite(int owner) {
        for (int y = kY - height + 1; y <= kY; ++y)
            for (int x = kX - width + 1; x <= kX; ++x) Own(x, y, owner);
    }
    const CPersonData& Person(int p) { return *doc.GetDirector(p); }
    int Count(const std::string& call) const {
        return static_cast<int>(std::count(report.calls.begin(), report.calls.end(), call));
    }
    std::string Site() const { return "0," + std::to_string(kX) + "," + std::to_string(kY); }

    static constexpr int kX = 3, kY = 3;
    int width = 1, height = 1, cost = 0, staff = 0;
    std::vector<int> builders;
};
