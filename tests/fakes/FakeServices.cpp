#include "fakes/FakeServices.h"

void CFakeFrameService::SetPumping(int flag) {
    calls.push_back("SetPumping(" + std::to_string(flag) + ")");
}

int CFakeFrameService::CheckCloseRequest() {
    calls.push_back("CheckCloseRequest");
    if (!closeRequested) return 0;
    closeRequested = false;
    return 1;
}

bool CFakeFrameService::PumpOneMessage(int) {
    ++pumpCount;
    if (pendingMessages.empty()) return false;
    auto message = std::move(pendingMessages.front());
    pendingMessages.pop_front();
    message();
    return true;
}

bool CFakeFrameService::WasKeyPressed(int key) {
    return m_pressed.erase(key) > 0;
}

int CFakeFrameService::ShowMessageBox(const std::string& text, unsigned style) {
    calls.push_back("ShowMessageBox(" + std::to_string(style) + ")");
    messages.push_back(text);
    return messageBoxAnswer;
}

void CFakeFrameService::Beep() {
    calls.push_back("Beep");
    ++beepCount;
}
