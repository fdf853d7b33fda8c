// The dialogs whose windows come later: their modal run answers Cancel
// (and says so in an unattended run), the test hook answers instead, and
// the values they carry come back as they were set, safely outside their
// tables.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/CreatorDlg.h"
#include "dialogs/DlgInputStructure.h"
#include "dialogs/InputPublicityDlg.h"
#include "dialogs/OptionDlg.h"
#include "dialogs/SetWageDlg.h"
#include "dialogs/ShowMapPartDlg.h"
#include "game/GameFixture.h"
#include "model/Enterprise.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Styles.h"

namespace {

class StandInDialogsTest : public GameTest {
protected:
    void TearDown() override {
        CStandInDialog::SetModalHook(nullptr);
        CAutoAnswer::Reset();
        GameTest::TearDown();
    }
};

TEST_F(StandInDialogsTest, WithoutAWindowEveryDialogAnswersCancel) {
    std::vector<std::unique_ptr<CStandInDialog>> dialogs;
    dialogs.push_back(std::make_unique<CShowMapPartDlg>());
    dialogs.push_back(std::make_unique<CDlgInputStructure>(&doc));
    dialogs.push_back(std::make_unique<CSetWageDlg>());
    dialogs.push_back(std::make_unique<CInputPublicityDlg>());
    dialogs.push_back(std::make_unique<COptionDlg>());
    dialogs.push_back(std::make_unique<CCreatorDlg>(&doc));
    const char* captions[] = {"Partial Map Display", "Construction - Building Selection",
                              "Salary", "Adjust Advertising Cost", "Option", "Author of the data"};
    for (bool unattended : {false, true}) {
        CAutoAnswer::Set(unattended);
        for (size_t i = 0; i < dialogs.size(); ++i) {
            testing::internal::CaptureStderr();
            EXPECT_EQ(dialogs[i]->DoModal(), IDCANCEL) << captions[i];
            const std::string log = testing::internal::GetCapturedStderr();
            EXPECT_EQ(dialogs[i]->GetCaption(), captions[i]);
            EXPECT_EQ(log.find(captions[i]) != std::string::npos, unattended) << log;
        }
    }
}

TEST_F(StandInDialogsTest, TheHookAnswersAndMayChangeTheValues) {
    CStandInDialog::SetModalHook([](CStandInDialog& dialog) {
        if (auto* cost = dynamic_cast<CInputPublicityDlg*>(&dialog)) cost->SetCost(77);
        return IDOK;
    });
    CInputPublicityDlg dialog;
    dialog.SetCost(5);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetCost(), 77);
}

TEST_F(StandInDialogsTest, TheSalaryTableHoldsTheEmployeesPayAndEachDirector) {
    NewGame(2, 1);
    CEnterprise& company = *doc.GetEnterprise(0);
    const int director = HireDirector(0);
    doc.GetDirector(director)->SetSalary(42);
    CSetWageDlg dialog;
    ASSERT_EQ(dialog.SetCompany(&doc, 0), 1);
    ASSERT_EQ(dialog.GetRowCount(), company.GetDirectorCount() + 1);
    EXPECT_EQ(dialog.GetFixedFlag(), company.IsFixedPay());
    EXPECT_EQ(dialog.GetSalary(0),
              company.IsFixedPay() ? company.GetFixedPayTotal() : company.GetStandardSalary());
    EXPECT_EQ(dialog.GetSalary(company.GetDirectorCount()), 42);
    // Rows outside the table read 0 and take nothing.
    dialog.SetSalary(-1, 9);
    dialog.SetSalary(dialog.GetRowCount(), 9);
    EXPECT_EQ(dialog.GetSalary(-1), 0);
    EXPECT_EQ(dialog.GetSalary(dialog.GetRowCount()), 0);
    // A company that is not there leaves the table empty.
    EXPECT_EQ(dialog.SetCompany(&doc, 9), 0);
    EXPECT_EQ(dialog.GetRowCount(), 0);
}

TEST_F(StandInDialogsTest, TheStructureListStartsAtTheFirstBuildableEntry) {
    struct SCase {
        const char* what;
        std::vector<int> buildable;
        int selectFirst;
        int expected;
    };
    const SCase cases[] = {
        {"empty", {}, -1, -1},
        {"none buildable", {0, 0}, -1, 10},
        {"second buildable", {0, 1, 1}, -1, 11},
        {"player steps to the third", {1, 1, 0}, 2, 12},
        {"a step outside is ignored", {0, 1}, 5, 11},
    };
    for (const SCase& c : cases) {
        CDlgInputStructure dialog(&doc);
        for (size_t i = 0; i < c.buildable.size(); ++i) {
            dialog.AddStructure(10 + static_cast<int>(i), c.buildable[i]);
        }
        if (c.selectFirst >= 0) dialog.SelectEntry(c.selectFirst);
        EXPECT_EQ(dialog.GetSelectedStructure(), c.expected) << c.what;
    }
}

TEST_F(StandInDialogsTest, OptionTablesIgnoreNumbersOutsideThem) {
    COptionDlg dialog;
    dialog.SetMusicFile(29, "LAST.MID");
    dialog.SetMusicFile(30, "OUT.MID");
    dialog.SetSceneMusic(21, 4);
    dialog.SetSceneMusic(-1, 4);
    dialog.SetSoundFile(9, "LAST.WAV");
    dialog.SetEventSound(4, 2);
    dialog.SetEventSound(5, 2);
    EXPECT_EQ(dialog.GetMusicFile(29), "LAST.MID");
    EXPECT_EQ(dialog.GetMusicFile(30), "");
    EXPECT_EQ(dialog.GetSceneMusic(21), 4);
    EXPECT_EQ(dialog.GetSceneMusic(-1), -1);
    EXPECT_EQ(dialog.GetSoundFile(9), "LAST.WAV");
    EXPECT_EQ(dialog.GetSoundFile(10), "");
    EXPECT_EQ(dialog.GetEventSound(4), 2);
    EXPECT_EQ(dialog.GetEventSound(5), -1);
}

}  // namespace
