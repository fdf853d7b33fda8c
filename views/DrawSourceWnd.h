#pragma once
// The common base of the drawing windows: one word that says what they
// draw from, set by their owner. The picture windows take it as the game
// document they draw (0: the active document); the colour swatch as its
// colour.

#include <cstdint>

#include "platform/ui/Wnd.h"

class CVDoc;

class CDrawSourceWnd : public CWnd {
public:
    void SetDrawSource(uintptr_t source) { m_source = source; }
    uintptr_t GetDrawSource() const { return m_source; }
    // For the document windows: the document, or 0 for the active one.
    void SetDocument(CVDoc* doc) { m_source = reinterpret_cast<uintptr_t>(doc); }

protected:
    // Shows and repaints the window, or hides it (nothing before it exists).
    void ShowPicture(bool shown);
    // The document the source names, else the host's active document;
    // nullptr when there is none.
    CVDoc* SourceDocument() const;

private:
    uintptr_t m_source = 0;
};
