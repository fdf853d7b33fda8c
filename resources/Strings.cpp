// The string table: the frame's title, the file filter, the status texts of
// the map interaction modes, the document string and every command's prompt
// ("prompt\ntool tip").

#include <string>

#include "resources/CommandTable.h"
#include "resources/MercavoIds.h"
#include "resources/MercavoResources.h"

namespace mercavo_resources {

namespace {

using namespace mercavo_ids;

const std::vector<SStringEntry> kFixedStrings = {
    {kMainResource,
     "MERCAVO\nData\nMERCAVO\nMERCAVO Data File(*.mqd)\n.mqd\nMERCAVO.Document\nMERCAVO Document"},
    {kTitleString, "MERCAVO"},
    {kAllFilesFilter, "All Files (*.*)"},
    {kModeNone, "Please follow operation instructions."},
    {kModePurchase, "Please click desired land or building to purchase."},
    {kModeConstruction, "Please click the land to build on."},
    {kModeReinforce, "Please click the building to reinforce."},
    {kModeBaseballStadium, "Please select your home baseball stadium."},
    {kModeStadium, "Please select your home stadium."},
    {kModeEscape, "Press ESC key to quit."},
    {kModeProsperity, "During the prosperity data display"},
    {kModeSell, "Please click the real estate to sell."},
    {kInitialSize, "Initial size"},
};

// The menu entry as a person reads it: without '&' marks and without the
// key after the tab.
std::string PlainMenuText(const char* text) {
    std::string out;
    for (const char* p = text; *p && *p != '\t'; ++p) {
        if (*p != '&') out += *p;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::vector<std::string> BuildPrompts() {
    std::vector<std::string> prompts;
    for (const SCommand& c : Commands()) {
        const std::string prompt = c.prompt ? c.prompt : PlainMenuText(c.menuText);
        prompts.push_back(prompt + "\n" + prompt);
    }
    return prompts;
}

std::vector<SStringEntry> BuildStrings() {
    static const std::vector<std::string> prompts = BuildPrompts();
    std::vector<SStringEntry> strings = kFixedStrings;
    for (size_t i = 0; i < Commands().size(); ++i) {
        strings.push_back({Commands()[i].id, prompts[i].c_str()});
    }
    return strings;
}

}  // namespace

const std::vector<SStringEntry>& Strings() {
    static const std::vector<SStringEntry> strings = BuildStrings();
    return strings;
}

}  // namespace mercavo_resources
