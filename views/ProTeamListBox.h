#pragma once
// A company's teams as the team dialog shows them: league, name, winning
// power and popularity, then the season's results, or, while a new home
// field is chosen, the home field's owning company with the area's name
// (nothing while no company owns it) and its attendance.

#include <string>

#include "views/OwnerDrawList.h"

class CLeague;
class CProTeam;
class CVDoc;
class IProTeamListOwner;

class CProTeamListBox : public COwnerDrawList {
public:
    // The active document of the application at construction.
    CProTeamListBox();

    void SetOwnerDialog(const IProTeamListOwner* owner) { m_owner = owner; }
    // One item per row of the owner; selects the first.
    void Fill();

    // The results column: wins, losses, draws and the win rate or points.
    static std::string ResultsText(const CLeague& league, const CProTeam& team);
    // The home field's monthly attendance: "12,000 Person".
    static std::string AttendanceText(int rating);
    // The home field's area name, "" when the row has no team.
    std::string HomeAreaText(int row) const;
    // The attendance column of a row, "" when the row has no team.
    std::string HomeAttendanceText(int row) const;
    int StateOfRow(int row, bool selected) const override;

protected:
    bool HasRow(int row) const override;
    void DrawRow(CDC& dc, int row, const CRect& rect, int state) const override;

private:
    // The team of the row; nullptr outside the rows or the map's leagues.
    const CProTeam* TeamOfRow(int row) const;
    void DrawHomeField(CDC& dc, int row, const CProTeam& team, const CRect& cell, int state) const;
    CVDoc* m_document;
    const IProTeamListOwner* m_owner = nullptr;
};
