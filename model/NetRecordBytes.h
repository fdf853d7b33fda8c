#pragma once
// One network record as it travels: exactly kNetRecordSize bytes.

#include <array>

#include "model/services/NetService.h"

using NetRecordBytes = std::array<char, kNetRecordSize>;

// Where the payload of every record begins: behind the header word (8), the
// class (3), the group (2) and the code (3).
constexpr int kNetPayloadStart = 16;
// The header word of a queued record differs from kNetRecordHeader only in
// its first byte.
constexpr char kNetQueuedMark = '+';
constexpr char kNetImmediateMark = '_';
