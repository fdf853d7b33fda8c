#pragma once
// The effect device: one WAV file, played once on a mixing channel of its
// own, so that effects sound over the music. The same end notification as
// the music device. Every failure answers false and is otherwise silent.

#include <cstdint>
#include <string>

#include "platform/sound/SoundDevice.h"

struct Mix_Chunk;

class CEffectDevice : public CSoundDevice {
public:
    CEffectDevice() = default;
    ~CEffectDevice() override;

    // Loads the file (closing what was open); the device gets a new id.
    bool Open(const std::string& path);
    // Plays the sound once; when it ends `notify` receives MM_MCINOTIFY
    // (MCI_NOTIFY_SUCCESSFUL, device id), after a Stop or Close
    // MCI_NOTIFY_ABORTED. False when no channel is free.
    virtual bool Play(CWnd* notify);
    bool Stop();
    void Close() override;

private:
    Mix_Chunk* m_chunk = nullptr;
    int m_channel = -1;
};
