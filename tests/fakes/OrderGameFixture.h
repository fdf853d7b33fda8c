#pragma once
// A game ready for orders, and a document seated in a network game whose
// roles and order routes come from a fake document's network flags.

#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "game/VDoc.h"

// What PrepareOrderGame gives every company of a new fixture game: two
// directors on its staff, employees, funds, debt and shares issued; company
// 1 holds shares of company 0, company 0 owns the first team of league 0,
// and every structure type i has construction figure i + 1. The document
// must be the registered one.
struct SOrderGame {
    static constexpr int kDirectorsPerCompany = 2;
    static constexpr int kEmployees = 500;
    static constexpr int kEmployeesAtWork = 300;
    static constexpr int kFunds = 5000;
    static constexpr int kDebt = 1000;
    static constexpr int kRelation = 1000;
    static constexpr int kHeldShares = 10;
    // The persons on each company's staff, by company.
    std::vector<std::vector<int>> staff;
    int Director(int company, int i = 0) const {
        return staff.at(static_cast<size_t>(company)).at(static_cast<size_t>(i));
    }
};
SOrderGame PrepareOrderGame(CVDoc& doc);

// A whole fixture game (the data files written to a folder of its own,
// three companies, company 0 human) prepared for orders and saved; empty
// when it could not be made.
std::vector<uint8_t> MakeOrderGameBytes(const std::string& folder);

// A document at a seat of a network game: whether it plays in one, hosts
// it, which companies are played here, and the orders it keeps or sends go
// to the fake's flags and lists.
class CNetworkSeatDoc : public CVDoc {
public:
    explicit CNetworkSeatDoc(CFakeDocService& seat) : m_seat(seat) {}
    bool IsNetworkGame() override { return m_seat.networkGame; }
    bool IsNetworkHost() override { return m_seat.networkGame && m_seat.networkHost; }
    bool IsLocallyPlayed(int company) override { return m_seat.IsLocallyPlayed(company); }
    void StorePlayerCmdSet(const CCmdSet& order) override { m_seat.StorePlayerCmdSet(order); }
    void SendCmdSet(const CCmdSet& order, int company) override {
        m_seat.SendCmdSet(order, company);
    }

private:
    CFakeDocService& m_seat;
};
