#pragma once
// A land or structure type: the type code the rules test, the size in
// cells, prices and figures, twelve monthly factors, the effect values added
// when a structure is built, a name, eight pictures (two per view direction)
// and the effect list saying how neighbouring structures act on this type.
// The map document owns two tables of these, stores them in the map data
// file and the saved game, and sends them to network peers.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/BM.h"
#include "model/Efct.h"
#include "model/StructureCodes.h"
#include "platform/gfx/Bitmap.h"

class CArchive;

class CBD {
public:
    static constexpr int kMaxEffects = 256;
    static constexpr int kDirections = 4;
    static constexpr int kMonths = 12;
    // A footprint is at most 3 x 3 cells.
    static constexpr int kMaxSize = 3;
    // The name and the second text travel together in one record.
    static constexpr int kMaxNetTextLength = 481;
    static constexpr const char* kDefaultName = "-------------------";

    struct SViewPoint {
        int32_t x = 0;
        int32_t y = 0;
        bool operator==(const SViewPoint&) const = default;
    };

    CBD();
    // A copy starts empty, takes the source's fields, and then drops the
    // effect list and goes back to the default name.
    CBD(const CBD& other);
    // Copies every field, effects, pictures and texts; the copy has no
    // picture strip. A copy-constructed type builds its own strip when the
    // source has one.
    CBD& operator=(const CBD& other);
    ~CBD() = default;

    // The type record of the map data file, the saved game and the structure
    // data file. Loading feeds every value to the data checksum, throws
    // eMERCAVO_ERROR_CONTENTS for an effect count outside 0..256, a width
    // or height outside 1..3 or a picture number outside 0..4, and computes the evenness afterwards.
    void Serialize(CArchive& ar);

    const std::string& GetName() const { return m_name; }
    const std::string& GetSecondText() const { return m_secondText; }
    void GetSize(int& width, int& height) const;
    // Directions 1 and 3 swap width and height; any other direction leaves
    // the outputs untouched.
    void GetViewSize(int direction, int& width, int& height) const;
    int GetTypeCode() const { return m_typeCode; }
    bool IsType71() const { return m_typeCode == StructureCode::kTwoPart; }
    // The "mistaken construction" partner that follows a code-71 type.
    bool IsType72() const { return m_typeCode == StructureCode::kMistakenPart; }
    bool IsType80() const { return m_typeCode == StructureCode::kStadiumKind0; }
    bool IsType85() const { return m_typeCode == StructureCode::kStadiumKind1; }
    // Code 60, or also 61 unless strict.
    bool IsType60(bool strict) const;
    bool CanBeBuiltOver() const;
    bool IsDestructible() const;

    int GetLandValue() const { return m_landValue; }
    int GetFixedLandPrice() const { return m_fixedLandPrice; }
    int GetBasePrice() const { return m_basePrice; }
    int GetValueFigure() const { return m_valueFigure; }
    int GetPriceStep() const { return m_priceStep; }
    int GetDurability() const { return m_durability; }
    int GetUsableFlag() const { return m_usableFlag; }
    int GetSecondFlag() const { return m_secondFlag; }
    int GetThirdFlag() const { return m_thirdFlag; }
    // i = 0..3.
    int GetRevenueFigure(int i) const { return m_revenue[i]; }
    int GetEffectRadius() const { return m_effectRadius; }
    // month = 0 (January) .. 11.
    int GetMonthFactor(int month) const { return m_monthFactors[month]; }
    double GetEvenness() const { return m_evenness; }
    int GetGradeBonus() const { return m_gradeBonus; }
    int GetAreaBonus() const { return m_areaBonus; }
    int GetExtraFigure4() const { return m_extraFigure4; }
    int GetInfluenceRange() const { return m_influenceRange; }
    int GetEffectValue1() const { return m_effectValues[0]; }
    int GetEffectValue2() const { return m_effectValues[1]; }
    int GetEffectValue3() const { return m_effectValues[2]; }
    int GetEffectValue4() const { return m_effectValues[3]; }
    int GetEffectValue5() const { return m_effectValues[4]; }
    int GetEffectValue6() const { return m_effectValues[5]; }
    int GetViewValueA(int direction) const { return m_viewValueA[direction]; }
    int GetViewValueB(int direction) const { return m_viewValueB[direction]; }
    const SViewPoint& GetViewOffset(int direction) const { return m_viewOffset[direction]; }
    // The pixel size of the direction's pictures.
    const SViewPoint& GetViewExtent(int direction) const { return m_viewExtent[direction]; }
    const CBM& GetFirstPicture(int direction) const { return m_firstPictures[direction]; }
    const CBM& GetSecondPicture(int direction) const { return m_secondPictures[direction]; }
    CBM& GetFirstPicture(int direction) { return m_firstPictures[direction]; }
    CBM& GetSecondPicture(int direction) { return m_secondPictures[direction]; }
    const std::vector<CEfct>& GetEffects() const { return m_effects; }

    // The factor of the first effect entry for structure number n (type
    // n - 1 as a map cell holds it); 0.0 for n = 0 or no entry.
    double GetEffect(int structureNumber) const;

    // The table index the map stores in a type; the network type record
    // carries it.
    int GetTag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    // Where the map's picture strips hold this type's pictures: the strip
    // number, and per picture set (0 first, 1 second) and direction the x
    // offset in the strip (-1 = none).
    int GetStripNumber() const { return m_stripNumber; }
    void SetStripNumber(int strip) { m_stripNumber = strip; }
    int GetPictureOffset(int set, int direction) const { return m_pictureOffsets[set][direction]; }
    void SetPictureOffset(int set, int direction, int x) { m_pictureOffsets[set][direction] = x; }

    // The eight pictures side by side in one bitmap, each in a cell as wide
    // and high as the largest view extent of the directions that have a
    // picture: first 0, second 0, first 1, second 1, ... Afterwards the
    // pictures keep only their images (bitmaps and palettes are released).
    // 1 on success; 0 without pictures or extents, or when the bitmap
    // cannot be made, and then the previous strip stays.
    int BuildPictureStrip();
    // nullptr until a strip was built.
    CBitmap* GetPictureStrip() const { return m_pictureStrip.get(); }
    int GetStripCellWidth() const { return m_stripCellWidth; }
    int GetStripCellHeight() const { return m_stripCellHeight; }

    // Setters for the data tool that writes the data files and for tests.
    void SetName(const std::string& name) { m_name = name; }
    void SetSecondText(const std::string& text) { m_secondText = text; }
    void SetTypeCode(int code) { m_typeCode = code; }
    void SetSize(int width, int height);
    void SetLandValue(int value) { m_landValue = value; }
    void SetFixedLandPrice(int price) { m_fixedLandPrice = price; }
    void SetBasePrice(int price) { m_basePrice = price; }
    void SetValueFigure(int value) { m_valueFigure = value; }
    void SetPriceStep(int step) { m_priceStep = step; }
    void SetDurability(int durability) { m_durability = durability; }
    void SetFlags(int usable, int second, int third);
    void SetRevenueFigure(int i, int value) { m_revenue[i] = value; }
    void SetEffectRadius(int radius) { m_effectRadius = radius; }
    // Also recomputes the evenness.
    void SetMonthFactors(const std::array<int32_t, kMonths>& factors);
    void SetBonuses(int grade, int area, int extra4, int influence);
    // i = 1..6.
    void SetEffectValue(int i, int value) { m_effectValues[i - 1] = value; }
    void SetView(int direction, int valueA, int valueB, SViewPoint offset, SViewPoint extent);
    // At most kMaxEffects entries are kept.
    void SetEffects(const std::vector<CEfct>& effects);

    // The four network records of a type (class 300, group 03), to one
    // player or to all (-1): the type record, the effects, the pictures and
    // the texts, in this order.
    void SendAll(int player, int landFlag, int tableIndex) const;
    void SendTypeRecord(int player, int landFlag, int tableIndex) const;
    void SendEffects(int player, int landFlag, int tableIndex) const;
    void SendPictures(int player, int landFlag, int tableIndex) const;
    void SendTexts(int player, int landFlag, int tableIndex) const;
    // The receivers take the text after the table index. A record that is
    // short or holds a value out of bounds is dropped as a whole.
    void ReceiveTypeRecord(std::string_view text);
    void ReceiveEffects(std::string_view text);
    // set: the set digit (0 first picture, 1 second); start: a start record
    // rather than a part. 1 when the picture took the record (a start that
    // made its block, or the part that completed it). The last picture of a
    // type (the second of direction 3) rebuilds the strip when it takes one.
    int ReceivePicturePart(std::string_view text, int set, int start);
    void ReceiveTexts(std::string_view text);

    // Record codes: land types use the first of each pair, structure types
    // the second.
    static constexpr int kCodeTypeRecord = 40;
    static constexpr int kCodeEffects = 42;
    static constexpr int kCodePictureStart = 50;
    static constexpr int kCodePicturePart = 52;
    static constexpr int kCodeTexts = 60;
    static constexpr int kEffectsPerRecord = 15;

private:
    // What a field visitor is told besides the plain figures.
    // A picture number names one of the four pictures (0: none).
    enum class eFigure { plain, flag, size, pictureNumber };
    enum class eBlock { effectCount, effects, pictures, texts };

    // The one description of a type's stored form and of its network type
    // record: every figure in their order, with the width of its network
    // field, and where the blocks that only the stored form carries (the
    // effects, the pictures and the texts) or that both carry in their own
    // way (the effect count) stand. visit(int32_t& figure, int width,
    // eFigure kind) and visit(eBlock block) are called in that order; flags
    // travel as 0/1, sizes must lie in 1..kMaxSize.
    template <typename Self, typename Visitor>
    static void VisitFields(Self& bd, Visitor&& visit);
    // The figures of VisitFields copied from other.
    void CopyFigures(const CBD& other);
    void SerializeBlock(CArchive& ar, eBlock block);

    void ComputeEvenness();
    std::string RecordHead(int code, int landFlag, int tableIndex) const;

    int32_t m_tag = 0;
    double m_evenness = 0.0;
    int32_t m_landValue = 0;
    int32_t m_fixedLandPrice = 0;
    int32_t m_basePrice = 0;
    int32_t m_valueFigure = 0;
    int32_t m_priceStep = 0;
    int32_t m_durability = 0;
    int32_t m_usableFlag = 0;
    int32_t m_secondFlag = 1;
    int32_t m_thirdFlag = 0;
    int32_t m_typeCode = 0;
    std::array<int32_t, 4> m_revenue{};
    std::vector<CEfct> m_effects;
    int32_t m_effectRadius = 1;
    std::array<int32_t, kMonths> m_monthFactors{0, 10, 0, 10, 0, 10, 0, 10, 0, 10, 0, 10};
    std::array<CBM, kDirections> m_firstPictures;
    std::array<CBM, kDirections> m_secondPictures;
    std::array<int32_t, kDirections> m_viewValueA{};
    std::array<int32_t, kDirections> m_viewValueB{};
    std::array<SViewPoint, kDirections> m_viewOffset{};
    std::array<SViewPoint, kDirections> m_viewExtent{};
    int32_t m_width = 1;
    int32_t m_height = 1;
    int32_t m_gradeBonus = 0;
    int32_t m_areaBonus = 0;
    int32_t m_extraFigure4 = 0;
    int32_t m_influenceRange = 0;
    std::array<int32_t, 6> m_effectValues{};
    std::string m_name = kDefaultName;
    std::string m_secondText;
    int32_t m_stripCellWidth = 0;
    int32_t m_stripCellHeight = 0;
    std::unique_ptr<CBitmap> m_pictureStrip;
    int32_t m_stripNumber = -1;
    std::array<std::array<int32_t, kDirections>, 2> m_pictureOffsets{
        {{-1, -1, -1, -1}, {-1, -1, -1, -1}}};
};
