#include "platform/gfx/BlockTransfer.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/gfx/Raster.h"

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

// Where destination and source meet, worked out once per transfer.
struct Geometry {
    bool useSource = false;
    bool usePattern = false;
    // Sizes are held wide: the magnitude of INT_MIN is no int.
    int64_t w = 0;
    int64_t h = 0;
    int64_t sw = 0;
    int64_t sh = 0;
    bool mirrorX = false;
    bool mirrorY = false;
    int64_t left = 0;
    int64_t top = 0;
    int64_t srcLeft = 0;
    int64_t srcTop = 0;
    SPixelBox area;
};

bool Prepare(const STransfer& tr, Geometry& g) {
    g.useSource = CRaster::UsesSource(tr.code);
    g.usePattern = CRaster::UsesPattern(tr.code);
    if (g.useSource && ((!tr.src && !tr.srcRows) || tr.srcWidth == 0 || tr.srcHeight == 0))
        return false;
    g.w = std::abs(int64_t{tr.width});
    g.h = std::abs(int64_t{tr.height});
    g.sw = std::abs(int64_t{tr.srcWidth});
    g.sh = std::abs(int64_t{tr.srcHeight});
    g.mirrorX = (tr.width < 0) != (tr.srcWidth < 0);
    g.mirrorY = (tr.height < 0) != (tr.srcHeight < 0);
    g.left = tr.width < 0 ? int64_t{tr.x} + tr.width : tr.x;
    g.top = tr.height < 0 ? int64_t{tr.y} + tr.height : tr.y;
    g.srcLeft = tr.srcWidth < 0 ? int64_t{tr.srcX} + tr.srcWidth : tr.srcX;
    g.srcTop = tr.srcHeight < 0 ? int64_t{tr.srcY} + tr.srcHeight : tr.srcY;
    g.area = SPixelBox::Spanning(tr.x, tr.y, tr.width, tr.height)
                 .Intersected(tr.clip)
                 .Intersected(tr.dst.Box());
    return true;
}

// The source pixel of destination offset d along one axis.
int64_t SourceOffset(int64_t d, int64_t dstSize, int64_t srcSize, bool mirror) {
    const int64_t s = (d * srcSize) / dstSize;
    return mirror ? srcSize - 1 - s : s;
}

bool Within(int64_t v, int low, int high) {
    return v >= low && v < high;
}

uint32_t PatternAt(const STransfer& tr, int x, int y) {
    return tr.pattern[static_cast<size_t>(((y - tr.patternY) & 7) * 8 + ((x - tr.patternX) & 7))];
}

// ---- Row loops ---------------------------------------------------------------

// The specialised operations: p pattern, s source, d destination.
#define MERCAVO_ROP(Name, usesSource, usesPattern, expr)                              \
    struct Name {                                                                     \
        static constexpr bool kSource = usesSource;                                   \
        static constexpr bool kPattern = usesPattern;                                 \
        uint32_t operator()([[maybe_unused]] uint32_t p, [[maybe_unused]] uint32_t s, \
                            [[maybe_unused]] uint32_t d) const {                      \
            return expr;                                                              \
        }                                                                             \
    };
MERCAVO_ROP(SrcCopy, true, false, s)
MERCAVO_ROP(NotSrcCopy, true, false, ~s)
MERCAVO_ROP(SrcAnd, true, false, (s & d))
MERCAVO_ROP(SrcPaint, true, false, s | d)
MERCAVO_ROP(SrcInvert, true, false, s ^ d)
MERCAVO_ROP(NotSrcAnd, true, false, (~s & d))
MERCAVO_ROP(PatCopy, false, true, p)
MERCAVO_ROP(PatInvert, false, true, p ^ d)
MERCAVO_ROP(DstInvert, false, false, ~d)
MERCAVO_ROP(Blackness, false, false, 0u)
MERCAVO_ROP(Whiteness, false, false, ~0u)
#undef MERCAVO_ROP

// Any other code, through the general truth-table evaluation.
template <bool UsesSource, bool UsesPattern>
struct General {
    static constexpr bool kSource = UsesSource;
    static constexpr bool kPattern = UsesPattern;
    uint8_t code;
    uint32_t operator()(uint32_t p, uint32_t s, uint32_t d) const {
        return CRaster::Rop3(code, p, s, d);
    }
};

// The visible, readable part of a transfer and how its rows and columns
// find their source pixels.
struct Plan {
    SPixelRows dst;
    int x0 = 0;
    int x1 = 0;
    int y0 = 0;
    int y1 = 0;
    // Unscaled: source pixel of (x, y) is src[(y + dy) * stride + x + dx].
    bool indexed = false;
    int64_t dx = 0;
    int64_t dy = 0;
    const uint32_t* src = nullptr;
    ptrdiff_t stride = 0;
    // Stretched or mirrored: the source column of every column from x0
    // (counted from columnBase, the leftmost one read), and the source row
    // of every row from y0 (-1 where it is not readable).
    std::vector<int> columns;
    int columnBase = 0;
    int columnSpan = 0;
    std::vector<int64_t> rows;
    // A source converted row by row: the row last converted, from dx + x0
    // (unscaled) or columnBase (stretched).
    const ISourceRows* converter = nullptr;
    std::vector<uint32_t> converted;
    int64_t convertedRow = -1;
    // Rows of the pattern laid out from x0, by (y - patternY) & 7.
    std::vector<uint32_t> pattern;
    int patternY = 0;

    int Width() const { return x1 - x0; }

    const uint32_t* SourceRow(int y) {
        const int64_t sy = indexed ? rows[static_cast<size_t>(y - y0)] : y + dy;
        if (indexed && sy < 0) return nullptr;
        const int64_t sx = indexed ? columnBase : x0 + dx;
        if (!converter) return src + sy * stride + sx;
        // Stretched rows repeat a source row: it is converted once.
        if (sy != convertedRow) {
            converter->ReadRow(static_cast<int>(sy), static_cast<int>(sx),
                               static_cast<int>(converted.size()), converted.data());
            convertedRow = sy;
        }
        return converted.data();
    }
    const uint32_t* PatternRow(int y) const {
        return pattern.data() + static_cast<size_t>((y - patternY) & 7) * Width();
    }
};

template <class Op>
void StraightRow(const Op& op, uint32_t* __restrict d, const uint32_t* __restrict s,
                 const uint32_t* __restrict p, int n) {
    for (int i = 0; i < n; ++i) {
        uint32_t pv = 0, sv = 0;
        if constexpr (Op::kPattern) pv = p[i];
        if constexpr (Op::kSource) sv = s[i];
        d[i] = op(pv, sv, d[i]) | kOpaque;
    }
}

template <class Op>
void IndexedRow(const Op& op, uint32_t* __restrict d, const uint32_t* __restrict s,
                const int* __restrict columns, const uint32_t* __restrict p, int n) {
    for (int i = 0; i < n; ++i) {
        uint32_t pv = 0;
        if constexpr (Op::kPattern) pv = p[i];
        d[i] = op(pv, s[columns[i]], d[i]) | kOpaque;
    }
}

template <class Op>
void Rows(Plan& plan, const Op& op = Op()) {
    const int n = plan.Width();
    for (int y = plan.y0; y < plan.y1; ++y) {
        const uint32_t* s = nullptr;
        if constexpr (Op::kSource) {
            s = plan.SourceRow(y);
            if (!s) continue;
        }
        const uint32_t* p = nullptr;
        if constexpr (Op::kPattern) p = plan.PatternRow(y);
        uint32_t* d = plan.dst.Row(y) + plan.x0;
        if (Op::kSource && plan.indexed)
            IndexedRow(op, d, s, plan.columns.data(), p, n);
        else
            StraightRow(op, d, s, p, n);
    }
}

// ---- Planning ------------------------------------------------------------------

// Narrows [first, last) of destination positions to those whose source
// position (monotonic along the axis, so the readable ones are one run)
// lies in [low, high).
template <typename SourceAt>
void KeepReadable(int& first, int& last, int low, int high, SourceAt sourceAt) {
    while (first < last && !Within(sourceAt(first), low, high)) ++first;
    while (last > first && !Within(sourceAt(last - 1), low, high)) --last;
}

void PlanUnscaled(const STransfer& tr, const Geometry& g, Plan& plan) {
    plan.dx = g.srcLeft - g.left;
    plan.dy = g.srcTop - g.top;
    plan.x0 = static_cast<int>(std::max<int64_t>(plan.x0, tr.srcValid.left - plan.dx));
    plan.x1 = static_cast<int>(std::min<int64_t>(plan.x1, tr.srcValid.right - plan.dx));
    plan.y0 = static_cast<int>(std::max<int64_t>(plan.y0, tr.srcValid.top - plan.dy));
    plan.y1 = static_cast<int>(std::min<int64_t>(plan.y1, tr.srcValid.bottom - plan.dy));
}

void PlanScaled(const STransfer& tr, const Geometry& g, Plan& plan) {
    plan.indexed = true;
    auto columnAt = [&](int x) {
        return g.srcLeft + SourceOffset(x - g.left, g.w, g.sw, g.mirrorX);
    };
    KeepReadable(plan.x0, plan.x1, tr.srcValid.left, tr.srcValid.right, columnAt);
    if (plan.x1 <= plan.x0) return;
    plan.columns.resize(static_cast<size_t>(plan.Width()));
    for (int x = plan.x0; x < plan.x1; ++x)
        plan.columns[static_cast<size_t>(x - plan.x0)] = static_cast<int>(columnAt(x));
    // Columns run one way, so the ends are the extremes.
    const int low = std::min(plan.columns.front(), plan.columns.back());
    const int high = std::max(plan.columns.front(), plan.columns.back());
    plan.columnBase = low;
    plan.columnSpan = high - low + 1;
    for (int& column : plan.columns) column -= low;
    plan.rows.resize(static_cast<size_t>(plan.y1 - plan.y0));
    for (int y = plan.y0; y < plan.y1; ++y) {
        const int64_t sy = g.srcTop + SourceOffset(y - g.top, g.h, g.sh, g.mirrorY);
        plan.rows[static_cast<size_t>(y - plan.y0)] =
            Within(sy, tr.srcValid.top, tr.srcValid.bottom) ? sy : -1;
    }
}

void PlanPattern(const STransfer& tr, Plan& plan) {
    const int n = plan.Width();
    plan.patternY = tr.patternY;
    plan.pattern.resize(static_cast<size_t>(n) * 8);
    for (int y = plan.y0; y < std::min(plan.y0 + 8, plan.y1); ++y) {
        const int r = (y - tr.patternY) & 7;
        uint32_t* row = plan.pattern.data() + static_cast<size_t>(r) * n;
        for (int i = 0; i < n; ++i) row[i] = PatternAt(tr, plan.x0 + i, y);
    }
}

// Destination rows and columns to work on; false when nothing is left.
bool MakePlan(const STransfer& tr, const Geometry& g, Plan& plan) {
    plan.dst = tr.dst;
    plan.x0 = g.area.left;
    plan.x1 = g.area.right;
    plan.y0 = g.area.top;
    plan.y1 = g.area.bottom;
    if (g.useSource) {
        plan.src = tr.src;
        plan.stride = tr.srcStride;
        plan.converter = tr.srcRows;
        if (g.w == g.sw && g.h == g.sh && !g.mirrorX && !g.mirrorY)
            PlanUnscaled(tr, g, plan);
        else
            PlanScaled(tr, g, plan);
    }
    if (plan.x1 <= plan.x0 || plan.y1 <= plan.y0) return false;
    if (plan.converter)
        plan.converted.resize(static_cast<size_t>(plan.indexed ? plan.columnSpan : plan.Width()));
    if (g.usePattern) PlanPattern(tr, plan);
    return true;
}

void Dispatch(uint8_t code, const Geometry& g, Plan& plan) {
    switch (code) {
        case 0xCC:
            return Rows<SrcCopy>(plan);
        case 0x33:
            return Rows<NotSrcCopy>(plan);
        case 0x88:
            return Rows<SrcAnd>(plan);
        case 0xEE:
            return Rows<SrcPaint>(plan);
        case 0x66:
            return Rows<SrcInvert>(plan);
        case 0x22:
            return Rows<NotSrcAnd>(plan);
        case 0xF0:
            return Rows<PatCopy>(plan);
        case 0x5A:
            return Rows<PatInvert>(plan);
        case 0x55:
            return Rows<DstInvert>(plan);
        case 0x00:
            return Rows<Blackness>(plan);
        case 0xFF:
            return Rows<Whiteness>(plan);
        default:
            if (g.useSource && g.usePattern) return Rows(plan, General<true, true>{code});
            if (g.useSource) return Rows(plan, General<true, false>{code});
            if (g.usePattern) return Rows(plan, General<false, true>{code});
            return Rows(plan, General<false, false>{code});
    }
}

}  // namespace

bool CBlockTransfer::Run(const STransfer& tr, SPixelBox* touched) {
    Geometry g;
    if (!Prepare(tr, g)) return false;
    if (touched) *touched = g.area;
    Plan plan;
    if (!g.area.IsEmpty() && MakePlan(tr, g, plan)) Dispatch(tr.code, g, plan);
    return true;
}

bool CBlockTransfer::Reference(const STransfer& tr, SPixelBox* touched) {
    Geometry g;
    if (!Prepare(tr, g)) return false;
    if (touched) *touched = g.area;
    for (int y = g.area.top; y < g.area.bottom; ++y) {
        const int64_t sy =
            g.useSource ? g.srcTop + SourceOffset(y - g.top, g.h, g.sh, g.mirrorY) : 0;
        uint32_t* row = tr.dst.Row(y);
        for (int x = g.area.left; x < g.area.right; ++x) {
            uint32_t s = 0;
            if (g.useSource) {
                const int64_t sx = g.srcLeft + SourceOffset(x - g.left, g.w, g.sw, g.mirrorX);
                if (!Within(sx, tr.srcValid.left, tr.srcValid.right) ||
                    !Within(sy, tr.srcValid.top, tr.srcValid.bottom))
                    continue;
                if (tr.srcRows)
                    tr.srcRows->ReadRow(static_cast<int>(sy), static_cast<int>(sx), 1, &s);
                else
                    s = tr.src[sy * tr.srcStride + sx];
            }
            const uint32_t p = g.usePattern ? PatternAt(tr, x, y) : 0;
            row[x] = CRaster::Rop3(tr.code, p, s, row[x]);
        }
    }
    return true;
}
