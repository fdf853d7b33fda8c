#include "model/NetAckRecord.h"

#include "model/NetRecordBuilder.h"

NetRecordBytes MakeAckRecord() {
    NetRecordBytes record{};
    CNetRecordBuilder(kAckClass, kAckGroup, kAckCode).Build(record);
    return record;
}

bool IsAckKind(int recordClass, int group, int code) {
    return recordClass == kAckClass && group == kAckGroup && code == kAckCode;
}
