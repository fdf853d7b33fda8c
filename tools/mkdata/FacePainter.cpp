#include "tools/mkdata/FacePainter.h"

#include <algorithm>
#include <cmath>

#include "tools/mkdata/ArtRandom.h"
#include "tools/mkdata/PictureBlock.h"

namespace {

using ESex = CFacePainter::ESex;

const SRgb kSkins[] = {{255, 220, 192}, {240, 196, 160}, {222, 170, 128},
                       {190, 134, 96},  {150, 98, 66},   {104, 66, 44}};
const SRgb kHairs[] = {{30, 24, 20},   {64, 40, 24},  {110, 72, 40},
                       {190, 150, 80}, {150, 60, 30}, {230, 206, 140}};
const SRgb kEyes[] = {{60, 40, 24}, {40, 90, 140}, {70, 110, 60}, {30, 24, 20}};
const SRgb kClothes[] = {{40, 50, 90},   {60, 60, 64},  {110, 30, 40}, {36, 36, 40},
                         {90, 100, 120}, {120, 90, 60}, {40, 100, 90}, {140, 60, 120}};
const SRgb kBackdrops[] = {{176, 196, 214}, {200, 190, 170}, {180, 200, 180},
                           {206, 186, 196}, {190, 190, 200}, {214, 204, 170}};
const SRgb kFrames[] = {{30, 30, 30}, {110, 70, 40}, {200, 170, 80}, {140, 140, 150}};

template <size_t N>
const SRgb& Pick(const SRgb (&options)[N], CArtRandom& random) {
    return options[random.Below(static_cast<int>(N))];
}

enum class EHair { Short, Parted, Crop, Long, Bun, Curly };

// Everything that makes the person; drawn the same way at every age.
struct SFeatures {
    ESex sex;
    SRgb skin, hair, eyes, clothes, shirt, tie, backdrop, frame;
    EHair hairStyle;
    double headW, headH, jaw;
    double eyeGap, eyeY, browTilt;
    double noseLength, mouthWidth, smile;
    bool glassesAlways, glassesLater, roundGlasses;
    bool beard, moustache, balding, tie_;
    double greyStart;
};

SFeatures Features(uint64_t seed, ESex sex) {
    CArtRandom r(seed);
    SFeatures f{};
    f.sex = sex;
    f.skin = Pick(kSkins, r);
    f.hair = Pick(kHairs, r);
    f.eyes = Pick(kEyes, r);
    f.clothes = Pick(kClothes, r);
    f.shirt = r.Chance(0.7) ? SRgb{240, 240, 236} : SRgb{190, 210, 230};
    f.tie = SRgb{static_cast<int>(r.Range(60, 220)), static_cast<int>(r.Range(20, 120)),
                 static_cast<int>(r.Range(30, 160))};
    f.backdrop = Pick(kBackdrops, r);
    f.frame = Pick(kFrames, r);
    const EHair male[] = {EHair::Short, EHair::Parted, EHair::Crop, EHair::Curly};
    const EHair female[] = {EHair::Long, EHair::Bun, EHair::Parted, EHair::Curly, EHair::Long};
    f.hairStyle = sex == ESex::Male ? male[r.Below(4)] : female[r.Below(5)];
    f.headW = r.Range(12.5, 15.5) - (sex == ESex::Female ? 0.8 : 0.0);
    f.headH = r.Range(16.5, 19.0);
    f.jaw = r.Range(0.55, 0.95);
    f.eyeGap = r.Range(5.2, 6.6);
    f.eyeY = r.Range(-1.5, 0.5);
    f.browTilt = r.Range(-0.6, 0.6);
    f.noseLength = r.Range(4.0, 6.5);
    f.mouthWidth = r.Range(4.0, 6.0);
    f.smile = r.Range(-0.5, 1.5);
    double g = r.Unit();
    f.glassesAlways = g < 0.2;
    f.glassesLater = g < 0.55;
    f.roundGlasses = r.Chance(0.5);
    f.beard = sex == ESex::Male && r.Chance(0.18);
    f.moustache = sex == ESex::Male && !f.beard && r.Chance(0.22);
    f.balding = sex == ESex::Male && r.Chance(0.5);
    f.tie_ = sex == ESex::Male ? r.Chance(0.8) : false;
    f.greyStart = r.Range(0.15, 0.45);
    return f;
}

constexpr double kCx = 32.0;
constexpr double kCy = 32.0;

SRgb AgedHair(const SFeatures& f, int age) {
    double grey = age == 0 ? 0.0 : age == 1 ? f.greyStart : 0.8;
    return f.hair.Mixed({200, 200, 200}, grey);
}

// Lit from the upper left.
SRgb Shaded(const SRgb& c, double x, double y, double cx, double cy, double rx, double ry) {
    double k = 1.08 - 0.22 * (x - cx + rx) / (2.0 * rx) - 0.08 * (y - cy + ry) / (2.0 * ry);
    return c.Scaled(k);
}

bool InHead(const SFeatures& f, double x, double y) {
    double dx = (x - kCx) / f.headW;
    double dy = (y - kCy) / f.headH;
    if (dy > 0.0) dx /= 1.0 - (1.0 - f.jaw) * dy * dy;
    return dx * dx + dy * dy < 1.0;
}

void Backdrop(CCanvas& c, const SFeatures& f) {
    // Flat: a gradient would band in the palette.
    c.Fill(f.backdrop);
}

void Body(CCanvas& c, const SFeatures& f) {
    double top = kCy + f.headH + 4.0;
    c.FillEllipse(kCx, top + 18.0, 27.0, 20.0, [&](int x, int y) {
        return Shaded(f.clothes, x + 0.5, y + 0.5, kCx, top + 18.0, 27.0, 20.0);
    });
    c.FillPolygon({{kCx - 7.0, top - 2.0}, {kCx + 7.0, top - 2.0}, {kCx, top + 12.0}}, f.shirt);
    if (f.tie_)
        c.FillPolygon({{kCx - 1.8, top + 1.0},
                       {kCx + 1.8, top + 1.0},
                       {kCx + 2.5, top + 14.0},
                       {kCx, top + 17.0},
                       {kCx - 2.5, top + 14.0}},
                      f.tie);
    // Neck.
    c.FillPolygon({{kCx - 5.5, kCy + f.headH - 6.0},
                   {kCx + 5.5, kCy + f.headH - 6.0},
                   {kCx + 6.0, top + 1.0},
                   {kCx, top + 5.0},
                   {kCx - 6.0, top + 1.0}},
                  f.skin.Scaled(0.82));
}

void HairBack(CCanvas& c, const SFeatures& f, const SRgb& hair) {
    if (f.hairStyle == EHair::Long)
        c.FillEllipse(kCx, kCy + 6.0, f.headW + 5.0, f.headH + 9.0, hair.Scaled(0.8));
    if (f.hairStyle == EHair::Curly)
        c.FillEllipse(kCx, kCy - 2.0, f.headW + 5.0, f.headH + 3.0, hair.Scaled(0.85));
    if (f.hairStyle == EHair::Bun) c.FillEllipse(kCx, kCy - f.headH - 2.0, 6.0, 5.0, hair);
}

void Head(CCanvas& c, const SFeatures& f, int age) {
    // Ears.
    for (double side : {-1.0, 1.0})
        c.FillEllipse(kCx + side * f.headW, kCy + 1.0, 2.8, 4.5, f.skin.Scaled(0.9));
    SRgb skin = age == 2 ? f.skin.Mixed({200, 190, 180}, 0.12) : f.skin;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (InHead(f, x + 0.5, y + 0.5))
                c.Plot(x, y, Shaded(skin, x + 0.5, y + 0.5, kCx, kCy, f.headW, f.headH));
}

void HairFront(CCanvas& c, const SFeatures& f, int age, const SRgb& hair) {
    double recede = f.balding ? (age == 0 ? 0.0 : age == 1 ? 2.5 : 6.0) : 0.0;
    double line = kCy - f.headH * 0.45 - recede;
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            double px = x + 0.5;
            double py = y + 0.5;
            double dx = (px - kCx) / (f.headW + 1.5);
            double dy = (py - kCy + 1.5) / (f.headH + 1.5);
            if (dx * dx + dy * dy >= 1.0) continue;
            double edge = line;
            switch (f.hairStyle) {
                case EHair::Parted:
                    edge += (px < kCx - 3 ? 2.0 : -1.0) + 0.15 * (px - kCx);
                    break;
                case EHair::Crop:
                    edge -= 1.5;
                    break;
                case EHair::Curly:
                    edge += 1.5 * std::sin(px * 1.3);
                    break;
                case EHair::Long:
                case EHair::Bun:
                    edge += 1.0 - 0.04 * (px - kCx) * (px - kCx);
                    break;
                default:
                    break;
            }
            // Sides run down past the ears for longer styles.
            bool side = std::fabs(px - kCx) > f.headW - 2.5 && py < kCy + 2.0;
            bool longSide = (f.hairStyle == EHair::Long || f.hairStyle == EHair::Curly) &&
                            std::fabs(px - kCx) > f.headW - 3.5 && py < kCy + f.headH * 0.7;
            if (py < edge || side || longSide) {
                if (f.balding && age == 2 && !side && py > kCy - f.headH + 1.0 && py < edge)
                    continue;
                double n = CArtRandom::Hash(x, y, 7);
                c.Plot(x, y, hair.Scaled(0.92 + 0.16 * n));
            }
        }
    }
}

void Eyes(CCanvas& c, const SFeatures& f, int age, const SRgb& hair) {
    double y = kCy + f.eyeY;
    for (double side : {-1.0, 1.0}) {
        double x = kCx + side * f.eyeGap;
        c.FillEllipse(x, y, 2.6, 1.5, {244, 244, 240});
        c.FillEllipse(x + 0.3, y, 1.3, 1.4, f.eyes);
        c.Plot(static_cast<int>(x), static_cast<int>(y), {16, 16, 16});
        double tilt = side * f.browTilt;
        SRgb brow = hair.Scaled(0.7);
        c.DrawLine({x - 3.0, y - 3.6 + tilt}, {x + 3.0, y - 3.6 - tilt}, brow);
        if (f.sex == ESex::Male)
            c.DrawLine({x - 3.0, y - 4.4 + tilt}, {x + 2.0, y - 4.4 - tilt}, brow);
        if (age == 2) {
            SRgb line = f.skin.Scaled(0.78);
            c.DrawLine({x + side * 3.5, y}, {x + side * 5.0, y + 1.5}, line);
            c.DrawLine({x - 2.0, y + 2.5}, {x + 2.0, y + 2.5}, line);
        }
    }
}

void NoseAndMouth(CCanvas& c, const SFeatures& f, int age) {
    double top = kCy + f.eyeY + 2.0;
    SRgb shadow = f.skin.Scaled(0.78);
    c.DrawLine({kCx + 0.5, top}, {kCx + 1.5, top + f.noseLength}, shadow);
    c.DrawLine({kCx - 1.5, top + f.noseLength + 0.5}, {kCx + 2.0, top + f.noseLength + 0.5},
               shadow);
    double my = top + f.noseLength + 5.0;
    SRgb lip = f.skin.Mixed({170, 60, 60}, f.sex == ESex::Female ? 0.55 : 0.3);
    std::vector<SPointF> mouth = {{kCx - f.mouthWidth, my - f.smile},
                                  {kCx, my + 0.4 + 0.4 * f.smile},
                                  {kCx + f.mouthWidth, my - f.smile},
                                  {kCx, my + 1.6 + 0.6 * f.smile}};
    c.FillPolygon(mouth, lip);
    c.DrawLine({kCx - f.mouthWidth + 0.5, my - f.smile}, {kCx + f.mouthWidth - 0.5, my - f.smile},
               lip.Scaled(0.6));
    if (age >= 1) {
        SRgb line = f.skin.Scaled(age == 2 ? 0.74 : 0.86);
        for (double side : {-1.0, 1.0})
            c.DrawLine({kCx + side * 3.5, top + f.noseLength - 1.0},
                       {kCx + side * (f.mouthWidth + 2.0), my + 1.0}, line);
    }
    if (age == 2) {
        SRgb line = f.skin.Scaled(0.8);
        double fy = kCy - f.headH * 0.42;
        c.DrawLine({kCx - 5.0, fy + 2.0}, {kCx + 5.0, fy + 2.0}, line);
        c.DrawLine({kCx - 4.0, fy + 4.0}, {kCx + 4.0, fy + 4.0}, line);
    }
}

void FacialHair(CCanvas& c, const SFeatures& f, const SRgb& hair) {
    double top = kCy + f.eyeY + 2.0 + f.noseLength;
    if (f.moustache || f.beard)
        c.FillPolygon({{kCx - f.mouthWidth - 1.0, top + 3.5},
                       {kCx, top + 1.5},
                       {kCx + f.mouthWidth + 1.0, top + 3.5},
                       {kCx + f.mouthWidth, top + 4.5},
                       {kCx - f.mouthWidth, top + 4.5}},
                      hair.Scaled(0.85));
    if (!f.beard) return;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            double px = x + 0.5;
            double py = y + 0.5;
            if (!InHead(f, px, py) || py < top + 4.0) continue;
            bool mouth = std::fabs(px - kCx) < f.mouthWidth && py < top + 7.5;
            if (!mouth) c.Plot(x, y, hair.Scaled(0.85 + 0.1 * CArtRandom::Hash(x, y, 3)));
        }
}

void Glasses(CCanvas& c, const SFeatures& f) {
    double y = kCy + f.eyeY;
    for (double side : {-1.0, 1.0}) {
        double x = kCx + side * f.eyeGap;
        if (f.roundGlasses) {
            const int steps = 24;
            for (int i = 0; i < steps; ++i) {
                double a0 = 6.2831853 * i / steps;
                double a1 = 6.2831853 * (i + 1) / steps;
                c.DrawLine({x + 4.0 * std::cos(a0), y + 3.4 * std::sin(a0)},
                           {x + 4.0 * std::cos(a1), y + 3.4 * std::sin(a1)}, f.frame);
            }
        } else {
            c.DrawLine({x - 4.0, y - 3.0}, {x + 4.0, y - 3.0}, f.frame);
            c.DrawLine({x - 4.0, y + 2.5}, {x + 4.0, y + 2.5}, f.frame);
            c.DrawLine({x - 4.0, y - 3.0}, {x - 4.0, y + 2.5}, f.frame);
            c.DrawLine({x + 4.0, y - 3.0}, {x + 4.0, y + 2.5}, f.frame);
        }
        c.DrawLine({x + side * 4.0, y - 1.5}, {kCx + side * f.headW, y - 1.0}, f.frame);
    }
    c.DrawLine({kCx - f.eyeGap + 4.0, y - 1.0}, {kCx + f.eyeGap - 4.0, y - 1.0}, f.frame);
}

}  // namespace

CCanvas CFacePainter::Draw(uint64_t seed, ESex sex, int age, const CGamePalette& palette) {
    age = std::clamp(age, 0, kAges - 1);
    SFeatures f = Features(seed, sex);
    SRgb hair = AgedHair(f, age);
    CCanvas canvas(kWidth, kHeight, palette);
    Backdrop(canvas, f);
    HairBack(canvas, f, hair);
    Body(canvas, f);
    Head(canvas, f, age);
    HairFront(canvas, f, age, hair);
    Eyes(canvas, f, age, hair);
    NoseAndMouth(canvas, f, age);
    FacialHair(canvas, f, hair);
    if (f.glassesAlways || (f.glassesLater && age == 2)) Glasses(canvas, f);
    return canvas;
}

CMemBlock CFacePainter::DrawBlock(uint64_t seed, ESex sex, int age, const CGamePalette& palette) {
    return CPictureBlock::Image(Draw(seed, sex, age, palette));
}
