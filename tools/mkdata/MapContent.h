#pragma once
// The map data as the sources in data/ describe it, before it becomes a map
// document: header figures, authors, company names, leagues and teams, the
// land and structure types by name, and the areas as grids of legend signs.
// Every entry remembers its source line for the complaints of the rules.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct CMapContent {
    struct SPlace {
        std::string file;
        int line = 0;
    };

    struct SLand {
        SPlace place;
        std::string name;
        int code = 0;
        int value = 0;
        int fixedPrice = 0;
        int usable = 1;
        std::string art;
    };

    struct SStructure {
        SPlace place;
        std::string name;
        int code = 0;
        int width = 1;
        int height = 1;
        std::string art;
        // The type's value: housing and small buildings are ordered by it.
        int value = 0;
        int basePrice = 0;
        // Build months; the lot price adds 20 of them.
        int priceStep = 0;
        int staff = 0;
        int durability = 0;
        // Usable, second and third (the computer may build it).
        std::array<int, 3> flags{1, 1, 0};
        // Upkeep, base income, location income, income with the owner's grade.
        std::array<int, 4> revenue{};
        int radius = 1;
        std::array<int, 12> months{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10};
        // Grade bonus, area bonus, extra figure 4, influence range.
        std::array<int, 4> bonus{};
        std::array<int, 6> effects{};
        // How strongly a neighbouring structure of a named type acts on this one.
        std::vector<std::pair<std::string, double>> near;
        std::string secondText;
    };

    struct STeam {
        SPlace place;
        std::string name;
        int forSale = 0;
        int power = 5;
        int popularity = 5;
        // The area's key and the number (from 1) of the stadium of the league's
        // kind in that area, in row order.
        std::string homeArea;
        int homeStadium = 0;
    };

    struct SLeague {
        SPlace place;
        // 0: ranked by points, plays in code-80 stadiums; 1: ranked by winning
        // percentage, code-85 stadiums.
        int kind = 0;
        int popularity = 10;
        int seasonGames = 0;
        int gamesPerMonth = 0;
        std::vector<int> startMonths;
        std::vector<STeam> teams;
    };

    struct SAuthor {
        SPlace place;
        std::string name;
        // Up to three letters drawn into the author's mark.
        std::string mark;
    };

    struct SArea {
        SPlace place;
        std::string key;
        std::string name;
        std::string explanation;
        int population = 0;
        int level = 0;
        int effect5 = 0;
        int potential = 0;
        int figure19 = 0;
        // The earthquake figure.
        int quake = 0;
        // Grid rows of legend signs; heights as digits. Each row knows its line.
        std::vector<std::pair<int, std::string>> land;
        std::vector<std::pair<int, std::string>> height;
        std::vector<std::pair<int, std::string>> build;
    };

    struct SName {
        SPlace place;
        std::string name;
    };

    SPlace place;
    int gridWidth = 0;
    int gridHeight = 0;
    int initialCompanies = 0;
    int maxCompanies = 0;
    int directorsNeeded = 0;
    int governorsNeeded = 0;
    int maxLevel = 0;
    std::array<int, 3> header{2, 0, 0};
    std::array<int, 3> values{-1, -1, -1};
    std::array<int, 2> values12{0, 0};
    // The map's first, second and third author.
    std::array<SAuthor, 3> authors;
    std::vector<SName> companyNames;
    std::vector<SLeague> leagues;
    std::vector<SLand> lands;
    std::vector<SStructure> structures;
    // Legend sign -> type name, with the line that defined it.
    std::map<char, SName> landLegend;
    std::map<char, SName> structureLegend;
    std::vector<SArea> areas;
};
