#include "HostileFrames.h"

#include "model/NetRecordBytes.h"
#include "platform/core/TextFormat.h"

CHostileFrames::CHostileFrames(unsigned seed) : m_random(seed) {
    using EHow = SHostileFrame::EHow;
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
    };
    for (const auto& generator : m_generators) m_totalWeight += generator.second;
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
