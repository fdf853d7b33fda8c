#include "platform/ui/Font.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "platform/ui/detail/FontImpl.h"
#include "platform/ui/detail/UiSystem.h"

namespace {

QString FamilyFor(const LOGFONT& log) {
    const std::string face = log.lfFaceName;
    if ((log.lfPitchAndFamily & 0x03) == FIXED_PITCH || face.find("Courier") != std::string::npos ||
        face.find("Mono") != std::string::npos) {
        return QStringLiteral("DejaVu Sans Mono");
    }
    return QStringLiteral("DejaVu Sans");
}

// Metrics as drawn on our 32-bit surfaces.
QFontMetrics MetricsOf(const QFont& font) {
    static QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetrics(font, &device);
}

// The pixel size whose cell height (ascent + descent) is at most `cell`.
int PixelSizeForCell(QFont font, int cell) {
    font.setPixelSize(cell);
    const int measured = std::max(1, MetricsOf(font).height());
    int size = std::max(1, static_cast<int>(std::lround(double(cell) * cell / measured)));
    for (; size > 1; --size) {
        font.setPixelSize(size);
        if (MetricsOf(font).height() <= cell) break;
    }
    return size;
}

}  // namespace

CFont::CFont() : m_impl(std::make_unique<Impl>()) {}

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
    CUiSystem::Ensure();
    Impl& impl = *m_impl;
    impl.log = *log;
    impl.log.lfFaceName[sizeof(impl.log.lfFaceName) - 1] = '\0';
    QFont font(FamilyFor(impl.log));
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    const int weight =
        impl.log.lfWeight <= 0 ? FW_NORMAL : std::clamp<int>(impl.log.lfWeight, 100, 900);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(impl.log.lfItalic != 0);
    font.setUnderline(impl.log.lfUnderline != 0);
    font.setStrikeOut(impl.log.lfStrikeOut != 0);
    const int height = impl.log.lfHeight;
    if (height < 0) {
        font.setPixelSize(std::min(-height, 1000));
    } else {
        font.setPixelSize(PixelSizeForCell(font, height == 0 ? 16 : std::min(height, 1000)));
    }
    impl.font = font;
    impl.metrics.emplace(MetricsOf(font));
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
    *log = m_impl->log;
    return TRUE;
}

void CFont::Release() {
    m_impl->metrics.reset();
    m_impl->font = QFont();
}
