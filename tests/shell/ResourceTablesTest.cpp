// The game program's resource tables: menu 100, the prompts, the
// accelerators, the strings and the About dialog.

#include <gtest/gtest.h>

#include <set>

#include "platform/ui/Messages.h"
#include "platform/ui/Styles.h"
#include "platform/ui/StringTable.h"
#include "resources/CommandTable.h"
#include "resources/MercavoIds.h"
#include "resources/MercavoResources.h"

namespace {

using namespace mercavo_resources;

void CollectIds(const std::vector<MENUITEMDEF>& items, std::vector<UINT>& ids) {
    for (const MENUITEMDEF& item : items) {
        if (item.flags & MF_POPUP) {
            CollectIds(item.items, ids);
        } else if (!(item.flags & MF_SEPARATOR)) {
            ids.push_back(item.id);
        }
    }
}

TEST(ResourceTablesTest, TheMenuHoldsEveryCommandOnceWithHelpLast) {
    const MENUTEMPLATE& menu = MainMenu();
    EXPECT_EQ(menu.id, 100u);
    ASSERT_FALSE(menu.items.empty());
    EXPECT_STREQ(menu.items.back().text, "&Help");
    EXPECT_TRUE(menu.items.back().flags & MF_POPUP);
    // "End Operations" is an item of the bar itself, just before Help.
    const MENUITEMDEF& end = menu.items[menu.items.size() - 2];
    EXPECT_EQ(end.id, mercavo_ids::kEndOperations);
    EXPECT_STREQ(end.text, "&End Operations ");

    std::vector<UINT> ids;
    CollectIds(menu.items, ids);
    std::multiset<UINT> seen(ids.begin(), ids.end());
    for (const SCommand& c : Commands()) {
        EXPECT_EQ(seen.count(c.id), 1u) << c.id;
    }
    EXPECT_EQ(ids.size(), Commands().size());
}

TEST(ResourceTablesTest, EveryCommandHasItsPromptTwice) {
    Register();
    struct Case {
        UINT id;
        const char* prompt;
    };
    const Case cases[] = {
        {mercavo_ids::kFileOpen, "Open"},
        {mercavo_ids::kRecentFile1, "Open this data file"},
        {mercavo_ids::kAppExit, "Exit MERCAVO"},
        {mercavo_ids::kEndOperations, "Operation end"},
        {mercavo_ids::kHelpTopics, "Help Topics"},
        {mercavo_ids::kShowAcquired, "Display Aquired Real Estate"},
        {mercavo_ids::kZoom50, "50%(1)"},
        {mercavo_ids::kNetworkWindow, "Network Window"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(CStringTable::Prompt(c.id), c.prompt);
        EXPECT_EQ(CStringTable::ToolTip(c.id), c.prompt);
    }
    for (const SCommand& c : Commands()) {
        EXPECT_NE(CStringTable::Get(c.id).find('\n'), std::string::npos) << c.id;
    }
}

TEST(ResourceTablesTest, FixedStrings) {
    Register();
    struct Case {
        UINT id;
        const char* text;
    };
    const Case cases[] = {
        {200, "MERCAVO"},
        {61442, "All Files (*.*)"},
        {50000, "Please follow operation instructions."},
        {50100, "Press ESC key to quit."},
        {50101, "During the prosperity data display"},
        {50010, "Please click desired land or building to purchase."},
        {50110, "Please click the real estate to sell."},
        {50020, "Please click the land to build on."},
        {50030, "Please click the building to reinforce."},
        {50040, "Please select your home baseball stadium."},
        {50041, "Please select your home stadium."},
        {100, "MERCAVO\nData\nMERCAVO\nMERCAVO Data File(*.mqd)\n.mqd\nMERCAVO.Document\n"
              "MERCAVO Document"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(CStringTable::Get(c.id), c.text);
    }
}

TEST(ResourceTablesTest, AcceleratorsGiveTheirCommands) {
    struct Case {
        UINT vk;
        bool shift, control, alt;
        UINT command;
    };
    const Case cases[] = {
        {'A', false, true, false, 32774},   {'C', false, true, false, 57634},
        {VK_INSERT, false, true, false, 57634}, {'H', false, true, false, 32792},
        {'N', false, true, false, 57600},   {'O', false, true, false, 57601},
        {'Q', false, true, false, 40200},   {'S', false, true, false, 57603},
        {'V', false, true, false, 57637},   {VK_INSERT, true, false, false, 57637},
        {'X', false, true, false, 57635},   {VK_DELETE, true, false, false, 57635},
        {'Z', false, true, false, 57643},   {VK_BACK, false, false, true, 57643},
        {VK_LEFT, true, false, false, 32788}, {VK_UP, true, false, false, 32788},
        {VK_RIGHT, true, false, false, 32788}, {VK_DOWN, true, false, false, 32788},
        {VK_F1, false, false, false, 57670}, {VK_F1, true, false, false, 57669},
        {VK_F1 + 1, false, false, false, 32804}, {VK_F1 + 5, false, false, false, 57680},
        {VK_F1 + 5, true, false, false, 57681},
        // Keys without a shortcut.
        {'O', false, false, false, 0},      {VK_LEFT, false, false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vk << " " << c.shift << c.control << c.alt);
        EXPECT_EQ(Accelerators().Find(c.vk, c.shift, c.control, c.alt), c.command);
    }
}

TEST(ResourceTablesTest, TheAboutBoxShowsTheVersionAndOk) {
    const DIALOGTEMPLATE& about = AboutDialog();
    EXPECT_EQ(about.id, 500);
    ASSERT_EQ(about.items.size(), 2u);
    EXPECT_STREQ(about.items[0].text, "MERCAVO Ver5.03(English edition)");
    EXPECT_EQ(about.items[1].id, IDOK);
    EXPECT_STREQ(about.items[1].text, "OK");
}

}  // namespace
