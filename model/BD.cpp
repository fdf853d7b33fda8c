#include "model/BD.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "model/FixedField.h"
#include "model/FixedFieldFormat.h"
#include "model/Formatting.h"
#include "model/MercavoError.h"
#include "model/StoredForm.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/gfx/DC.h"

namespace {

constexpr int kRecordClass = 300;
constexpr int kRecordGroup = 3;

// A text of the type record: length L, then L + 1 bytes when L > 0. A length
// below 1 is no text at all. The length is an integer of the record and is
// fed to the checksum as soon as it is read, like every other integer; the
// text's bytes follow.
std::string ReadTypeText(CArchive& ar) {
    int32_t length = ar.ReadInt();
    Services::App().DataChecksum().Add(length);
    if (length < 1) return {};
    if (length > CArchive::kMaxTextLength ||
        static_cast<uint64_t>(length) + 1 > ar.Stream().Remaining()) {
        throw CArchiveException(CArchiveException::badLength, "type text too long");
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ar.Read(text.data(), text.size());
    text.resize(std::strlen(text.c_str()));
    Services::App().DataChecksum().AddString(text);
    return text;
}

std::string FormatDoubleBytes(double value) {
    uint8_t bytes[8];
    std::memcpy(bytes, &value, sizeof bytes);
    std::string text;
    for (uint8_t byte : bytes) text += FormatFixedInt(byte, 3);
    return text;
}

// Eight "%03d" bytes back into a double; none when a byte is out of range.
std::optional<double> ParseDoubleBytes(std::string_view text, int& pos) {
    uint8_t bytes[8];
    for (uint8_t& byte : bytes) {
        int value = ParseFixedInt(text, pos, 3);
        if (value < 0 || value > 255) return std::nullopt;
        byte = static_cast<uint8_t>(value);
    }
    double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

bool Overran(std::string_view text, int pos) {
    return pos > static_cast<int>(text.size());
}

// One visitor out of a lambda for the figures and one for the blocks.
template <typename... F>
struct SOverload : F... {
    using F::operator()...;
};
template <typename... F>
SOverload(F...) -> SOverload<F...>;

}  // namespace

CBD::CBD() {
    ComputeEvenness();
}

CBD::CBD(const CBD& other) {
    *this = other;
    m_effects.clear();
    m_name = kDefaultName;
    if (other.m_pictureStrip) BuildPictureStrip();
}

CBD& CBD::operator=(const CBD& other) {
    if (this == &other) return *this;
    m_tag = other.m_tag;
    m_evenness = other.m_evenness;
    CopyFigures(other);
    m_effects = other.m_effects;
    m_firstPictures = other.m_firstPictures;
    m_secondPictures = other.m_secondPictures;
    m_name = other.m_name;
    m_secondText = other.m_secondText;
    m_stripCellWidth = 0;
    m_stripCellHeight = 0;
    m_pictureStrip.reset();
    m_stripNumber = other.m_stripNumber;
    m_pictureOffsets = other.m_pictureOffsets;
    return *this;
}

template <typename Self, typename Visitor>
void CBD::VisitFields(Self& bd, Visitor&& visit) {
    constexpr eFigure plain = eFigure::plain;
    visit(bd.m_landValue, 6, plain);
    visit(bd.m_fixedLandPrice, 8, plain);
    visit(bd.m_basePrice, 8, plain);
    visit(bd.m_valueFigure, 6, plain);
    visit(bd.m_priceStep, 4, plain);
    visit(bd.m_durability, 6, plain);
    visit(bd.m_usableFlag, 1, eFigure::flag);
    visit(bd.m_secondFlag, 1, eFigure::flag);
    visit(bd.m_thirdFlag, 1, eFigure::flag);
    visit(bd.m_typeCode, 4, plain);
    for (auto& revenue : bd.m_revenue) visit(revenue, 6, plain);
    visit(eBlock::effectCount);
    visit(eBlock::effects);
    visit(bd.m_effectRadius, 4, plain);
    for (auto& factor : bd.m_monthFactors) visit(factor, 3, plain);
    visit(eBlock::pictures);
    for (int d = 0; d < kDirections; ++d) {
        visit(bd.m_viewValueA[d], 2, eFigure::pictureNumber);
        visit(bd.m_viewValueB[d], 2, plain);
        visit(bd.m_viewOffset[d].x, 4, plain);
        visit(bd.m_viewOffset[d].y, 4, plain);
        visit(bd.m_viewExtent[d].x, 4, plain);
        visit(bd.m_viewExtent[d].y, 4, plain);
    }
    visit(bd.m_width, 3, eFigure::size);
    visit(bd.m_height, 3, eFigure::size);
    for (auto* bonus :
         {&bd.m_gradeBonus, &bd.m_areaBonus, &bd.m_extraFigure4, &bd.m_influenceRange})
        visit(*bonus, 6, plain);
    for (auto& value : bd.m_effectValues) visit(value, 6, plain);
    visit(eBlock::texts);
}

void CBD::CopyFigures(const CBD& other) {
    std::vector<int32_t*> mine;
    VisitFields(*this, SOverload{[&](int32_t& figure, int, eFigure) { mine.push_back(&figure); },
                                 [](eBlock) {}});
    size_t next = 0;
    VisitFields(other,
                SOverload{[&](const int32_t& figure, int, eFigure) { *mine[next++] = figure; },
                          [](eBlock) {}});
}

void CBD::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        VisitFields(*this, SOverload{[&](int32_t figure, int, eFigure) { ar.WriteInt(figure); },
                                     [&](eBlock block) { SerializeBlock(ar, block); }});
        return;
    }
    VisitFields(*this, SOverload{[&](int32_t& figure, int, eFigure kind) {
                                     figure = ReadFed(ar);
                                     if (kind == eFigure::size) CheckRange(figure, 1, kMaxSize);
                                     if (kind == eFigure::pictureNumber)
                                         CheckRange(figure, 0, kDirections);
                                 },
                                 [&](eBlock block) { SerializeBlock(ar, block); }});
    ComputeEvenness();
}

void CBD::SerializeBlock(CArchive& ar, eBlock block) {
    const bool storing = ar.IsStoring();
    switch (block) {
        case eBlock::effectCount:
            if (storing)
                ar.WriteInt(static_cast<int32_t>(m_effects.size()));
            else
                m_effects.assign(static_cast<size_t>(CheckRange(ReadFed(ar), 0, kMaxEffects)),
                                 CEfct());
            break;
        case eBlock::effects:
            for (CEfct& effect : m_effects) effect.Serialize(ar);
            break;
        case eBlock::pictures:
            for (int d = 0; d < kDirections; ++d) {
                m_firstPictures[d].Serialize(ar);
                m_secondPictures[d].Serialize(ar);
            }
            break;
        case eBlock::texts:
            if (storing) {
                ar.WriteRecordText(m_name);
                ar.WriteRecordText(m_secondText);
            } else {
                m_name.clear();
                m_secondText.clear();
                m_name = ReadTypeText(ar);
                m_secondText = ReadTypeText(ar);
            }
            break;
    }
}

void CBD::ComputeEvenness() {
    double mean = 0.0;
    for (int32_t factor : m_monthFactors) mean += factor;
    mean /= kMonths;
    double variance = 0.0;
    for (int32_t factor : m_monthFactors) variance += (factor - mean) * (factor - mean);
    variance /= kMonths;
    m_evenness =
        variance > 0.000001 && mean > 0.000001 ? 1.0 - std::sqrt(variance) / mean / 2 : 1.0;
}

void CBD::GetSize(int& width, int& height) const {
    width = m_width;
    height = m_height;
}

void CBD::GetViewSize(int direction, int& width, int& height) const {
    if (direction == 0 || direction == 2) {
        width = m_width;
        height = m_height;
    } else if (direction == 1 || direction == 3) {
        width = m_height;
        height = m_width;
    }
}

bool CBD::IsType60(bool strict) const {
    return strict ? m_typeCode == StructureCode::kHeadOffice
                  : StructureCode::IsOfficeCode(m_typeCode);
}

bool CBD::CanBeBuiltOver() const {
    switch (m_typeCode) {
        case StructureCode::kMast:
        case StructureCode::kFixed50:
        case StructureCode::kFixed51:
        case StructureCode::kHeadOffice:
        case StructureCode::kBranchOffice:
            return false;
        default:
            return true;
    }
}

bool CBD::IsDestructible() const {
    return m_typeCode != StructureCode::kRubble && CanBeBuiltOver();
}

double CBD::GetEffect(int structureNumber) const {
    if (structureNumber == 0) return 0.0;
    for (const CEfct& effect : m_effects) {
        if (effect.GetTypeIndex() == structureNumber - 1) return effect.GetFactor();
    }
    return 0.0;
}

int CBD::BuildPictureStrip() {
    int64_t cellWidth = 0, cellHeight = 0;
    for (int d = 0; d < kDirections; ++d) {
        if (!m_firstPictures[d].HasImage() && !m_secondPictures[d].HasImage()) continue;
        cellWidth = std::max<int64_t>(cellWidth, m_viewExtent[d].x);
        cellHeight = std::max<int64_t>(cellHeight, m_viewExtent[d].y);
    }
    // The extents come from the data file; the bitmap refuses sizes it
    // cannot hold.
    if (cellWidth <= 0 || cellHeight <= 0 || 2 * kDirections * cellWidth > INT32_MAX) return 0;
    int w = static_cast<int>(cellWidth), h = static_cast<int>(cellHeight);
    auto strip = std::make_unique<CBitmap>();
    CDC memory;
    if (!memory.CreateCompatibleDC(nullptr) ||
        !strip->CreateCompatibleBitmap(&memory, 2 * kDirections * w, h)) {
        return 0;
    }
    CBitmap* previous = memory.SelectObject(strip.get());
    for (int d = 0; d < kDirections; ++d) {
        m_firstPictures[d].Draw(memory, 2 * d * w, 0, w, h);
        m_secondPictures[d].Draw(memory, (2 * d + 1) * w, 0, w, h);
    }
    memory.SelectObject(previous);
    m_pictureStrip = std::move(strip);
    m_stripCellWidth = w;
    m_stripCellHeight = h;
    for (int d = 0; d < kDirections; ++d) {
        m_firstPictures[d].ReleaseGdiObjects();
        m_secondPictures[d].ReleaseGdiObjects();
    }
    return 1;
}

void CBD::SetSize(int width, int height) {
    m_width = width;
    m_height = height;
}

void CBD::SetFlags(int usable, int second, int third) {
    m_usableFlag = usable;
    m_secondFlag = second;
    m_thirdFlag = third;
}

void CBD::SetMonthFactors(const std::array<int32_t, kMonths>& factors) {
    m_monthFactors = factors;
    ComputeEvenness();
}

void CBD::SetBonuses(int grade, int area, int extra4, int influence) {
    m_gradeBonus = grade;
    m_areaBonus = area;
    m_extraFigure4 = extra4;
    m_influenceRange = influence;
}

void CBD::SetView(int direction, int valueA, int valueB, SViewPoint offset, SViewPoint extent) {
    m_viewValueA[direction] = valueA;
    m_viewValueB[direction] = valueB;
    m_viewOffset[direction] = offset;
    m_viewExtent[direction] = extent;
}

void CBD::SetEffects(const std::vector<CEfct>& effects) {
    m_effects.assign(effects.begin(),
                     effects.begin() + std::min<size_t>(effects.size(), kMaxEffects));
}

// ---- network records ----

std::string CBD::RecordHead(int code, int landFlag, int tableIndex) const {
    return FormatRecordHeader(kRecordClass, kRecordGroup, code + (landFlag ? 0 : 1)) +
           FormatFixedInt(tableIndex, 4);
}

void CBD::SendAll(int player, int landFlag, int tableIndex) const {
    SendTypeRecord(player, landFlag, tableIndex);
    SendEffects(player, landFlag, tableIndex);
    SendPictures(player, landFlag, tableIndex);
    SendTexts(player, landFlag, tableIndex);
}

void CBD::SendTypeRecord(int player, int landFlag, int tableIndex) const {
    std::string text = RecordHead(kCodeTypeRecord, landFlag, tableIndex);
    text += FormatFixedInt(m_tag, 4) + FormatDoubleBytes(m_evenness);
    VisitFields(*this, SOverload{[&](int32_t figure, int width, eFigure kind) {
                                     text += FormatFixedInt(
                                         kind == eFigure::flag ? figure != 0 : figure, width);
                                 },
                                 [&](eBlock block) {
                                     if (block == eBlock::effectCount)
                                         text += FormatFixedInt(
                                             static_cast<int32_t>(m_effects.size()), 6);
                                 }});
    Services::Net().SendRecord(player, text);
}

void CBD::SendEffects(int player, int landFlag, int tableIndex) const {
    int count = static_cast<int>(m_effects.size());
    for (int first = 0; first < count; first += kEffectsPerRecord) {
        int last = std::min(first + kEffectsPerRecord - 1, count - 1);
        std::string text = RecordHead(kCodeEffects, landFlag, tableIndex);
        text += FormatFixedInt(first, 4) + FormatFixedInt(last, 4);
        for (int i = first; i <= last; ++i) {
            text += FormatFixedInt(m_effects[i].GetTypeIndex(), 4) +
                    FormatDoubleBytes(m_effects[i].GetFactor());
        }
        Services::Net().SendRecord(player, text);
    }
}

void CBD::SendPictures(int player, int landFlag, int tableIndex) const {
    for (int d = 0; d < kDirections; ++d) {
        for (int set = 0; set < 2; ++set) {
            std::string tail = FormatFixedInt(set, 1) + FormatFixedInt(d, 2);
            const CBM& picture = set == 0 ? m_firstPictures[d] : m_secondPictures[d];
            picture.Send(player, RecordHead(kCodePictureStart, landFlag, tableIndex) + tail,
                         RecordHead(kCodePicturePart, landFlag, tableIndex) + tail);
        }
    }
}

void CBD::SendTexts(int player, int landFlag, int tableIndex) const {
    std::string name = TruncateText(m_name, kMaxNetTextLength);
    std::string second =
        TruncateText(m_secondText, kMaxNetTextLength - static_cast<int>(name.size()));
    std::string text = RecordHead(kCodeTexts, landFlag, tableIndex);
    text += FormatFixedInt(static_cast<int>(name.size()), 3) + name;
    text += FormatFixedInt(static_cast<int>(second.size()), 3) + second;
    Services::Net().SendRecord(player, text);
}

void CBD::ReceiveTypeRecord(std::string_view text) {
    int pos = 0;
    CBD received;
    received.m_tag = ParseFixedInt(text, pos, 4);
    std::optional<double> evenness = ParseDoubleBytes(text, pos);
    if (!evenness) return;
    received.m_evenness = *evenness;
    int effectCount = -1;
    bool figuresInRange = true;
    VisitFields(received, SOverload{[&](int32_t& figure, int width, eFigure kind) {
                                        figure = ParseFixedInt(text, pos, width);
                                        if (kind == eFigure::flag) figure = figure == 1 ? 1 : 0;
                                        if (kind == eFigure::size)
                                            figuresInRange =
                                                figuresInRange && figure >= 1 && figure <= kMaxSize;
                                        if (kind == eFigure::pictureNumber)
                                            figuresInRange = figuresInRange && figure >= 0 &&
                                                          figure <= kDirections;
                                    },
                                    [&](eBlock block) {
                                        if (block == eBlock::effectCount)
                                            effectCount = ParseFixedInt(text, pos, 6);
                                    }});
    if (Overran(text, pos) || effectCount < 0 || effectCount > kMaxEffects || !figuresInRange) return;

    m_tag = received.m_tag;
    m_evenness = received.m_evenness;
    CopyFigures(received);
    m_effects.assign(static_cast<size_t>(effectCount), CEfct());
}

void CBD::ReceiveEffects(std::string_view text) {
    int pos = 0;
    int first = ParseFixedInt(text, pos, 4);
    int last = ParseFixedInt(text, pos, 4);
    int count = static_cast<int>(m_effects.size());
    if (first < 0 || first > last || last >= count) return;
    std::vector<CEfct> entries;
    for (int i = first; i <= last; ++i) {
        int typeIndex = ParseFixedInt(text, pos, 4);
        std::optional<double> factor = ParseDoubleBytes(text, pos);
        if (!factor || Overran(text, pos)) return;
        entries.emplace_back(typeIndex, *factor);
    }
    std::copy(entries.begin(), entries.end(), m_effects.begin() + first);
}

int CBD::ReceivePicturePart(std::string_view text, int set, int start) {
    int pos = 0;
    int direction = ParseFixedInt(text, pos, 2);
    if (Overran(text, pos) || direction < 0 || direction >= kDirections) return 0;
    if (set != 0 && set != 1) return 0;
    CBM& picture = set == 0 ? m_firstPictures[direction] : m_secondPictures[direction];
    std::string_view rest = text.substr(static_cast<size_t>(pos));
    int taken = start ? picture.ReceiveStart(rest) : picture.ReceivePart(rest);
    if (taken && set == 1 && direction == kDirections - 1) BuildPictureStrip();
    return taken;
}

void CBD::ReceiveTexts(std::string_view text) {
    int pos = 0;
    std::string texts[2];
    for (std::string& received : texts) {
        int length = ParseFixedInt(text, pos, 3);
        if (Overran(text, pos) || length < 0 ||
            static_cast<size_t>(length) > text.size() - static_cast<size_t>(pos)) {
            return;
        }
        received = ParseFixedText(text, pos, length);
    }
    m_name = texts[0];
    m_secondText = texts[1];
}
