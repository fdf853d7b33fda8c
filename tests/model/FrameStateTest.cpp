#include "model/FrameState.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

struct SPeerFields {
    int id = 4, company = 1, ready = 0;
    std::string player = "Rin", companyName = "Aster Holdings";
    int colour = 3;
    std::string login = "login";
    int role = 3, self = 1;
    std::string code = "X7";
};

std::vector<uint8_t> Block(const std::vector<SPeerFields>& peers, std::array<int, 4> flags,
                           const std::string& name = "Host Player") {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    ar.WriteInt(static_cast<int>(peers.size()));
    for (const SPeerFields& p : peers) {
        for (int v : {p.id, p.company, p.ready}) ar.WriteInt(v);
        ar.WriteString(p.player);
        ar.WriteString(p.companyName);
        ar.WriteInt(p.colour);
        ar.WriteString(p.login);
        ar.WriteInt(p.role);
        ar.WriteInt(p.self);
        ar.WriteString(p.code);
    }
    for (int v : flags) ar.WriteInt(v);
    ar.WriteString(name);
    return stream.Bytes();
}

CFrameState Load(const std::vector<uint8_t>& bytes) {
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    CFrameState state;
    state.Serialize(ar);
    return state;
}

TEST(FrameStateTest, LoadRepairsRolesReadinessAndSessionState) {
    SPeerFields second;
    second.id = 9;
    second.role = 2;
    second.self = 0;
    CFrameState state = Load(Block({SPeerFields{}, second}, {1, 1, 0, 7}));
    ASSERT_EQ(state.GetPeers().size(), 2u);
    EXPECT_EQ(state.GetPeers()[1].state, 4);
    EXPECT_EQ(state.GetRole4Count(), 1);
    EXPECT_EQ(state.GetNextPlayerId(), 10);
    EXPECT_EQ(state.GetPeers()[0].readyFlag, 1);
    EXPECT_EQ(state.GetPeers()[0].connectionNumber, -1);
    EXPECT_EQ(state.GetPeers()[0].companyName, "Aster Holdings");
    EXPECT_EQ(state.GetSessionState(), CFrameState::kLoadedSessionState);
    EXPECT_EQ(state.IsNetworkHost(), 1);
    EXPECT_EQ(state.GetPlayerName(), "Host Player");

    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    state.Serialize(ar);
    EXPECT_EQ(Load(stream.Bytes()).GetPeers(), state.GetPeers());
}

struct SBadBlock {
    const char* name;
    std::function<void(SPeerFields&, std::array<int, 4>&)> damage;
};

class FrameStateCheckTest : public ::testing::TestWithParam<SBadBlock> {};

TEST_P(FrameStateCheckTest, FailsWithContentsErrorAndKeepsTheOldState) {
    SPeerFields peer;
    std::array<int, 4> flags{0, 0, 0, 0};
    GetParam().damage(peer, flags);
    CFrameState state = Load(Block({SPeerFields{}}, {1, 0, 1, 3}, "Kept"));
    CMemoryStream stream(Block({peer}, flags));
    CArchive ar(stream, CArchive::load);
    try {
        state.Serialize(ar);
        FAIL() << "loaded";
    } catch (eMERCAVO_ERROR e) {
        EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS);
    }
    EXPECT_EQ(state.GetPlayerName(), "Kept");
    EXPECT_EQ(state.IsObserver(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    FrameState, FrameStateCheckTest,
    ::testing::Values(SBadBlock{"PlayerId", [](auto& p, auto&) { p.id = -2; }},
                      SBadBlock{"Company", [](auto& p, auto&) { p.company = -2; }},
                      SBadBlock{"Ready", [](auto& p, auto&) { p.ready = 2; }},
                      SBadBlock{"Colour", [](auto& p, auto&) { p.colour = -2; }},
                      SBadBlock{"ColourPastTheTable", [](auto& p, auto&) { p.colour = 32; }},
                      SBadBlock{"Role", [](auto& p, auto&) { p.role = 5; }},
                      SBadBlock{"Self", [](auto& p, auto&) { p.self = 2; }},
                      SBadBlock{"NetworkFlag", [](auto&, auto& f) { f[0] = 2; }},
                      SBadBlock{"HostFlag", [](auto&, auto& f) { f[1] = -1; }},
                      SBadBlock{"ObserverFlag", [](auto&, auto& f) { f[2] = 2; }},
                      SBadBlock{"SessionState", [](auto&, auto& f) { f[3] = -1; }}),
    [](const auto& info) { return info.param.name; });

TEST(FrameStateTest, APeerCountBeyondTheDataIsRefusedBeforeSizing) {
    std::vector<uint8_t> bytes = Block({}, {0, 0, 0, 0});
    bytes[3] = 0x10;  // 268 million peers
    EXPECT_THROW(Load(bytes), eMERCAVO_ERROR);
    bytes = Block({SPeerFields{}}, {0, 0, 0, 0});
    bytes.resize(bytes.size() - 3);
    EXPECT_THROW(Load(bytes), CArchiveException);
}

TEST(FrameStateTest, MorePeersThanAnyGameAdmitsAreRefusedWhateverTheDataHolds) {
    // Every entry carries its channels' buffers when loaded.
    const std::vector<SPeerFields> most(CFrameState::kMaxPeers);
    EXPECT_EQ(Load(Block(most, {1, 1, 0, 0})).GetPeers().size(),
              static_cast<size_t>(CFrameState::kMaxPeers));
    std::vector<SPeerFields> tooMany = most;
    tooMany.emplace_back();
    try {
        Load(Block(tooMany, {1, 1, 0, 0}));
        FAIL() << "loaded";
    } catch (eMERCAVO_ERROR e) {
        EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS);
    }
}

}  // namespace
