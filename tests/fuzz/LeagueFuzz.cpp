// The league's stored form and its three network records read from arbitrary
// bytes. First byte 0: a stored league. Otherwise the rest is a list of
// texts separated by newlines, each led by a character that picks the reader
// (header, pair flags, teams); after every text the league must still be
// whole enough to play a month, price its teams and send itself.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/League.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {
const CHomeFieldBounds kBounds{8, 32, 32};

void Exercise(CLeague& league) {
    int n = league.GetTeamCount();
    int pairs = league.GetPairCount();
    if (pairs != 0 && static_cast<int64_t>(pairs) != int64_t(n) * (n - 1) / 2) __builtin_trap();
    for (int i = 0; i < n; ++i) league.GetTeamPrice(i);
    league.IsInSeason(5);
    int tookPart = 0;
    league.PlaySeasonMonth(tookPart);
    for (const std::string& record : league.BuildRecords(0))
        if (record.size() > 511) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    CLeague league;
    league.SetHomeFieldBounds(kBounds);
    if (data[0] == 0) {
        CMemoryStream stream(std::vector<uint8_t>(data + 1, data + size));
        CArchive ar(stream, CArchive::load);
        try {
            league.Serialize(ar);
        } catch (const CArchiveException&) {
            return 0;
        } catch (eMERCAVO_ERROR) {
            return 0;
        }
        if (league.GetTeamCount() > 40) return 0;  // a long season says nothing new
        Exercise(league);
        return 0;
    }
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    while (!rest.empty()) {
        size_t end = rest.find('\n');
        std::string_view text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (text.empty()) continue;
        std::string_view fields = text.substr(1);
        switch (text[0] % 3) {
            case 0:
                league.ReadLeagueHeader(fields);
                break;
            case 1:
                league.ReadPairFlags(fields);
                break;
            default:
                league.ReadTeams(fields);
                break;
        }
        if (league.GetTeamCount() <= 40) Exercise(league);
    }
    return 0;
}
