#pragma once
// A company of three areas with the services its rules talk to: a document
// with a persons table, a frame, and a fixed random sequence. Company 1 of
// three; human-played unless MakeComputer is called.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/BasePerson.h"
#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "model/PersonFixtures.h"
#include "platform/core/RuntimeRandom.h"

class CompanyRulesTest : public ::testing::Test {
protected:
    static constexpr int kAreas = 3;
    static constexpr int kNumber = 1;

    void SetUp() override {
        CRuntimeRandom::Seed(4321);
        doc.companies.resize(3);
        doc.directors = &persons;
        persons.reserve(64);
        ASSERT_EQ(company.Init(kNumber, kAreas), 1);
        doc.enterprises = {nullptr, &company, nullptr};
    }

    // A person of the table with every base ability set to base.
    int AddPerson(int base, const std::string& name = "Ann Example") {
        SRawPerson raw;
        raw.base.fill(base);
        raw.name = name;
        CPersonData person;
        person.TakeBaseRecord(LoadBasePerson(raw.Bytes()));
        person.SetIndex(static_cast<int>(persons.size()));
        persons.push_back(person);
        return static_cast<int>(persons.size()) - 1;
    }

    // A new person who becomes one of the company's directors.
    int Hire(int base, const std::string& name = "Ann Example") {
        int index = AddPerson(base, name);
        company.AddDirector(index);
        return index;
    }

    // The president is person 0 of the table, so the computer plays it.
    void MakeComputer() {
        if (persons.empty()) AddPerson(3, "Cole President");
        company.SetPresident(1);
    }

    // Twelve months of the same income.
    void SetMonthlyIncome(int perMonth) {
        for (int m = 0; m < CEnterprise::kMonths; ++m)
            company.AddYearResult(0, m, 0, 0, perMonth, 0);
    }

    // The company as Init leaves it (no strike history, no staff).
    void FreshCompany() {
        CEnterprise fresh;
        ASSERT_EQ(fresh.Init(kNumber, kAreas), 1);
        company = fresh;
    }

    void Staff(int employees, int salary) {
        company.SetEmployees(employees);
        company.SetEmployeesAtWork(employees);
        company.SetStandardSalary(salary);
    }

    CFakeDocService doc;
    CFakeFrameService frame;
    std::vector<CPersonData> persons;
    CEnterprise company;
    CScopedService<IDocService> scopedDoc = ScopedDoc(&doc);
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);
};
