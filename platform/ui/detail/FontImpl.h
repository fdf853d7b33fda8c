#pragma once

#include <QFont>
#include <QFontMetrics>
#include <optional>

#include "platform/ui/Font.h"

struct CFont::Impl {
    LOGFONT log;
    QFont font;
    std::optional<QFontMetrics> metrics;
};
