#pragma once
// The music device: one standard MIDI file at a time, played once from the
// start or from a position, with its position in milliseconds. Only one
// piece sounds in the whole program: playing a piece on one device stops
// a piece playing on another (which is notified as aborted).
//
// Every failure (no audio, a missing or unreadable file) answers false and
// is otherwise silent.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sound/SoundDevice.h"

class CMusicDevice : public CSoundDevice {
public:
    CMusicDevice() = default;
    ~CMusicDevice() override;

    // Opens the file (closing what was open); the device gets a new id.
    bool Open(const std::string& path);
    // Plays the piece once from `fromMs`. When it ends, `notify` receives
    // MM_MCINOTIFY (MCI_NOTIFY_SUCCESSFUL, device id); a Stop or Close
    // before sends MCI_NOTIFY_ABORTED instead, a new Play
    // MCI_NOTIFY_SUPERSEDED.
    virtual bool Play(CWnd* notify, uint32_t fromMs = 0);
    // Milliseconds from the start of the piece: while playing the current
    // position, afterwards where it stopped.
    uint32_t GetPosition() const;
    // Stops a playing piece (the position stays); true when nothing was left
    // playing.
    bool Stop();
    void Close() override;

protected:
    void OnPlayEnded() override;

private:
    uint32_t Elapsed() const;

    // The whole file, checked to be a standard MIDI file.
    std::vector<uint8_t> m_midi;
    uint32_t m_startPosition = 0;
    uint64_t m_startTicks = 0;
    uint32_t m_endPosition = 0;
};
