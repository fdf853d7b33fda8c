#pragma once
// A picture of the game (a face, one view of a land or structure type): a
// packed device-independent bitmap (header, colour table, bits) in one memory
// block, with the logical palette made from its colour table. It stores
// itself in archives, loads and saves .BMP files and travels to network peers
// in 400-byte parts. Every image is checked whole before it is taken, so a
// picture never holds a block whose header points outside it.

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/MemBlock.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Palette.h"

class CArchive;
class CDC;

class CBM {
public:
    // Raw bytes of one network picture part.
    static constexpr int kPartSize = 400;
    static constexpr int kMaxSide = 1280;

    CBM() = default;
    // Takes ownership of a whole image and makes its palette at once; an
    // image that is not usable is freed and the picture stays empty.
    explicit CBM(CMemBlock&& image);
    // Copies the image into a new block (std::bad_alloc when there is no
    // memory for it).
    CBM(const CBM& other);
    CBM& operator=(const CBM& other);
    ~CBM() = default;

    // A 32-bit byte count n (0 = no image), then the n bytes of the block.
    // Loading feeds n and a sample of the bytes to the data checksum and
    // throws eMERCAVO_ERROR_CONTENTS for an image that is not usable.
    void Serialize(CArchive& ar);

    // Frees the image, the bitmap and the palette; the size becomes 0 x 0.
    void Clear();
    // The palette, then the bitmap: 0 (after a beep) without a palette. The
    // bitmap is made when it is first asked for: a picture that goes
    // straight into a strip is drawn from its image and never needs one.
    int CreateGdiObjects();
    // 1 when a palette was made from the image's colour table (or the fixed
    // 256-colour one for an image without a table); 0 without an image.
    int CreatePalette();
    // Takes width and height from the header and makes the device bitmap
    // from the image; 0 without an image or when the bitmap cannot be made.
    int CreateBitmap();
    // Drops the bitmap and the palette; the image data stays.
    void ReleaseGdiObjects();
    // Made after CreateGdiObjects (on this first call); nullptr before and
    // after ReleaseGdiObjects.
    CBitmap* GetBitmap() const;
    CPalette* GetPalette() const { return m_gdiPalette.get(); }

    // Copies the top-left width x height of the picture (cut to its size) to
    // (x, y) on the context: from the bitmap, or straight from the image when
    // the bitmap was released or not made yet. false without an image.
    bool Draw(CDC& dc, int x, int y, int width, int height) const;
    // Rebuilds the image from a device bitmap: uncompressed only (any other
    // compression gives 0); bitsPerPixel 8, 24 or 32, 0 for the bitmap's own
    // depth. An 8-bit image takes its colour table from the palette (the
    // fixed 256-colour one when none is given). The bitmap and palette of
    // the picture are not made here. 1 when the image was replaced.
    int FromBitmap(CBitmap& bitmap, uint32_t compression, int bitsPerPixel,
                   const CPalette* palette);

    // Loads a .BMP file. expectedWidth/Height in/out: when either is above 0
    // the file must have that size; unless expectedWidth is -1 the file's
    // size is written back. 1 on success; 0 on failure, with a message box
    // for a size or compression problem.
    int LoadFromFile(const std::string& fileName, int& expectedWidth, int& expectedHeight,
                     int keepWithoutGdi);
    // Reads the file header and the information header of an open .BMP file
    // into a new block (a 40-byte header and the colour table with 4-byte
    // entries) and positions the file at the bits; empty on failure. The
    // image size in the header is the size the bits need.
    static CMemBlock ReadFileHeader(std::istream& file);
    // Writes a .BMP file; false when there is no image. A file that cannot
    // be written throws CArchiveException.
    bool SaveToFile(const std::string& fileName) const;

    // Puts the image on the clipboard (a 16- or 32-bit image as a 24-bit
    // one); false without an image or when the clipboard refuses it.
    bool CopyToClipboard() const;
    // Takes the clipboard's picture. expectedWidth/Height in/out: when both
    // are non-zero the picture must have that size; the picture's size is
    // written back on success. 1 on success; 0 with the messages of
    // LoadFromFile for a size or compression problem, and with a beep when
    // there is no picture or its block is damaged. A failure keeps the
    // previous image.
    int PasteFromClipboard(int& expectedWidth, int& expectedHeight);

    // Sends a start record (startHeader + width, height, byte count) and,
    // with an image, the parts (partHeader + part number, length, raw bytes)
    // to one player or to all (-1).
    void Send(int player, const std::string& startHeader, const std::string& partHeader) const;
    // The text after the start header: frees the image and prepares a block
    // for the announced byte count. 1 when a block was made.
    int ReceiveStart(std::string_view text);
    // The text after the part header, raw bytes included. 1 when this part
    // completed a usable picture; bad parts are ignored.
    int ReceivePart(std::string_view text);

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    bool HasImage() const { return !m_image.IsEmpty(); }
    const CMemBlock& GetImage() const { return m_image; }
    // Bytes of the colour table of the image (0 without an image).
    uint32_t GetColorTableSize() const;
    bool HasPalette() const { return !m_palette.empty(); }
    // The logical palette, one colour (red | green << 8 | blue << 16) per entry.
    const std::vector<uint32_t>& GetPaletteColors() const { return m_palette; }

private:
    // Takes the block when it holds a usable image; false leaves the
    // picture as it was.
    bool TakeImage(CMemBlock&& block);
    void ShowLoadMessage(const std::string& text) const;
    // Draws the image through the platform's decoder.
    bool DrawImage(CDC& dc, int x, int y, int width, int height) const;

    int m_width = 0;
    int m_height = 0;
    CMemBlock m_image;
    // The palette's colours, and the palette and bitmap made for drawing.
    std::vector<uint32_t> m_palette;
    std::unique_ptr<CPalette> m_gdiPalette;
    std::unique_ptr<CBitmap> m_bitmap;
    // CreateGdiObjects asked for a bitmap that GetBitmap has not made yet.
    bool m_bitmapDue = false;
    // A picture arriving over the network, until its last part is in.
    CMemBlock m_incoming;
};
