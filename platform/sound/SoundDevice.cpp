#include "platform/sound/SoundDevice.h"

#include <map>
#include <vector>

#include "platform/sound/SoundNotify.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/WindowList.h"

namespace {

std::map<UINT, CSoundDevice*>& Devices() {
    static std::map<UINT, CSoundDevice*> devices;
    return devices;
}

UINT g_nextId = 1;

}  // namespace

CSoundDevice::~CSoundDevice() {
    Unregister();
}

void CSoundDevice::OnFinished(UINT deviceId, uint32_t token) {
    auto it = Devices().find(deviceId);
    if (it == Devices().end()) return;
    CSoundDevice* device = it->second;
    if (device->m_playing && device->m_token == token) device->EndPlay(MCI_NOTIFY_SUCCESSFUL);
}

void CSoundDevice::CloseAll() {
    std::vector<CSoundDevice*> open;
    for (auto& [id, device] : Devices()) open.push_back(device);
    for (CSoundDevice* device : open) device->Close();
}

void CSoundDevice::Register() {
    Unregister();
    // Ids are never reused, so a notification of a closed device can never be
    // taken for one of its successor.
    m_id = g_nextId++;
    if (g_nextId == 0) g_nextId = 1;
    Devices()[m_id] = this;
}

void CSoundDevice::Unregister() {
    if (m_id != 0) Devices().erase(m_id);
    m_id = 0;
    m_playing = false;
}

uint32_t CSoundDevice::BeginPlay(CWnd* notify) {
    if (m_playing) EndPlay(MCI_NOTIFY_SUPERSEDED);
    m_notify = notify;
    m_playing = true;
    return ++m_token;
}

void CSoundDevice::EndPlay(WPARAM flag) {
    if (!m_playing) return;
    m_playing = false;
    OnPlayEnded();
    // The window may have been destroyed while the piece was sounding.
    if (m_notify && CWindowList::IsAlive(m_notify)) {
        m_notify->PostMessage(MM_MCINOTIFY, flag, static_cast<LPARAM>(m_id));
    }
}
