#include "platform/ui/detail/QtWindowSystem.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/gfx/DibImage.h"
#include "platform/gfx/GdiDefs.h"
#include "platform/ui/detail/QtFontFace.h"
#include "platform/ui/detail/UiSystem.h"

namespace {

// Our own picture travels unchanged under this type beside the image that
// other programs understand.
const QString kDibMime = QStringLiteral("application/x-mercavo-dib");

QClipboard* Board() {
    CUiSystem::Ensure();
    return QGuiApplication::clipboard();
}

QImage DecodePacked(const std::vector<uint8_t>& dib) {
    const size_t info = CDibImage::PackedInfoSize(dib.data(), dib.size());
    if (info == 0 || info >= dib.size()) return QImage();
    CDibImage image;
    if (!image.Decode(dib.data(), info, dib.data() + info, dib.size() - info)) return QImage();
    QImage out(image.Width(), image.Height(), QImage::Format_RGB32);
    if (out.isNull()) return QImage();
    for (int y = 0; y < image.Height(); ++y)
        std::memcpy(out.scanLine(y), image.Rows().Row(y), static_cast<size_t>(image.Width()) * 4);
    return out;
}

template <typename T>
void Append(std::vector<uint8_t>& out, const T& value) {
    const auto* p = reinterpret_cast<const uint8_t*>(&value);
    out.insert(out.end(), p, p + sizeof(T));
}

std::vector<uint8_t> EncodeIndexed(const QImage& image) {
    const int w = image.width(), h = image.height();
    const QList<QRgb> table = image.colorTable();
    const size_t stride = static_cast<size_t>((w + 3) / 4 * 4);
    BITMAPINFOHEADER header;
    header.biWidth = w;
    header.biHeight = h;
    header.biBitCount = 8;
    header.biClrUsed = static_cast<DWORD>(table.size());
    header.biSizeImage = static_cast<DWORD>(stride * h);
    std::vector<uint8_t> out;
    Append(out, header);
    for (QRgb c : table) Append(out, RGBQUAD{BYTE(qBlue(c)), BYTE(qGreen(c)), BYTE(qRed(c)), 0});
    for (int y = h - 1; y >= 0; --y) {
        const uchar* row = image.constScanLine(y);
        out.insert(out.end(), row, row + w);
        out.insert(out.end(), stride - w, 0);
    }
    return out;
}

std::vector<uint8_t> EncodeTrueColour(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const size_t stride = static_cast<size_t>((w * 3 + 3) / 4 * 4);
    BITMAPINFOHEADER header;
    header.biWidth = w;
    header.biHeight = h;
    header.biBitCount = 24;
    header.biSizeImage = static_cast<DWORD>(stride * h);
    std::vector<uint8_t> out;
    Append(out, header);
    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const size_t start = out.size();
        for (int x = 0; x < w; ++x) {
            out.push_back(BYTE(qBlue(row[x])));
            out.push_back(BYTE(qGreen(row[x])));
            out.push_back(BYTE(qRed(row[x])));
        }
        out.resize(start + stride, 0);
    }
    return out;
}

}  // namespace

bool CQtWindowSystem::SetClipboardText(const std::string& text) {
    Board()->setText(QString::fromStdString(text));
    return true;
}

std::string CQtWindowSystem::GetClipboardText() {
    const QMimeData* data = Board()->mimeData();
    return data && data->hasText() ? data->text().toStdString() : std::string();
}

bool CQtWindowSystem::HasClipboardText() {
    const QMimeData* data = Board()->mimeData();
    return data && data->hasText();
}

bool CQtWindowSystem::SetClipboardDib(const std::vector<uint8_t>& packedDib) {
    const QImage image = DecodePacked(packedDib);
    if (image.isNull()) return false;
    auto* data = new QMimeData;
    data->setData(kDibMime, QByteArray(reinterpret_cast<const char*>(packedDib.data()),
                                       static_cast<qsizetype>(packedDib.size())));
    data->setImageData(image);
    Board()->setMimeData(data);
    return true;
}

std::vector<uint8_t> CQtWindowSystem::GetClipboardDib() {
    const QMimeData* data = Board()->mimeData();
    if (!data) return {};
    if (data->hasFormat(kDibMime)) {
        const QByteArray bytes = data->data(kDibMime);
        std::vector<uint8_t> dib(bytes.begin(), bytes.end());
        if (!DecodePacked(dib).isNull()) return dib;
    }
    if (!data->hasImage()) return {};
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull() || image.width() > 16384 || image.height() > 16384) return {};
    if (image.format() == QImage::Format_Indexed8 && image.colorCount() <= 256) {
        return EncodeIndexed(image);
    }
    return EncodeTrueColour(image);
}

bool CQtWindowSystem::HasClipboardDib() {
    const QMimeData* data = Board()->mimeData();
    return data && (data->hasFormat(kDibMime) || data->hasImage());
}

void CQtWindowSystem::EmptyClipboard() {
    Board()->clear();
}

// ---- Fonts and text ------------------------------------------------------------

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

// Qt draws straight onto our pixels through an image that borrows them.
QImage Borrow(const SPixelRows& pixels) {
    return QImage(reinterpret_cast<uchar*>(pixels.bits), pixels.width, pixels.height,
                  static_cast<qsizetype>(pixels.stride * 4), QImage::Format_RGB32);
}

QRect ToQRect(const SPixelBox& b) {
    return b.IsEmpty() ? QRect() : QRect(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

QColor ToQColor(COLORREF c) {
    return CUiSystem::ToQColor(c);
}

QPoint TextTopLeft(const STextJob& job, const QFontMetrics& fm, int width) {
    int x = job.x, y = job.y;
    if ((job.align & TA_CENTER) == TA_CENTER) {
        x -= width / 2;
    } else if (job.align & TA_RIGHT) {
        x -= width;
    }
    if ((job.align & TA_BASELINE) == TA_BASELINE) {
        y -= fm.ascent();
    } else if (job.align & TA_BOTTOM) {
        y -= fm.height();
    }
    return QPoint(x, y);
}

// The mask of what `draw` paints over `bounds` (surface coordinates).
template <typename Draw>
bool Coverage(const SPixelBox& bounds, std::vector<uint8_t>& out, Draw draw) {
    QImage mask(QSize(bounds.Width(), bounds.Height()), QImage::Format_Alpha8);
    if (mask.isNull()) return false;
    mask.fill(0);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(-bounds.left, -bounds.top);
    draw(p);
    p.end();
    out.resize(static_cast<size_t>(bounds.Width()) * bounds.Height());
    for (int y = 0; y < mask.height(); ++y)
        std::memcpy(out.data() + static_cast<size_t>(y) * bounds.Width(), mask.constScanLine(y),
                    static_cast<size_t>(bounds.Width()));
    return true;
}

}  // namespace

CQtWindowSystem& CQtWindowSystem::Instance() {
    static CQtWindowSystem* system = new CQtWindowSystem;
    return *system;
}

std::unique_ptr<CFontFace> CQtWindowSystem::MakeFace(const LOGFONT& request) {
    CUiSystem::Ensure();
    LOGFONT log = request;
    log.lfFaceName[sizeof(log.lfFaceName) - 1] = '\0';
    QFont font(FamilyFor(log));
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    const int weight = log.lfWeight <= 0 ? FW_NORMAL : std::clamp<int>(log.lfWeight, 100, 900);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(log.lfItalic != 0);
    font.setUnderline(log.lfUnderline != 0);
    font.setStrikeOut(log.lfStrikeOut != 0);
    const int height = log.lfHeight;
    if (height < 0) {
        font.setPixelSize(std::min(-height, 1000));
    } else {
        font.setPixelSize(PixelSizeForCell(font, height == 0 ? 16 : std::min(height, 1000)));
    }
    return std::make_unique<CQtFontFace>(log, font, MetricsOf(font));
}

bool CQtWindowSystem::DrawText(const CFontFace& face, const STextJob& job) {
    const auto& font = static_cast<const CQtFontFace&>(face);
    const QFontMetrics& fm = font.metrics;
    const QColor bk = ToQColor(job.bkColor);
    QImage surface = Borrow(job.surface);
    QPainter p(&surface);
    SPixelBox clip = job.clip;
    if (job.hasRect) {
        if (job.options & ETO_OPAQUE) p.fillRect(ToQRect(job.rect.Intersected(job.clip)), bk);
        if (job.options & ETO_CLIPPED) clip = clip.Intersected(job.rect);
    }
    const QList<uint> chars =
        QString::fromUtf8(job.text.data(), static_cast<qsizetype>(job.text.size())).toUcs4();
    int width = 0;
    if (job.dx) {
        for (qsizetype i = 0; i < chars.size(); ++i) width += job.dx[i];
    } else {
        width = font.Width(job.text);
    }
    const QPoint topLeft = TextTopLeft(job, fm, width);
    if (!clip.IsEmpty() && !chars.isEmpty()) {
        p.setClipRect(ToQRect(clip));
        if (job.bkMode == OPAQUE) p.fillRect(QRect(topLeft, QSize(width, fm.height())), bk);
        p.setFont(font.font);
        p.setPen(ToQColor(job.textColor));
        const QPoint baseline = topLeft + QPoint(0, fm.ascent());
        if (job.dx) {
            int advance = 0;
            for (qsizetype i = 0; i < chars.size(); ++i) {
                const char32_t c = chars[i];
                p.drawText(baseline + QPoint(advance, 0), QString::fromUcs4(&c, 1));
                advance += job.dx[i];
            }
        } else {
            p.drawText(baseline, QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.data()),
                                                   chars.size()));
        }
    }
    p.end();
    return true;
}

CSize CQtWindowSystem::TextExtent(const CFontFace& face, const std::string& text) {
    const auto& font = static_cast<const CQtFontFace&>(face);
    return CSize(font.Width(text), font.metrics.height());
}

bool CQtWindowSystem::TextMetrics(const CFontFace& face, TEXTMETRIC* tm) {
    const auto& font = static_cast<const CQtFontFace&>(face);
    const QFontMetrics& fm = font.metrics;
    tm->tmAscent = fm.ascent();
    tm->tmDescent = fm.descent();
    tm->tmHeight = fm.ascent() + fm.descent();
    tm->tmInternalLeading = std::max(0, tm->tmHeight - font.font.pixelSize());
    tm->tmExternalLeading = std::max(0, fm.leading());
    tm->tmAveCharWidth = fm.horizontalAdvance(QLatin1Char('x'));
    tm->tmMaxCharWidth = fm.maxWidth();
    tm->tmWeight = font.log.lfWeight;
    return true;
}

// ---- Shapes and pictures -------------------------------------------------------

bool CQtWindowSystem::PolygonCoverage(const SPixelBox& bounds, const std::vector<POINT>& points,
                                      std::vector<uint8_t>& mask) {
    CUiSystem::Ensure();
    QPolygon shape;
    for (const POINT& p : points) shape << QPoint(p.x, p.y);
    return Coverage(bounds, mask, [&](QPainter& qp) {
        qp.setPen(Qt::NoPen);
        qp.setBrush(Qt::black);
        qp.drawPolygon(shape, Qt::OddEvenFill);
    });
}

bool CQtWindowSystem::EllipseCoverage(const SPixelBox& bounds, const SPixelBox& box, bool outline,
                                      std::vector<uint8_t>& mask) {
    CUiSystem::Ensure();
    // The box as given, even without pixels: Qt draws from its edges.
    const QRect rect(box.left, box.top, box.right - box.left, box.bottom - box.top);
    return Coverage(bounds, mask, [&](QPainter& qp) {
        if (outline) {
            QPen pen(Qt::black);
            pen.setWidth(0);
            qp.setPen(pen);
            qp.setBrush(Qt::NoBrush);
            qp.drawEllipse(rect.adjusted(0, 0, -1, -1));
        } else {
            qp.setPen(Qt::NoPen);
            qp.setBrush(Qt::black);
            qp.drawEllipse(rect);
        }
    });
}

bool CQtWindowSystem::SavePng(const SPixelRows& pixels, const std::string& path) {
    CUiSystem::Ensure();
    return Borrow(pixels).save(QString::fromStdString(path), "PNG");
}
