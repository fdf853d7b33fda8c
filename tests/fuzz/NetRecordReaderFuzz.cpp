// The network record reader on arbitrary bytes: the first bytes choose the
// fields to read (kind and width), the rest is the record. Whatever the
// reader accepts must build back into the same bytes.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "model/NetRecordBuilder.h"
#include "model/NetRecordReader.h"

namespace {

constexpr size_t kPlanLength = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kPlanLength) return 0;
    NetRecordBytes record{};
    const size_t length = std::min(size - kPlanLength, record.size());
    std::copy(data + kPlanLength, data + kPlanLength + length, record.begin());
    // The header word is the receive path's to check; the reader starts
    // behind it.
    if (std::memcmp(record.data() + 1, kNetRecordHeader + 1, 7) != 0) return 0;
    int recordClass = 0, group = 0, code = 0;
    if (!CNetRecordReader::ReadKind(record, recordClass, group, code)) return 0;

    CNetRecordReader reader(record);
    CNetRecordBuilder builder(recordClass, group, code);
    for (size_t i = 0; i < kPlanLength && reader.Ok(); ++i) {
        const int kind = data[i] % 5;
        const int width = data[i] / 5 % 12 + 1;
        std::string text;
        int value = 0;
        switch (kind) {
            case 0:
                if (reader.ReadInt(width, value, "int")) builder.Int(value, width);
                break;
            case 1:
                if (reader.ReadText(width % 3 + 1, 999, text, "text"))
                    builder.Text(text, width % 3 + 1, 999);
                break;
            case 2:
                if (reader.ReadFixedText(width, text, "fixed")) builder.FixedText(text, width);
                break;
            case 3:
                if (reader.ReadRaw(width * 7, text, "raw")) builder.Raw(text);
                break;
            default:
                if (reader.ReadTrailingText(text, "trailing")) builder.Trailing(text);
                // The zero byte that ends the text.
                if (reader.Ok()) builder.Raw(std::string(1, '\0'));
                break;
        }
    }
    if (!reader.Ok()) return 0;
    NetRecordBytes rebuilt{};
    if (!builder.Build(rebuilt)) {
        // Only a trailing text that runs to byte 511 leaves no room for the
        // builder's own zero byte.
        if (reader.Position() == kNetRecordSize) return 0;
        std::abort();
    }
    // Byte 0 only tells how the record was sent.
    for (int i = 1; i < reader.Position(); ++i) {
        if (rebuilt[i] != record[i]) std::abort();
    }
    return 0;
}
