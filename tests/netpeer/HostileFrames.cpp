#include "HostileFrames.h"

#include <algorithm>
#include <iterator>

#include "model/NetRecordBytes.h"
#include "platform/core/TextFormat.h"

CHostileFrames::CHostileFrames(unsigned seed, EKinds kinds) : m_random(seed) {
    using EHow = SHostileFrame::EHow;
    if (kinds == EKinds::StateTransfer) {
        m_generators = {{[this] { return StateRecord(); }, 1}};
        m_totalWeight = 1;
        return;
    }
    auto queued = [this](int recordClass, int group, int code) {
        return Header(Pick(0, 1) ? '+' : '_', recordClass, group, code);
    };
    m_generators = {
        // A header word that is neither immediate nor queued.
        {[this] {
             std::string header = Header('_', 400, 0, 100);
             header[0] = static_cast<char>(Pick(0, 1) ? 'x' : Pick(1, 255));
             if (header[0] == '_' || header[0] == '+') header[0] = 'x';
             return SHostileFrame{Filled(header, '\0'), EHow::InTurn, true};
         },
         1},
        // A record cut short, then the connection closed.
        {[this] {
             std::string whole = Filled(Header('+', 400, 0, 100) + "0001", '\0');
             return SHostileFrame{whole.substr(0, static_cast<size_t>(Pick(1, kNetRecordSize - 1))),
                                  EHow::CutAndClose, true};
         },
         1},
        // Two queued records on one channel without the acknowledgement.
        {[this] {
             return SHostileFrame{Filled(Header('+', 400, 0, 100) + "0001", '\0'),
                                  EHow::TwiceOutOfTurn, true};
         },
         1},
        // Texts without their zero byte.
        {[this, queued] {
             return SHostileFrame{Filled(queued(100, Pick(0, 1), Pick(0, 3)), 'A'), EHow::InTurn,
                                  false};
         },
         6},
        // Unknown classes, groups and codes.
        {[this, queued] {
             const int recordClass = Pick(0, 1) ? Pick(0, 999) : 100 * Pick(0, 7);
             return SHostileFrame{Filled(queued(recordClass, Pick(0, 99), Pick(0, 999)),
                                         static_cast<char>(Pick(0, 255))),
                                  EHow::InTurn, false};
         },
         6},
        // Known kinds with garbage payloads (counts, lengths, signs).
        {[this, queued] {
             static const int classes[] = {0, 100, 200, 300, 400, 500, 600};
             std::string text = queued(classes[Pick(0, 6)], Pick(0, 15), Pick(0, 13));
             const int length = Pick(0, kNetRecordSize - 16);
             for (int i = 0; i < length; ++i) {
                 text += static_cast<char>(Pick(0, 3) ? Pick('0', '9') : Pick(0, 255));
             }
             return SHostileFrame{Filled(text, '\0'), EHow::InTurn, false};
         },
         6},
        // State records of class 300 with fields at their edges.
        {[this] { return StateRecord(); }, 6},
    };
    for (const auto& generator : m_generators) m_totalWeight += generator.second;
}

SHostileFrame CHostileFrames::StateRecord() {
    // The codes of groups 00 to 03 and of the broken-building report.
    static const std::vector<int> codes[] = {
        {0, 1, 2, 3, 4, 5, 7, 10, 100},
        {0, 1, 3, 6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25, 26, 30, 50, 100},
        {0, 1, 2, 3, 5, 7, 10, 101, 200, 201, 202, 203},
        {20, 21, 22, 70, 72, 73, 74, 75, 76, 77, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 110},
        {53, 54},
    };
    const int kind = Pick(0, 4);
    const std::vector<int>& list = codes[kind];
    const int code = list[static_cast<size_t>(Pick(0, static_cast<int>(list.size()) - 1))];
    const bool broken = kind == 4;
    std::string text = Header(Pick(0, 1) ? '+' : '_', broken ? 400 : 300, broken ? 2 : kind, code);
    auto lead = [&](int low, int high, int width) {
        text += FormatText("%0*d", width, Pick(0, 3) ? Pick(low, high) : Pick(-9, 999));
    };
    if (kind == 1) lead(0, 4, 4);
    if (kind == 2 && code < 200) {
        lead(0, 2, 1);
        lead(0, 40, 4);
    }
    if (kind == 3 && code < 70) lead(0, 2, 2);
    if (kind == 3 && code >= 70) lead(0, 3, 4);
    // A mask of layers where the cell values want one.
    if (kind == 3 && code == 110)
        for (int layer = 0; layer < 10; ++layer) text += Pick(0, 1) ? '1' : '0';
    while (static_cast<int>(text.size()) < kNetRecordSize - 1 && Pick(0, 40) != 0) {
        text += Pick(0, 15) ? EdgeField() : std::string(1, static_cast<char>(Pick(1, 255)));
    }
    text.resize(std::min(text.size(), static_cast<size_t>(kNetRecordSize - 1)));
    return SHostileFrame{Filled(text, '\0'), SHostileFrame::EHow::InTurn, false};
}

// A number in a field of a width the receivers read: the edges of counts,
// blocks and tables, signs, and the widest values.
std::string CHostileFrames::EdgeField() {
    static const int widths[] = {1, 2, 3, 4, 5, 6, 8, 10};
    static const int edges[] = {0,  1,   2,   3,   4,   9,   10,  11,  16,  17,   19,  20, 21,
                                32, 33,  38,  43,  44,  45,  49,  50,  51,  52,   58,  64, 65,
                                99, 120, 161, 255, 256, 399, 400, 401, 999, 2000, 9999};
    const int width = widths[Pick(0, 7)];
    int value = edges[Pick(0, static_cast<int>(std::size(edges)) - 1)];
    if (Pick(0, 5) == 0) value = -value;
    std::string field = FormatText("%0*d", width, value);
    // A value wider than its field stands for the whole field of 9s.
    if (static_cast<int>(field.size()) > width)
        field = std::string(static_cast<size_t>(width), '9');
    return field;
}

int CHostileFrames::Pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

std::string CHostileFrames::Header(char mark, int recordClass, int group, int code) {
    std::string header = FormatText("%cMERCAVO%03d%02d%03d", mark, recordClass, group, code);
    return header.substr(0, 16);
}

std::string CHostileFrames::Filled(std::string text, char fill) {
    text.resize(kNetRecordSize, fill);
    return text;
}

SHostileFrame CHostileFrames::Next() {
    int pick = Pick(0, m_totalWeight - 1);
    for (const auto& generator : m_generators) {
        if (pick < generator.second) return generator.first();
        pick -= generator.second;
    }
    return m_generators.back().first();
}
