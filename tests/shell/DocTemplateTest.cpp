// The document template: which files it takes as the game's own, and its
// document string.

#include "shell/MySingleDocTemplate.h"

#include <gtest/gtest.h>

#include "resources/MercavoResources.h"

namespace {

TEST(DocTemplateTest, TheSavedGameExtensionIsNativeAndEveryOtherFileForeign) {
    mercavo_resources::Register();
    CMySingleDocTemplate doc(100);
    struct Case {
        const char* path;
        int confidence;
    };
    const Case cases[] = {
        {"/games/save.mqd", CMySingleDocTemplate::yesAttemptNative},
        {"/games/SAVE.MQD", CMySingleDocTemplate::yesAttemptNative},
        {"relative.Mqd", CMySingleDocTemplate::yesAttemptNative},
        {"/games/notes.txt", CMySingleDocTemplate::yesAttemptForeign},
        {"/games/noextension", CMySingleDocTemplate::yesAttemptForeign},
        {"/games.mqd/noextension", CMySingleDocTemplate::yesAttemptForeign},
        {"/games/save.mqd.bak", CMySingleDocTemplate::yesAttemptForeign},
        {"", CMySingleDocTemplate::yesAttemptForeign},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(doc.MatchDocType(c.path), c.confidence);
    }
}

TEST(DocTemplateTest, DocumentStringParts) {
    mercavo_resources::Register();
    CMySingleDocTemplate doc(100);
    EXPECT_EQ(doc.GetDocString(CMySingleDocTemplate::windowTitle), "MERCAVO");
    EXPECT_EQ(doc.GetDocString(CMySingleDocTemplate::filterName), "MERCAVO Data File(*.mqd)");
    EXPECT_EQ(doc.GetDocString(CMySingleDocTemplate::filterExt), ".mqd");
    EXPECT_EQ(doc.GetTitle(), "Untitled");
}

}  // namespace
