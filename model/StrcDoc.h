#pragma once
// The structure data file: a table of structure types on its own, with a
// 64-byte text and a free memory block, for tools that exchange structure
// tables. The game itself never makes one.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/BD.h"
#include "platform/core/MemBlock.h"

class CArchive;

class CStrcDoc {
public:
    static constexpr int kMaxTypes = 256;
    static constexpr int kTextSize = 64;
    // The magic: the text and the byte 0x1A, no terminating zero.
    static constexpr char kMagic[] = "MERCAVO Structure Data File  1.00\x1A";
    static constexpr size_t kMagicSize = sizeof kMagic - 1;

    CStrcDoc() = default;
    CStrcDoc(const CStrcDoc&) = delete;
    CStrcDoc& operator=(const CStrcDoc&) = delete;

    // The whole file. Loading throws eMERCAVO_ERROR_CONTENTS for a type
    // count outside 0..256 (and for a bad type, see CBD); when the block
    // cannot be allocated the types are dropped and std::bad_alloc thrown.
    void Serialize(CArchive& ar);

    // Writing and reading a file with the messages of the document: false
    // after the message when it failed.
    bool OnSaveDocument(const std::string& path);
    bool OnOpenDocument(const std::string& path);

    int GetTypeCount() const { return static_cast<int>(m_types.size()); }
    CBD& GetType(int i) { return *m_types[i]; }
    const CBD& GetType(int i) const { return *m_types[i]; }
    // false when the table is full.
    bool AddType(std::unique_ptr<CBD> type);

    const std::array<char, kTextSize>& GetText() const { return m_text; }
    // Cut to 64 bytes; the rest is zero.
    void SetText(const std::string& text);
    const CMemBlock& GetBlock() const { return m_block; }
    CMemBlock& GetBlock() { return m_block; }

private:
    std::vector<std::unique_ptr<CBD>> m_types;
    std::array<char, kTextSize> m_text{};
    CMemBlock m_block;
};
