#pragma once
// A font as Qt draws it: the request, the Qt font and its metrics on our
// 32-bit surfaces.

#include <QFont>
#include <QFontMetrics>

#include "platform/gfx/FontFace.h"
#include "platform/gfx/GdiDefs.h"

class CQtFontFace : public CFontFace {
public:
    CQtFontFace(const LOGFONT& log, const QFont& font, const QFontMetrics& metrics)
        : log(log), font(font), metrics(metrics) {}

    LOGFONT log;
    QFont font;
    QFontMetrics metrics;
};
