#pragma once
// A font as Qt draws it: the request, the Qt font and its metrics on our
// 32-bit surfaces.

#include <QFont>
#include <QFontMetrics>
#include <string>
#include <unordered_map>

#include "platform/gfx/FontFace.h"
#include "platform/gfx/GdiDefs.h"

class CQtFontFace : public CFontFace {
public:
    CQtFontFace(const LOGFONT& log, const QFont& font, const QFontMetrics& metrics)
        : log(log), font(font), metrics(metrics) {}

    // The advance of a text, measured once: the windows measure the same
    // names and labels on every paint, and shaping them is what costs.
    int Width(const std::string& text) const {
        const auto found = m_widths.find(text);
        if (found != m_widths.end()) return found->second;
        // The texts a game shows are few; a face that measured very many
        // different ones (a long log) starts its memory afresh.
        if (m_widths.size() >= kMaxKeptWidths) m_widths.clear();
        const int width = metrics.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        m_widths.emplace(text, width);
        return width;
    }

    LOGFONT log;
    QFont font;
    QFontMetrics metrics;

private:
    static constexpr size_t kMaxKeptWidths = 4096;
    mutable std::unordered_map<std::string, int> m_widths;
};
