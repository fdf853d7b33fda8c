#pragma once
// The catalogue of the orders a company gives: the order type is the first
// field of an order record (CCmdSet) and fixes what its four lists hold.

enum eORDER_TYPE {
    eORDER_DESIGNATED_PURCHASE = 1,
    eORDER_ACQUIRE_LAND = 2,
    eORDER_LOT_SALE = 3,
    eORDER_PURCHASE_STOCK = 4,
    eORDER_SELL_STOCK = 5,
    eORDER_ACQUIRE_TEAM = 6,
    eORDER_SELL_TEAM = 7,
    eORDER_CONSTRUCTION = 8,
    eORDER_CONTRACT = 9,
    eORDER_REINFORCE = 10,
    eORDER_SALARY = 11,
    eORDER_RECRUIT_EMPLOYEES = 12,
    eORDER_RECRUIT_MANAGEMENT = 13,
    eORDER_HEADHUNTING = 14,
    eORDER_ABANDON = 15,
    eORDER_LAYOFF = 16,
    eORDER_ADVERTISING = 17,
    eORDER_ADVERTISING_COST = 18,
    eORDER_LOAN = 19,
    eORDER_REPAY_LOAN = 20,
    eORDER_INVESTMENT = 21,
    eORDER_TEAM_SUPPORT = 22,
    eORDER_HOME_FIELD = 23,
    eORDER_FIRST = eORDER_DESIGNATED_PURCHASE,
    eORDER_LAST = eORDER_HOME_FIELD
};
