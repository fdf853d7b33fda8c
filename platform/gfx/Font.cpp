#include "platform/gfx/Font.h"

#include <algorithm>
#include <cstring>

#include "platform/gfx/WindowSystem.h"

CFont::CFont() = default;

CFont::~CFont() = default;

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* face) {
    LOGFONT log;
    log.lfHeight = height;
    log.lfWidth = width;
    log.lfEscapement = escapement;
    log.lfOrientation = orientation;
    log.lfWeight = weight;
    log.lfItalic = italic;
    log.lfUnderline = underline;
    log.lfStrikeOut = strikeOut;
    log.lfCharSet = charSet;
    log.lfOutPrecision = outPrecision;
    log.lfClipPrecision = clipPrecision;
    log.lfQuality = quality;
    log.lfPitchAndFamily = pitchAndFamily;
    if (face) std::strncpy(log.lfFaceName, face, sizeof(log.lfFaceName) - 1);
    return CreateFontIndirect(&log);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* log) {
    if (m_created || !log) return FALSE;
    m_log = *log;
    m_log.lfFaceName[sizeof(m_log.lfFaceName) - 1] = '\0';
    m_created = true;
    return TRUE;
}

BOOL CFont::CreatePointFont(int pointSize, const char* face) {
    LOGFONT log;
    log.lfHeight = -std::max(1, (pointSize * 96 + 360) / 720);
    if (face) std::strncpy(log.lfFaceName, face, sizeof(log.lfFaceName) - 1);
    return CreateFontIndirect(&log);
}

BOOL CFont::GetLogFont(LOGFONT* log) const {
    if (!m_created || !log) return FALSE;
    *log = m_log;
    return TRUE;
}

const CFontFace* CFont::Face() const {
    IWindowSystem* system = IWindowSystem::Get();
    if (!m_created || !system) return nullptr;
    // A face belongs to the window system that made it.
    if (!m_face || m_faceSystem != system) {
        m_face = system->MakeFace(m_log);
        m_faceSystem = system;
    }
    return m_face.get();
}

void CFont::Release() {
    m_face.reset();
    m_faceSystem = nullptr;
}
