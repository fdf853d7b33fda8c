#include "platform/gfx/Clipboard.h"

#include "platform/gfx/WindowSystem.h"

// Without a window system there is no clipboard: nothing is kept and
// nothing can be taken.

bool CClipboard::SetText(const std::string& text) {
    IWindowSystem* system = IWindowSystem::Get();
    return system && system->SetClipboardText(text);
}

std::string CClipboard::GetText() {
    IWindowSystem* system = IWindowSystem::Get();
    return system ? system->GetClipboardText() : std::string();
}

bool CClipboard::HasText() {
    IWindowSystem* system = IWindowSystem::Get();
    return system && system->HasClipboardText();
}

bool CClipboard::SetDib(const std::vector<uint8_t>& packedDib) {
    IWindowSystem* system = IWindowSystem::Get();
    return system && system->SetClipboardDib(packedDib);
}

std::vector<uint8_t> CClipboard::GetDib() {
    IWindowSystem* system = IWindowSystem::Get();
    return system ? system->GetClipboardDib() : std::vector<uint8_t>();
}

bool CClipboard::HasDib() {
    IWindowSystem* system = IWindowSystem::Get();
    return system && system->HasClipboardDib();
}

void CClipboard::Empty() {
    if (IWindowSystem* system = IWindowSystem::Get()) system->EmptyClipboard();
}
