#pragma once
// What one player page of the set-up wizard holds: the company's name, the
// player's name and the colour (-1 until one is chosen).

#include <string>

class CSettingPlayer {
public:
    virtual ~CSettingPlayer() = default;

    std::string companyName;
    std::string playerName;
    int colour = -1;
};
