#pragma once
// One entry of a company's history: the month it happened, what happened
// (its kind) and a few kind-dependent integers. The company keeps its entries
// by value in the order they happened, stores them with itself and sends them
// to the peers packed into history records; the history text export turns
// each into a line.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class CArchive;

class CHistory {
public:
    // What happened; the parameters each kind carries are listed at its adder.
    enum Kind {
        kindNone = 0,
        kindEnteredMarket = 1,
        kindLandPurchased = 2,
        kindSalesTarget = 3,
        kindEmployeesPassed = 4,
        kindDirectorChange = 5,
        kindStrike = 6,
        kindConstructionOutsourced = 7,
        kindDisaster = 8,
        kindExhibition = 9,
        kindDonationScandal = 10,
        kindTeamTrade = 11,
        kindChampions = 12,
        kindCompanyRemoved = 13,
        kindCompanyAdded = 14,
        kindMerger = 15,
        kindLast = kindMerger,
    };

    // No stored entry carries more parameters than this; a larger count in a
    // file is bad data, not a reason to allocate.
    static constexpr int kMaxParamCount = 1024;
    // A history record carries at most this many payload bytes, counted from
    // its two entry indexes.
    static constexpr size_t kMaxPayload = 400;

    CHistory() = default;

    // The adders. Each stamps the document's current month index, sets the
    // kind and replaces the parameters. They return 1, or 0 when memory ran
    // out (the entry then keeps its month and kind and whatever parameters
    // were set).
    int SetEnteredMarket(int area);                     // area
    int SetLandPurchased(int area);                     // area
    int SetSalesTarget(int step);                       // passed (step + 1) x 1000
    int SetEmployeesPassed(int step);                   // passed (step + 1) x 1000
    int SetDirectorChange(int person, bool recruited);  // person, 0 recruited / 1 resigned
    int SetStrike(int earlierStrikes);                  // strikes before this one
    int SetConstructionOutsourced(int area, int structure);
    int SetDisaster(int area, int structure, int cause);  // 0 quake, 1 fire, 2 deteriorated
    int SetExhibition(int area, bool held);               // area, 0 held / 1 not held
    int SetDonationScandal(int area, int governor);
    int SetTeamTrade(int league, int team, bool purchased);  // ..., 0 bought / 1 sold
    int SetChampions(int league, int team, int earlierTitles);
    // Kind 13 (flag 0: a company was removed) or 14 (flag 1: a company
    // entered): one parameter per character, as a signed byte value.
    int SetCompanyName(const std::string& name, int flag);
    // Kind 15: both lengths, then the characters of each name.
    int SetMerger(const std::string& name1, const std::string& name2);

    int GetMonthIndex() const { return m_monthIndex; }
    int GetKind() const { return m_kind; }
    int GetParamCount() const { return static_cast<int>(m_params.size()); }
    // Throws std::out_of_range for an index outside 0..count-1.
    int GetParam(int i) const { return m_params.at(static_cast<size_t>(i)); }

    // Month index, kind, count and the parameters as ints. Loading refuses
    // (eMERCAVO_ERROR_CONTENTS) a negative month index, a kind outside
    // 0..15 and a count outside 0..kMaxParamCount.
    void Serialize(CArchive& ar);

    // The network text of one entry: "%05d%03d%04d" month index, kind and
    // parameter count, then each parameter as 4 raw little-endian bytes (so
    // the text holds zero bytes and is handled by length throughout). At
    // most maxParams parameters are written; see PackEntries.
    void AppendText(std::string& out, size_t maxParams = kMaxParamCount) const;
    // Reads one entry from the start of text, replacing this one, and returns
    // the number of characters it used. A text that ends early or carries a
    // negative month index, a kind outside 0..15 or a count that the text
    // cannot hold throws eMERCAVO_ERROR_CONTENTS and leaves the entry as it was.
    size_t ReadText(std::string_view text);

    // Packs entries from first on into one history record payload:
    // "%06d%06d" (first, end exclusive), then as many whole entry texts as
    // fit within kMaxPayload bytes. Returns the index to continue from, the
    // array's size when all are packed. Every call with first below the size
    // packs at least one entry, so a sender always comes to an end: an entry
    // too long for a record of its own goes with only the parameters that
    // fit.
    static size_t PackEntries(const std::vector<CHistory>& entries, size_t first,
                              std::string& payload);
    // Reads a payload of PackEntries into entries[first..end-1] of an array
    // already sized by the history count record. Throws
    // eMERCAVO_ERROR_CONTENTS when the indexes do not lie within the array
    // or an entry is bad; entries read before the fault keep their new values.
    static void ReadEntries(std::string_view payload, std::vector<CHistory>& entries);

private:
    void StampMonth(Kind kind);
    int Stamp(Kind kind, std::initializer_list<int> params);
    int StampNames(Kind kind, std::initializer_list<std::string_view> names, bool withLengths);

    int m_monthIndex = 0;
    int m_kind = kindNone;
    std::vector<int> m_params;
};
