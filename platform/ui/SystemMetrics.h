#pragma once
// System colours and metrics: a fixed table chosen to look right on a Linux
// desktop, so that every run (and every test) draws the same pixels.

#include "platform/ui/WinDefs.h"

class CBrush;

class CSystemMetrics {
public:
    static COLORREF Color(int index);
    // A solid brush of the colour, owned by the table.
    static CBrush* ColorBrush(int index);
    // Screen sizes come from the primary screen; the rest are fixed.
    static int Metric(int index);
};

inline COLORREF GetSysColor(int index) {
    return CSystemMetrics::Color(index);
}
inline CBrush* GetSysColorBrush(int index) {
    return CSystemMetrics::ColorBrush(index);
}
inline int GetSystemMetrics(int index) {
    return CSystemMetrics::Metric(index);
}
