#include "model/BM.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <new>
#include <stdexcept>

#include "model/DibHeader.h"
#include "model/FixedField.h"
#include "model/FixedFieldFormat.h"
#include "model/MercavoError.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/TextFormat.h"

namespace {

constexpr const char* kTooBigMessage = "The size(%d x %d) is too big.\n※Max size is %d x %d.";
constexpr const char* kWrongSizeMessage = "Read the bitmap of %d x %d.\nThis file is %d x %d.";
constexpr const char* kCompressedMessage = "このﾋﾞｯﾄﾏｯﾌﾟは圧縮されており、利用できません.";
constexpr size_t kFileHeaderSize = 14;

bool ReadExactly(std::istream& file, void* data, size_t size) {
    file.read(static_cast<char*>(data), static_cast<std::streamsize>(size));
    return static_cast<size_t>(file.gcount()) == size;
}

// Turns an image stored top row first into the bottom-up form every other
// picture has.
void FlipToBottomUp(uint8_t* block, const CDibHeader& header) {
    uint8_t* bits = block + header.GetBitsOffset();
    size_t stride = static_cast<size_t>(header.GetStride());
    size_t rows = static_cast<size_t>(-static_cast<int64_t>(header.height));
    std::vector<uint8_t> row(stride);
    for (size_t top = 0, bottom = rows - 1; top < bottom; ++top, --bottom) {
        std::memcpy(row.data(), bits + top * stride, stride);
        std::memcpy(bits + top * stride, bits + bottom * stride, stride);
        std::memcpy(bits + bottom * stride, row.data(), stride);
    }
    WriteLE32(block + 8, static_cast<uint32_t>(-header.height));
}

bool CopyBlock(const CMemBlock& source, CMemBlock& target) {
    if (!target.Alloc(source.Size())) return false;
    std::memcpy(target.Lock(), source.Lock(), source.Size());
    return true;
}

}  // namespace

CBM::CBM(CMemBlock&& image) {
    if (TakeImage(std::move(image))) {
        CreateGdiObjects();
    } else {
        image.Free();
    }
}

CBM::CBM(const CBM& other) {
    *this = other;
}

CBM& CBM::operator=(const CBM& other) {
    if (this == &other) return *this;
    if (!other.HasImage()) {
        Clear();
        return *this;
    }
    CMemBlock copy;
    if (!CopyBlock(other.m_image, copy)) throw std::bad_alloc();
    Clear();
    TakeImage(std::move(copy));
    CreateGdiObjects();
    return *this;
}

bool CBM::TakeImage(CMemBlock&& block) {
    auto header = CDibHeader::Read(block.Lock(), block.Size());
    if (!header || !header->IsUsable(block.Size())) return false;
    m_image = std::move(block);
    m_width = header->width;
    m_height = header->height;
    m_palette.clear();
    return true;
}

void CBM::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt(static_cast<int32_t>(m_image.Size()));
        if (HasImage()) ar.Write(m_image.Lock(), m_image.Size());
        return;
    }
    int32_t size = ar.ReadInt();
    CDataChecksum& checksum = Services::App().DataChecksum();
    checksum.Add(size);
    if (size == 0) {
        Clear();
        return;
    }
    if (size < 0 || static_cast<uint64_t>(size) > CDibHeader::kMaxImageBytes) {
        throw eMERCAVO_ERROR_CONTENTS;
    }
    if (static_cast<uint64_t>(size) > ar.Stream().Remaining()) {
        throw CArchiveException(CArchiveException::endOfFile, "picture ends early");
    }
    CMemBlock block;
    if (!block.Alloc(static_cast<size_t>(size))) throw std::bad_alloc();
    ar.Read(block.Lock(), block.Size());
    checksum.AddBlock(block.Lock(), size);
    if (!TakeImage(std::move(block))) throw eMERCAVO_ERROR_CONTENTS;
    CreateGdiObjects();
}

void CBM::Clear() {
    m_image.Free();
    m_incoming.Free();
    m_palette.clear();
    m_width = 0;
    m_height = 0;
}

int CBM::CreateGdiObjects() {
    if (!CreatePalette()) {
        Services::Frame().Beep();
        return 0;
    }
    CreateBitmap();
    return 1;
}

int CBM::CreatePalette() {
    m_palette.clear();
    auto header = CDibHeader::Read(m_image.Lock(), m_image.Size());
    if (!header) return 0;
    int count = header->GetColorCount();
    if (count == 0) {
        // A true-colour image: a fixed spread of 8 reds, 8 greens, 4 blues.
        for (uint32_t i = 0; i < 256; ++i) {
            m_palette.push_back((i % 8) * 32 | ((i / 8) % 8) * 32 << 8 | (i / 64) * 64 << 16);
        }
        return 1;
    }
    const uint8_t* table = m_image.Lock() + header->size;
    size_t entrySize = header->size == CDibHeader::kCoreHeaderSize ? 3 : 4;
    for (int i = 0; i < count; ++i) {
        const uint8_t* entry = table + i * entrySize;  // blue, green, red
        m_palette.push_back(uint32_t{entry[2]} | uint32_t{entry[1]} << 8 |
                            uint32_t{entry[0]} << 16);
    }
    return 1;
}

int CBM::CreateBitmap() {
    auto header = CDibHeader::Read(m_image.Lock(), m_image.Size());
    if (!header) return 0;
    m_width = header->width;
    m_height = header->height;
    return 1;
}

void CBM::ReleaseGdiObjects() {
    m_palette.clear();
}

uint32_t CBM::GetColorTableSize() const {
    auto header = CDibHeader::Read(m_image.Lock(), m_image.Size());
    return header ? header->GetColorTableSize() : 0;
}

void CBM::ShowLoadMessage(const std::string& text) const {
    if (Services::Frame().ShowMessageBox(text, kMessageIconExclamation) == 0) {
        Services::Frame().Beep();
    }
}

CMemBlock CBM::ReadFileHeader(std::istream& file) {
    uint8_t fileHeader[kFileHeaderSize];
    uint8_t info[CDibHeader::kInfoHeaderSize] = {};
    if (!ReadExactly(file, fileHeader, kFileHeaderSize)) return {};
    if (ReadLE16(fileHeader) != 0x4D42) return {};
    uint32_t bitsOffset = ReadLE32(fileHeader + 10);
    if (!ReadExactly(file, info, 4)) return {};
    uint32_t headerSize = ReadLE32(info);
    if (headerSize != CDibHeader::kCoreHeaderSize && headerSize != CDibHeader::kInfoHeaderSize) {
        return {};
    }
    if (!ReadExactly(file, info + 4, headerSize - 4)) return {};
    auto core = CDibHeader::Read(info, sizeof info);
    if (!core) return {};
    CDibHeader header = *core;
    int count = header.GetColorCount();
    if (count > 256) return {};
    if (headerSize == CDibHeader::kCoreHeaderSize) {
        // Widen the core header: the colour table of the 40-byte form has
        // the same entries, stated as colours used and important.
        std::memset(info, 0, sizeof info);
        WriteLE32(info, CDibHeader::kInfoHeaderSize);
        WriteLE32(info + 4, static_cast<uint32_t>(header.width));
        WriteLE32(info + 8, static_cast<uint32_t>(header.height));
        WriteLE16(info + 12, header.planes);
        WriteLE16(info + 14, header.bitCount);
        WriteLE32(info + 32, static_cast<uint32_t>(count));
        WriteLE32(info + 36, static_cast<uint32_t>(count));
    }
    // The bits need exactly this much, whatever the file states.
    uint64_t bitsSize = header.GetBitsSize();
    WriteLE32(info + 20, static_cast<uint32_t>(std::min<uint64_t>(bitsSize, UINT32_MAX)));
    if (ReadLE32(info + 32) == 0) WriteLE32(info + 32, static_cast<uint32_t>(count));

    CMemBlock block;
    if (!block.Alloc(CDibHeader::kInfoHeaderSize + size_t(count) * 4)) return {};
    uint8_t* out = block.Lock();
    std::memcpy(out, info, CDibHeader::kInfoHeaderSize);
    size_t entrySize = headerSize == CDibHeader::kCoreHeaderSize ? 3 : 4;
    for (int i = 0; i < count; ++i) {
        if (!ReadExactly(file, out + CDibHeader::kInfoHeaderSize + i * 4, entrySize)) return {};
    }
    if (bitsOffset != 0 && !file.seekg(bitsOffset)) return {};
    return block;
}

int CBM::LoadFromFile(const std::string& fileName, int& expectedWidth, int& expectedHeight,
                      int keepWithoutGdi) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) return 0;
    CMemBlock headerBlock = ReadFileHeader(file);
    auto header = CDibHeader::Read(headerBlock.Lock(), headerBlock.Size());
    if (!header) return 0;
    int width = header->width;
    int height = header->height == INT32_MIN ? INT32_MAX : std::abs(header->height);
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
        ShowLoadMessage(FormatText(kTooBigMessage, width, height, kMaxSide, kMaxSide));
        return 0;
    }
    if ((expectedWidth > 0 || expectedHeight > 0) &&
        (expectedWidth != width || expectedHeight != height)) {
        ShowLoadMessage(
            FormatText(kWrongSizeMessage, expectedWidth, expectedHeight, width, height));
        return 0;
    }
    if (header->compression != 0) {
        ShowLoadMessage(kCompressedMessage);
        return 0;
    }
    if (!header->HasUsableFormat()) return 0;
    CMemBlock block;
    if (!block.Alloc(headerBlock.Size() + header->GetBitsSize())) return 0;
    std::memcpy(block.Lock(), headerBlock.Lock(), headerBlock.Size());
    if (!ReadExactly(file, block.Lock() + headerBlock.Size(), header->GetBitsSize())) return 0;
    if (!header->IsUsable(block.Size())) return 0;
    if (header->height < 0) FlipToBottomUp(block.Lock(), *header);
    if (!TakeImage(std::move(block))) return 0;
    if (expectedWidth != -1) {
        expectedWidth = width;
        expectedHeight = height;
    }
    if (!keepWithoutGdi && !CreateGdiObjects()) {
        Clear();
        return 0;
    }
    return 1;
}

bool CBM::SaveToFile(const std::string& fileName) const {
    if (!HasImage()) return false;
    auto header = CDibHeader::Read(m_image.Lock(), m_image.Size());
    uint8_t fileHeader[kFileHeaderSize] = {'B', 'M'};
    WriteLE32(fileHeader + 2, static_cast<uint32_t>(m_image.Size() + kFileHeaderSize));
    WriteLE32(fileHeader + 10, static_cast<uint32_t>(header->GetBitsOffset() + kFileHeaderSize));
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(fileHeader), kFileHeaderSize);
    file.write(reinterpret_cast<const char*>(m_image.Lock()),
               static_cast<std::streamsize>(m_image.Size()));
    file.close();
    if (!file) throw CArchiveException(CArchiveException::writeFailed, "cannot write picture");
    return true;
}

void CBM::Send(int player, const std::string& startHeader, const std::string& partHeader) const {
    // Part numbers and lengths take 12 characters before the raw bytes.
    if (startHeader.size() + 20 > kNetRecordTextLimit ||
        partHeader.size() + 12 + kPartSize > kNetRecordTextLimit) {
        throw std::length_error("picture record header too long");
    }
    INetService& net = Services::Net();
    int size = static_cast<int>(m_image.Size());
    net.SendRecord(player, startHeader + FormatFixedInt(HasImage() ? m_width : 0, 5) +
                               FormatFixedInt(HasImage() ? m_height : 0, 5) +
                               FormatFixedInt(size, 10));
    const uint8_t* bytes = m_image.Lock();
    for (int part = 0; part * kPartSize < size; ++part) {
        int length = std::min(kPartSize, size - part * kPartSize);
        std::string record = partHeader + FormatFixedInt(part, 8) + FormatFixedInt(length, 4);
        record.append(reinterpret_cast<const char*>(bytes) + part * kPartSize, length);
        net.SendRecord(player, record);
    }
}

int CBM::ReceiveStart(std::string_view text) {
    int pos = 0;
    int width = ParseFixedInt(text, pos, 5);
    int height = ParseFixedInt(text, pos, 5);
    Clear();
    m_width = width;
    m_height = height;
    int size = ParseFixedInt(text, pos, 10);
    if (pos > static_cast<int>(text.size())) return 0;
    if (size <= 0 || static_cast<uint64_t>(size) > CDibHeader::kMaxImageBytes) return 0;
    return m_incoming.Alloc(static_cast<size_t>(size)) ? 1 : 0;
}

int CBM::ReceivePart(std::string_view text) {
    int pos = 0;
    int part = ParseFixedInt(text, pos, 8);
    int length = ParseFixedInt(text, pos, 4);
    if (pos > static_cast<int>(text.size()) || m_incoming.IsEmpty()) return 0;
    if (part < 0 || length <= 0 || length > kPartSize) return 0;
    if (static_cast<size_t>(length) > text.size() - static_cast<size_t>(pos)) return 0;
    uint64_t offset = uint64_t{kPartSize} * static_cast<uint64_t>(part);
    if (offset + static_cast<uint64_t>(length) > m_incoming.Size()) return 0;
    std::memcpy(m_incoming.Lock() + offset, text.data() + pos, static_cast<size_t>(length));
    if (offset + static_cast<uint64_t>(length) != m_incoming.Size()) return 0;
    CMemBlock complete = std::move(m_incoming);
    if (!TakeImage(std::move(complete))) return 0;
    CreateGdiObjects();
    return 1;
}
