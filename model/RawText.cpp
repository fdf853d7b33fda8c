#include "model/RawText.h"

#include <cstring>

#include "model/DataChecksum.h"
#include "model/StoredForm.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

std::string ReadRawText(CArchive& ar, CDataChecksum& checksum) {
    int32_t length = ar.ReadInt();
    checksum.Add(length);
    if (length < 1) return {};
    if (length > CArchive::kMaxTextLength)
        throw CArchiveException(CArchiveException::badLength, "text length out of range");
    uint64_t bytes = static_cast<uint64_t>(length) + 1;
    CheckRemaining(ar, static_cast<int64_t>(bytes), 1);
    std::string text(static_cast<size_t>(bytes), '\0');
    ar.Read(text.data(), text.size());
    // The text ends at its first zero byte, as the C string it was written from.
    text.resize(std::strlen(text.c_str()));
    checksum.AddText(text.c_str());
    return text;
}
