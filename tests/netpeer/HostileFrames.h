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
    enum class EKinds {
        // Every generator of the table.
        All,
        // The state records of class 300 and the broken-building report of
        // class 400 alone: what a host sends a client.
        StateTransfer,
    };
    explicit CHostileFrames(unsigned seed, EKinds kinds = EKinds::All);
    SHostileFrame Next();

private:
    using Generator = std::function<SHostileFrame()>;
    // A state record of a real group and code whose fields are numbers of
    // the widths the receivers read, mostly near the edges of their
    // ranges, with the lead fields (company, person, area, league) mostly
    // in range so that the checks behind them are reached.
    SHostileFrame StateRecord();
    std::string EdgeField();
    int Pick(int low, int high);
    std::string Header(char mark, int recordClass, int group, int code);
    std::string Filled(std::string text, char fill);

    std::mt19937 m_random;
    // Each generator with its weight.
    std::vector<std::pair<Generator, int>> m_generators;
    int m_totalWeight = 0;
};
