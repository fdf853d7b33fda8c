// The computer companies of the fixture game over their first months, with
// a fixed seed: their directors get tasks only through the orders of their
// plan steps, every order takes effect when issued, and plans age and go as
// the rules say.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "ComCommandFixture.h"
#include "fakes/MapFileFixture.h"
#include "model/BD.h"
#include "model/PersonData.h"

namespace {

class ComScenarioTest : public ComCommandTest {
protected:
    std::map<int, bool> BusyDirectors(int c) {
        std::map<int, bool> busy;
        for (int i = 0; i < Company(c).GetDirectorCount(); ++i)
            busy[Company(c).GetDirectorIndex(i)] = Company(c).GetDirector(i)->HasTask();
        return busy;
    }
};

TEST_F(ComScenarioTest, ComputerCompaniesActOnlyThroughTheirPlansOrders) {
    MakeKiosksProfitable();
    MakeBothBuilders();
    CRuntimeRandom::Seed(2024);
    int stepsRun = 0;
    for (int month = 0; month < 16; ++month) {
        SCOPED_TRACE(month);
        doc.AdvancePlans();
        for (int c = 1; c <= 2; ++c) {
            SCOPED_TRACE(c);
            AdvanceTasks(c);
            const std::map<int, bool> before = BusyDirectors(c);
            CComCommand(doc, c).RunMonth();

            // A director busy now and free before was given a step of a plan,
            // and a step given to a director started his task at once.
            std::map<int, int> stepsOf;
            for (const CCmdPacket& plan : Company(c).GetPlans()) {
                // A plan past its age keeps only the steps already under way.
                if (plan.GetAge() > CCmdPacket::kMaxAge) {
                    for (int i = 0; i < plan.GetStepCount(); ++i) EXPECT_TRUE(plan.IsDone(i));
                }
                for (int i = 0; i < plan.GetStepCount(); ++i)
                    if (plan.IsDone(i) && plan.GetParam1(i) >= 0 && plan.GetKind(i) != eCOM_ACQUIRE_TEAM)
                        ++stepsOf[plan.GetParam1(i)];
            }
            for (const auto& [person, wasBusy] : before) {
                const bool busy = doc.GetDirector(person)->HasTask();
                if (busy && !wasBusy) {
                    EXPECT_GT(stepsOf[person], 0) << "director " << person;
                    ++stepsRun;
                }
            }
            for (const auto& [person, count] : stepsOf) {
                ASSERT_NE(doc.GetDirector(person), nullptr);
                EXPECT_TRUE(doc.GetDirector(person)->HasTask()) << "director " << person;
                EXPECT_EQ(doc.GetDirector(person)->GetEmployer(), c);
            }
        }
    }
    EXPECT_GT(stepsRun, 2);
}

}  // namespace
