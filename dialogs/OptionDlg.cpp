#include "dialogs/OptionDlg.h"

namespace {

template <typename T, size_t N>
bool InTable(const std::array<T, N>&, int i) {
    return i >= 0 && i < static_cast<int>(N);
}

}  // namespace

void COptionDlg::SetMusicFile(int file, const std::string& name) {
    if (InTable(m_musicFiles, file)) m_musicFiles[static_cast<size_t>(file)] = name;
}

std::string COptionDlg::GetMusicFile(int file) const {
    return InTable(m_musicFiles, file) ? m_musicFiles[static_cast<size_t>(file)] : "";
}

void COptionDlg::SetSceneMusic(int scene, int file) {
    if (InTable(m_sceneMusic, scene)) m_sceneMusic[static_cast<size_t>(scene)] = file;
}

int COptionDlg::GetSceneMusic(int scene) const {
    return InTable(m_sceneMusic, scene) ? m_sceneMusic[static_cast<size_t>(scene)] : -1;
}

void COptionDlg::SetSoundFile(int file, const std::string& name) {
    if (InTable(m_soundFiles, file)) m_soundFiles[static_cast<size_t>(file)] = name;
}

std::string COptionDlg::GetSoundFile(int file) const {
    return InTable(m_soundFiles, file) ? m_soundFiles[static_cast<size_t>(file)] : "";
}

void COptionDlg::SetEventSound(int event, int file) {
    if (InTable(m_eventSounds, event)) m_eventSounds[static_cast<size_t>(event)] = file;
}

int COptionDlg::GetEventSound(int event) const {
    return InTable(m_eventSounds, event) ? m_eventSounds[static_cast<size_t>(event)] : -1;
}
