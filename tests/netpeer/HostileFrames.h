#pragma once
// Frames that a broken or hostile peer might send, one generator per kind.
// Each frame says how it is to be sent and whether the host must drop the
// peer for it. Later record classes add their generators to the table.

#include <functional>
#include <random>
#include <string>
#include <vector>

struct SHostileFrame {
    enum class EHow {
        // On the channel whose turn it is, as the ring expects.
        InTurn,
        // On the channel after the one whose turn it is, twice: the second
        // finds its ring slot still full.
        TwiceOutOfTurn,
        // Part of the frame only, then every connection closes.
        CutAndClose,
    };
    std::string bytes;
    EHow how = EHow::InTurn;
    // The host must drop the peer (a broken stream).
    bool drops = false;
};

class CHostileFrames {
public:
    explicit CHostileFrames(unsigned seed);
    SHostileFrame Next();

private:
    using Generator = std::function<SHostileFrame()>;
    int Pick(int low, int high);
    std::string Header(char mark, int recordClass, int group, int code);
    std::string Filled(std::string text, char fill);

    std::mt19937 m_random;
    // Each generator with its weight.
    std::vector<std::pair<Generator, int>> m_generators;
    int m_totalWeight = 0;
};
