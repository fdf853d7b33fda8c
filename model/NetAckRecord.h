#pragma once
// The acknowledgement: class 000, group 00, code 010, no payload. It frees
// the channel on which the acknowledged record came.

#include "model/NetRecordBytes.h"

constexpr int kAckClass = 0;
constexpr int kAckGroup = 0;
constexpr int kAckCode = 10;

// "_MERCAVO00000010", its zero byte and zeros up to the end.
NetRecordBytes MakeAckRecord();
bool IsAckKind(int recordClass, int group, int code);
