#include "model/StrcDoc.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "model/MercavoError.h"
#include "model/StoredForm.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/ArchiveStream.h"

namespace {
constexpr const char* kSaveFailedMessage = "The game data could not be saved.";
constexpr const char* kReadFailedMessage = "ﾃﾞｰﾀの読み込みに失敗しました。";
constexpr const char* kNoMemoryMessage = "読み込むのに必要なﾒﾓﾘが足りません。";
}  // namespace

bool CStrcDoc::AddType(std::unique_ptr<CBD> type) {
    if (GetTypeCount() >= kMaxTypes) return false;
    m_types.push_back(std::move(type));
    return true;
}

void CStrcDoc::SetText(const std::string& text) {
    m_text.fill(0);
    std::memcpy(m_text.data(), text.data(), std::min(text.size(), m_text.size()));
}

void CStrcDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        int32_t count = GetTypeCount();
        ar.Write(kMagic, kMagicSize);
        ar.WriteInt(2);
        ar.WriteInt(0);
        ar.WriteInt(count * 3 + 4);
        ar.WriteInt(count);
        for (auto& type : m_types) type->Serialize(ar);
        ar.Write(m_text.data(), m_text.size());
        ar.WriteInt(static_cast<int32_t>(m_block.Size()));
        if (!m_block.IsEmpty()) ar.Write(m_block.Lock(), m_block.Size());
        return;
    }
    char magic[kMagicSize];
    ar.Read(magic, sizeof magic);
    for (int i = 0; i < 3; ++i) ar.ReadInt();
    int32_t count = CheckRange(ar.ReadInt(), 0, kMaxTypes);
    m_types.clear();
    for (int i = 0; i < count; ++i) {
        auto type = std::make_unique<CBD>();
        type->Serialize(ar);
        // A type without pictures simply has no strip.
        type->BuildPictureStrip();
        m_types.push_back(std::move(type));
    }
    ar.Read(m_text.data(), m_text.size());
    int32_t size = ar.ReadInt();
    CMemBlock block;
    if (size > 0) {
        CheckRemaining(ar, size, 1);
        if (!block.Alloc(static_cast<size_t>(size))) {
            m_types.clear();
            throw std::bad_alloc();
        }
        ar.Read(block.Lock(), block.Size());
    }
    m_block = std::move(block);
}

bool CStrcDoc::OnSaveDocument(const std::string& path) {
    try {
        CFileStream file;
        if (!file.Open(path, CFileStream::modeWrite)) {
            throw CArchiveException(CArchiveException::writeFailed, "cannot create file");
        }
        CArchive ar(file, CArchive::store);
        Serialize(ar);
        if (!file.Close()) throw CArchiveException(CArchiveException::writeFailed, "write failed");
        return true;
    } catch (...) {
        Services::Frame().ShowMessageBox(kSaveFailedMessage, kMessageIconExclamation);
        return false;
    }
}

bool CStrcDoc::OnOpenDocument(const std::string& path) {
    try {
        CFileStream file;
        if (!file.Open(path, CFileStream::modeRead)) {
            throw CArchiveException(CArchiveException::endOfFile, "cannot open file");
        }
        CArchive ar(file, CArchive::load);
        Serialize(ar);
        return true;
    } catch (const CArchiveException&) {
        Services::Frame().ShowMessageBox(kReadFailedMessage, kMessageIconExclamation);
    } catch (...) {
        Services::Frame().ShowMessageBox(kNoMemoryMessage, kMessageIconExclamation);
    }
    return false;
}
