#pragma once
// A modal dialog of the game program whose window is not there yet: it
// carries the values its caller gives and reads back, and its modal run
// answers Cancel (logged in an unattended run), so that a command that uses
// it changes nothing. Tests answer for it through the modal hook, which may
// change the values as a person would before it answers.

#include <functional>
#include <string>

class CStandInDialog {
public:
    // Answers for the dialog instead of its modal run (IDOK or IDCANCEL).
    using ModalHook = std::function<int(CStandInDialog&)>;
    static void SetModalHook(ModalHook hook);

    explicit CStandInDialog(std::string caption) : m_caption(std::move(caption)) {}
    virtual ~CStandInDialog() = default;
    CStandInDialog(const CStandInDialog&) = delete;
    CStandInDialog& operator=(const CStandInDialog&) = delete;

    const std::string& GetCaption() const { return m_caption; }
    int DoModal();

private:
    std::string m_caption;
};
