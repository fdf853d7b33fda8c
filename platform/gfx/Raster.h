#pragma once
// Per-pixel raster operations on 0xFFRRGGBB pixels. Every operation works
// on the colour bits only, so white is all ones and black all zeros: a
// white-and-black mask behaves on a colour surface as a monochrome one.

#include <cstdint>

class CRaster {
public:
    // A ternary operation (the truth-table byte of a block-transfer code)
    // over pattern, source and destination.
    static uint32_t Rop3(uint8_t code, uint32_t p, uint32_t s, uint32_t d) {
        uint32_t r;
        switch (code) {
            case 0xCC:
                r = s;
                break;
            case 0x33:
                r = ~s;
                break;
            case 0x88:
                r = s & d;
                break;
            case 0xEE:
                r = s | d;
                break;
            case 0x66:
                r = s ^ d;
                break;
            case 0x22:
                r = ~s & d;
                break;
            case 0xF0:
                r = p;
                break;
            case 0x55:
                r = ~d;
                break;
            default:
                r = General3(code, p, s, d);
                break;
        }
        return 0xFF000000u | (r & 0x00FFFFFFu);
    }

    // A line-drawing mode R2_... (1..16) over pen and destination.
    static uint32_t Rop2(int mode, uint32_t p, uint32_t d) {
        const unsigned table = static_cast<unsigned>(mode - 1) & 0x0F;
        uint32_t r = 0;
        for (unsigned i = 0; i < 4; ++i) {
            if (!(table & (1u << i))) continue;
            r |= ((i & 2) ? p : ~p) & ((i & 1) ? d : ~d);
        }
        return 0xFF000000u | (r & 0x00FFFFFFu);
    }

    static bool UsesSource(uint8_t code) { return ((code >> 2) & 0x33) != (code & 0x33); }
    static bool UsesPattern(uint8_t code) { return ((code >> 4) & 0x0F) != (code & 0x0F); }

private:
    static uint32_t General3(uint8_t code, uint32_t p, uint32_t s, uint32_t d) {
        uint32_t r = 0;
        for (unsigned i = 0; i < 8; ++i) {
            if (!(code & (1u << i))) continue;
            r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
        }
        return r;
    }
};
