#include "model/BM.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <new>
#include <stdexcept>
#include <unordered_map>

#include "model/DibHeader.h"
#include "model/FixedField.h"
#include "model/FixedFieldFormat.h"
#include "model/MercavoError.h"
#include "model/StoredForm.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/TextFormat.h"
#include "platform/gfx/Clipboard.h"
#include "platform/gfx/DC.h"

namespace {

constexpr const char* kTooBigMessage = "The size(%d x %d) is too big.\n※Max size is %d x %d.";
constexpr const char* kWrongSizeMessage = "Read the bitmap of %d x %d.\nThis file is %d x %d.";
constexpr const char* kCompressedMessage = "このﾋﾞｯﾄﾏｯﾌﾟは圧縮されており、利用できません.";
constexpr const char* kNoMemoryMessage = "読み込むのに必要なﾒﾓﾘが足りません。";
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

// The image as the platform's decoder takes it: the header with its colour
// table, and the rows. The decoder knows 1, 4, 8 and 24 bits per pixel, so
// 16- and 32-bit images are narrowed to 24 bits on the way.
struct SDrawableImage {
    std::vector<uint8_t> converted;
    const uint8_t* info = nullptr;
    size_t infoSize = 0;
    const uint8_t* bits = nullptr;
    size_t bitsSize = 0;
};

void NarrowRowTo24(const uint8_t* in, uint8_t* out, int width, int bitCount) {
    for (int x = 0; x < width; ++x, out += 3) {
        if (bitCount == 32) {
            std::memcpy(out, in + x * 4, 3);
            continue;
        }
        // 16 bits: five each of red, green and blue, blue lowest.
        uint16_t pixel = ReadLE16(in + x * 2);
        for (int c = 0; c < 3; ++c) {
            uint8_t v = static_cast<uint8_t>((pixel >> (5 * c)) & 31);
            out[c] = static_cast<uint8_t>(v << 3 | v >> 2);
        }
    }
}

SDrawableImage MakeDrawable(const CMemBlock& image, const CDibHeader& header) {
    SDrawableImage d;
    const uint8_t* block = image.Lock();
    if (header.bitCount != 16 && header.bitCount != 32) {
        d.info = block;
        d.infoSize = static_cast<size_t>(header.GetBitsOffset());
        d.bits = block + d.infoSize;
        d.bitsSize = static_cast<size_t>(header.GetBitsSize());
        return d;
    }
    CDibHeader narrow = header;
    narrow.size = CDibHeader::kInfoHeaderSize;
    narrow.bitCount = 24;
    size_t rows = static_cast<size_t>(header.GetBitsSize() / header.GetStride());
    size_t stride = static_cast<size_t>(narrow.GetStride());
    d.converted.assign(CDibHeader::kInfoHeaderSize + stride * rows, 0);
    uint8_t* out = d.converted.data();
    WriteLE32(out, CDibHeader::kInfoHeaderSize);
    WriteLE32(out + 4, static_cast<uint32_t>(header.width));
    WriteLE32(out + 8, static_cast<uint32_t>(header.height));
    WriteLE16(out + 12, 1);
    WriteLE16(out + 14, 24);
    const uint8_t* in = block + header.GetBitsOffset();
    for (size_t row = 0; row < rows; ++row) {
        NarrowRowTo24(in + row * header.GetStride(),
                      out + CDibHeader::kInfoHeaderSize + row * stride, header.width,
                      header.bitCount);
    }
    d.info = out;
    d.infoSize = CDibHeader::kInfoHeaderSize;
    d.bits = out + CDibHeader::kInfoHeaderSize;
    d.bitsSize = stride * rows;
    return d;
}

// The fixed spread of 8 reds, 8 greens and 4 blues that stands in for a
// colour table.
uint32_t FixedPaletteColor(uint32_t i) {
    return (i % 8) * 32 | ((i / 8) % 8) * 32 << 8 | (i / 64) * 64 << 16;
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
    ReleaseGdiObjects();
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
    CheckRemaining(ar, size, 1);
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
    ReleaseGdiObjects();
    m_width = 0;
    m_height = 0;
}

int CBM::CreateGdiObjects() {
    if (!CreatePalette()) {
        Services::Frame().Beep();
        return 0;
    }
    m_bitmapDue = true;
    return 1;
}

CBitmap* CBM::GetBitmap() const {
    if (m_bitmapDue) {
        // Made from the image as CreateGdiObjects would have made it; a
        // failure leaves no bitmap, as it did there.
        CBM& self = const_cast<CBM&>(*this);
        self.m_bitmapDue = false;
        self.CreateBitmap();
    }
    return m_bitmap.get();
}

int CBM::CreatePalette() {
    m_palette.clear();
    m_gdiPalette.reset();
    auto header = CDibHeader::Read(m_image.Lock(), m_image.Size());
    if (!header) return 0;
    // Without a colour table (a true-colour image) the fixed spread stands in.
    const int count = header->GetColorCount();
    const size_t size = count == 0 ? 256 : static_cast<size_t>(count);
    const uint8_t* table = m_image.Lock() + header->size;
    const size_t entrySize = header->size == CDibHeader::kCoreHeaderSize ? 3 : 4;
    m_palette.resize(size);
    std::vector<PALETTEENTRY> entries(size);
    for (size_t i = 0; i < size; ++i) {
        uint32_t color = FixedPaletteColor(static_cast<uint32_t>(i));
        if (count != 0) {
            const uint8_t* entry = table + i * entrySize;  // blue, green, red
            color = uint32_t{entry[2]} | uint32_t{entry[1]} << 8 | uint32_t{entry[0]} << 16;
        }
        m_palette[i] = color;
        entries[i] = {GetRValue(color), GetGValue(color), GetBValue(color), 0};
    }
    auto palette = std::make_unique<CPalette>();
    if (!palette->CreatePalette(entries.data(), static_cast<int>(entries.size()))) {
        m_palette.clear();
        return 0;
    }
    m_gdiPalette = std::move(palette);
    return 1;
}

int CBM::CreateBitmap() {
    auto header = CDibHeader::Read(m_image.Lock(), m_image.Size());
    m_bitmapDue = false;
    if (!header) return 0;
    m_width = header->width;
    m_height = header->height;
    m_bitmap.reset();
    auto bitmap = std::make_unique<CBitmap>();
    int rows = static_cast<int>(header->GetBitsSize() / std::max<uint64_t>(header->GetStride(), 1));
    if (!bitmap->CreateBitmap(m_width, rows)) return 0;
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap* previous = memory.SelectObject(bitmap.get());
    bool drawn = DrawImage(memory, 0, 0, m_width, rows);
    memory.SelectObject(previous);
    if (!drawn) return 0;
    m_bitmap = std::move(bitmap);
    return 1;
}

void CBM::ReleaseGdiObjects() {
    m_palette.clear();
    m_gdiPalette.reset();
    m_bitmap.reset();
    m_bitmapDue = false;
}

bool CBM::DrawImage(CDC& dc, int x, int y, int width, int height) const {
    auto header = CDibHeader::Read(m_image.Lock(), m_image.Size());
    if (!header || !header->IsUsable(m_image.Size())) return false;
    int rows = static_cast<int>(header->GetBitsSize() / header->GetStride());
    width = std::min(width, static_cast<int>(header->width));
    height = std::min(height, rows);
    if (width <= 0 || height <= 0) return false;
    SDrawableImage image = MakeDrawable(m_image, *header);
    CPalette* previous = m_gdiPalette ? dc.SelectPalette(m_gdiPalette.get(), FALSE) : nullptr;
    dc.RealizePalette();
    // Rows of a bottom-up image are counted from the bottom: the top-left
    // part starts `rows - height` rows up.
    int ySource = header->height > 0 ? rows - height : 0;
    int drawn = dc.SetDIBitsToDevice(x, y, width, height, 0, ySource, image.bits, image.bitsSize,
                                     image.info, image.infoSize, DIB_RGB_COLORS);
    if (m_gdiPalette) dc.SelectPalette(previous, FALSE);
    return drawn > 0;
}

bool CBM::Draw(CDC& dc, int x, int y, int width, int height) const {
    if (!HasImage()) return false;
    // A bitmap not made yet would hold exactly what the image draws.
    if (!m_bitmap) return DrawImage(dc, x, y, width, height);
    CSize size = m_bitmap->GetSize();
    width = std::min(width, static_cast<int>(size.cx));
    height = std::min(height, static_cast<int>(size.cy));
    if (width <= 0 || height <= 0) return false;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* previous = memory.SelectObject(m_bitmap.get());
    BOOL copied = dc.BitBlt(x, y, width, height, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
    return copied != FALSE;
}

int CBM::FromBitmap(CBitmap& bitmap, uint32_t compression, int bitsPerPixel,
                    const CPalette* palette) {
    // Our images are never compressed.
    if (compression != 0 || !bitmap.IsCreated()) return 0;
    if (bitsPerPixel == 0) bitsPerPixel = 32;
    if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) return 0;
    CSize size = bitmap.GetSize();
    if (size.cx < 1 || size.cy < 1 || size.cx > kMaxSide || size.cy > kMaxSide) return 0;

    CPalette fixed;
    std::vector<PALETTEENTRY> colors;
    if (bitsPerPixel == 8) {
        if (!palette || palette->GetEntryCount() == 0) {
            for (uint32_t i = 0; i < 256; ++i) {
                uint32_t c = FixedPaletteColor(i);
                colors.push_back({GetRValue(c), GetGValue(c), GetBValue(c), 0});
            }
            fixed.CreatePalette(colors.data(), 256);
            palette = &fixed;
        }
        colors.resize(static_cast<size_t>(palette->GetEntryCount()));
        palette->GetPaletteEntries(0, static_cast<UINT>(colors.size()), colors.data());
    }
    CDibHeader header;
    header.size = CDibHeader::kInfoHeaderSize;
    header.width = size.cx;
    header.height = size.cy;
    header.bitCount = static_cast<uint16_t>(bitsPerPixel);
    uint64_t stride = header.GetStride();
    size_t tableSize = colors.size() * 4;
    CMemBlock block;
    if (!block.Alloc(CDibHeader::kInfoHeaderSize + tableSize + stride * size.cy)) return 0;
    uint8_t* out = block.Lock();
    WriteLE32(out, CDibHeader::kInfoHeaderSize);
    WriteLE32(out + 4, static_cast<uint32_t>(size.cx));
    WriteLE32(out + 8, static_cast<uint32_t>(size.cy));
    WriteLE16(out + 12, 1);
    WriteLE16(out + 14, static_cast<uint16_t>(bitsPerPixel));
    WriteLE32(out + 20, static_cast<uint32_t>(stride * size.cy));
    WriteLE32(out + 32, static_cast<uint32_t>(colors.size()));
    uint8_t* table = out + CDibHeader::kInfoHeaderSize;
    for (const PALETTEENTRY& e : colors) {
        *table++ = e.peBlue;
        *table++ = e.peGreen;
        *table++ = e.peRed;
        *table++ = 0;
    }

    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap* previous = memory.SelectObject(&bitmap);
    uint8_t* bits = out + CDibHeader::kInfoHeaderSize + tableSize;
    int bytesPerPixel = bitsPerPixel / 8;
    std::unordered_map<COLORREF, uint8_t> nearest;
    for (int y = 0; y < size.cy; ++y) {
        // Bottom row first.
        uint8_t* row = bits + stride * static_cast<uint64_t>(size.cy - 1 - y);
        for (int x = 0; x < size.cx; ++x) {
            COLORREF color = memory.GetPixel(x, y);
            uint8_t* pixel = row + x * bytesPerPixel;
            if (bitsPerPixel == 8) {
                auto found = nearest.find(color);
                if (found == nearest.end()) {
                    found =
                        nearest
                            .emplace(color,
                                     static_cast<uint8_t>(palette->GetNearestPaletteIndex(color)))
                            .first;
                }
                *pixel = found->second;
                continue;
            }
            pixel[0] = GetBValue(color);
            pixel[1] = GetGValue(color);
            pixel[2] = GetRValue(color);
        }
    }
    memory.SelectObject(previous);
    return TakeImage(std::move(block)) ? 1 : 0;
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
    // Both checks run; a wrong size overrides the size limit in the message.
    std::string sizeMessage;
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        sizeMessage = FormatText(kTooBigMessage, width, height, kMaxSide, kMaxSide);
    if ((expectedWidth > 0 || expectedHeight > 0) &&
        (expectedWidth != width || expectedHeight != height))
        sizeMessage = FormatText(kWrongSizeMessage, expectedWidth, expectedHeight, width, height);
    if (!sizeMessage.empty()) {
        ShowLoadMessage(sizeMessage);
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

bool CBM::CopyToClipboard() const {
    if (!HasImage()) return false;
    auto header = CDibHeader::Read(m_image.Lock(), m_image.Size());
    if (!header) return false;
    SDrawableImage image = MakeDrawable(m_image, *header);
    std::vector<uint8_t> block(image.info, image.info + image.infoSize);
    block.insert(block.end(), image.bits, image.bits + image.bitsSize);
    return SetClipboardDib(block);
}

int CBM::PasteFromClipboard(int& expectedWidth, int& expectedHeight) {
    std::vector<uint8_t> dib = GetClipboardDib();
    auto header = CDibHeader::Read(dib.data(), dib.size());
    if (!header) {
        Services::Frame().Beep();
        return 0;
    }
    int width = header->width;
    int height = header->height == INT32_MIN ? INT32_MAX : std::abs(header->height);
    if (expectedWidth != 0 && expectedHeight != 0 &&
        (expectedWidth != width || expectedHeight != height)) {
        ShowLoadMessage(
            FormatText(kWrongSizeMessage, expectedWidth, expectedHeight, width, height));
        return 0;
    }
    if (width > kMaxSide || height > kMaxSide) {
        ShowLoadMessage(FormatText(kTooBigMessage, width, height, kMaxSide, kMaxSide));
        return 0;
    }
    if (header->compression != 0) {
        ShowLoadMessage(kCompressedMessage);
        return 0;
    }
    // Whatever put the block there, it is checked whole before any of it is
    // read as a picture.
    if (!header->IsUsable(dib.size())) {
        Services::Frame().Beep();
        return 0;
    }
    CMemBlock block;
    if (!block.Alloc(dib.size())) {
        ShowLoadMessage(kNoMemoryMessage);
        return 0;
    }
    std::memcpy(block.Lock(), dib.data(), dib.size());
    if (header->height < 0) FlipToBottomUp(block.Lock(), *header);
    if (!TakeImage(std::move(block)) || !CreateGdiObjects()) {
        Clear();
        return 0;
    }
    expectedWidth = m_width;
    expectedHeight = m_height;
    return 1;
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
