#pragma once
// What music and effect devices share: a device id that is new on every
// Open (0 while closed), the window to notify and the state of the current
// play. All calls come from the user-interface thread.

#include <cstdint>

#include "platform/ui/WinDefs.h"

class CWnd;

class CSoundDevice {
public:
    CSoundDevice() = default;
    virtual ~CSoundDevice();
    CSoundDevice(const CSoundDevice&) = delete;
    CSoundDevice& operator=(const CSoundDevice&) = delete;

    UINT GetDeviceId() const { return m_id; }
    bool IsOpen() const { return m_id != 0; }
    bool IsPlaying() const { return m_playing; }

    // Stops a play (notifying "aborted") and releases the file.
    virtual void Close() = 0;

    // The mixer's end of play `token` of device `deviceId`, on the
    // user-interface thread. Ends that are no longer current (the play was
    // stopped or replaced meanwhile) are ignored.
    static void OnFinished(UINT deviceId, uint32_t token);
    // Closes every open device (before the output is shut down).
    static void CloseAll();

protected:
    // Takes a new device id.
    void Register();
    // Forgets the device id (after Close).
    void Unregister();
    // Marks a new play to be reported to `notify`; returns its token.
    uint32_t BeginPlay(CWnd* notify);
    // Ends the current play with `flag`, posting the notification once.
    void EndPlay(WPARAM flag);
    // Forgets a play that never started, without a notification.
    void AbandonPlay() { m_playing = false; }
    // Called when the current play has ended, before the notification.
    virtual void OnPlayEnded() {}

private:
    UINT m_id = 0;
    CWnd* m_notify = nullptr;
    bool m_playing = false;
    uint32_t m_token = 0;
};
