#include "model/NetLoginRecord.h"

#include "model/NetRecordBuilder.h"
#include "model/NetRecordReader.h"

bool CNetLoginRecord::Build(int recordClass, const SNetLogin& login, NetRecordBytes& out,
                            std::string* error) {
    std::string reserved = login.reserved.substr(0, kReservedWidth);
    reserved.resize(kReservedWidth, ' ');
    CNetRecordBuilder builder(recordClass, kGroup, kLoginCode);
    builder.Int(login.protocol, 4)
        .Int(login.characterCheck, 8)
        .Int(login.mapCheck, 8)
        .Raw(reserved)
        .Int(login.observer, 1)
        .Trailing(login.password);
    if (error) *error = builder.Error();
    return builder.Build(out);
}

bool CNetLoginRecord::Read(const NetRecordBytes& record, SNetLogin& login, std::string* failed) {
    CNetRecordReader reader(record);
    SNetLogin read;
    reader.ReadInt(4, read.protocol, "protocol");
    reader.ReadInt(8, read.characterCheck, "character data check number");
    reader.ReadInt(8, read.mapCheck, "map data check number");
    reader.ReadRaw(kReservedWidth, read.reserved, "reserved field");
    reader.ReadInt(1, read.observer, "observer flag");
    reader.ReadTrailingText(read.password, "password");
    if (!reader.Ok()) {
        if (failed) *failed = reader.FailedField();
        return false;
    }
    if (read.password.size() > static_cast<size_t>(kPasswordLimit))
        read.password.resize(kPasswordLimit);
    login = read;
    return true;
}

bool CNetLoginRecord::BuildAnswer(int recordClass, int result, NetRecordBytes& out) {
    return CNetRecordBuilder(recordClass, kGroup, result).Build(out);
}
