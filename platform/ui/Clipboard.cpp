#include "platform/ui/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <cstring>

#include "platform/ui/GdiDefs.h"
#include "platform/ui/detail/DibDecoder.h"
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
    const size_t info = CDibDecoder::PackedInfoSize(dib.data(), dib.size());
    if (info == 0 || info >= dib.size()) return QImage();
    return CDibDecoder::Decode(dib.data(), info, dib.data() + info, dib.size() - info);
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

bool CClipboard::SetText(const std::string& text) {
    Board()->setText(QString::fromStdString(text));
    return true;
}

std::string CClipboard::GetText() {
    const QMimeData* data = Board()->mimeData();
    return data && data->hasText() ? data->text().toStdString() : std::string();
}

bool CClipboard::HasText() {
    const QMimeData* data = Board()->mimeData();
    return data && data->hasText();
}

bool CClipboard::SetDib(const std::vector<uint8_t>& packedDib) {
    const QImage image = DecodePacked(packedDib);
    if (image.isNull()) return false;
    auto* data = new QMimeData;
    data->setData(kDibMime, QByteArray(reinterpret_cast<const char*>(packedDib.data()),
                                       static_cast<qsizetype>(packedDib.size())));
    data->setImageData(image);
    Board()->setMimeData(data);
    return true;
}

std::vector<uint8_t> CClipboard::GetDib() {
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

bool CClipboard::HasDib() {
    const QMimeData* data = Board()->mimeData();
    return data && (data->hasFormat(kDibMime) || data->hasImage());
}

void CClipboard::Empty() {
    Board()->clear();
}
