#include "model/NetPeerEntry.h"

#include "model/NetRecordBuilder.h"
#include "model/NetRecordReader.h"

bool CNetPeerEntry::Build(int recordClass, const SNetPeerEntry& entry, NetRecordBytes& out,
                          std::string* error) {
    CNetRecordBuilder builder(recordClass, kGroup, kCode);
    builder.Int(entry.playerNumber, 4)
        .Int(entry.company, 4)
        .Text(entry.name, 2, kNameLimit)
        .Text(entry.companyName, 2, kNameLimit)
        .Int(entry.colour, 2)
        .Int(entry.isYou, 1)
        .FixedText(entry.code, kCodeWidth)
        .Int(entry.state, 4);
    if (error) *error = builder.Error();
    return builder.Build(out);
}

bool CNetPeerEntry::Read(const NetRecordBytes& record, SNetPeerEntry& entry, std::string* failed) {
    CNetRecordReader reader(record);
    SNetPeerEntry read;
    reader.ReadInt(4, read.playerNumber, "player number");
    reader.ReadInt(4, read.company, "company");
    reader.ReadText(2, kNameLimit, read.name, "name");
    reader.ReadText(2, kNameLimit, read.companyName, "company name");
    reader.ReadInt(2, read.colour, "colour");
    reader.ReadInt(1, read.isYou, "is-you flag");
    reader.ReadFixedText(kCodeWidth, read.code, "personal code");
    reader.ReadInt(4, read.state, "state");
    if (!reader.Ok()) {
        if (failed) *failed = reader.FailedField();
        return false;
    }
    entry = read;
    return true;
}
