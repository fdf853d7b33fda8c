#pragma once
// Who may send which record, and in which session states the receiver takes
// it. The dispatch checks every received record against this one table; a
// record from the wrong side or out of its states is not applied.

#include <initializer_list>
#include <vector>

enum class ENetSender { Host, Client, Either };

struct SNetRecordKind {
    int recordClass;
    int group;
    int firstCode;
    int lastCode;
    ENetSender sender;
    // Bit s set: taken in session state s.
    unsigned states;
    const char* meaning;
};

class CNetRecordKinds {
public:
    static constexpr unsigned kAllStates = 0x3F;
    static unsigned States(std::initializer_list<int> states);

    static const std::vector<SNetRecordKind>& All();
    // The kind of a class, group and code, or nullptr when unknown.
    static const SNetRecordKind* Find(int recordClass, int group, int code);
    // Whether a record from this side (fromHost) in this state is taken.
    static bool Takes(const SNetRecordKind& kind, bool fromHost, int sessionState);
    // Whether the receiver acknowledges records of this kind.
    static bool IsAcknowledged(int recordClass, int group, int code);
};
