#include "platform/ui/Desktop.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/ui/detail/UiSystem.h"

namespace {

CDesktop::LaunchHook& Hook() {
    static CDesktop::LaunchHook hook;
    return hook;
}

bool Launch(const std::string& program, const std::vector<std::string>& args,
            const std::string& workDir) {
    if (Hook()) return Hook()(program, args, workDir);
    CUiSystem::Ensure();
    QStringList list;
    for (const std::string& a : args) list << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(program), list,
                                   QString::fromStdString(workDir));
}

bool IsWebAddress(const std::string& text) {
    return text.rfind("http://", 0) == 0 || text.rfind("https://", 0) == 0 ||
           text.rfind("file:", 0) == 0;
}

}  // namespace

bool CDesktop::OpenPage(const std::string& urlOrPath) {
    if (urlOrPath.empty()) return false;
    std::string address = urlOrPath;
    if (!IsWebAddress(urlOrPath)) {
        const QString absolute = QFileInfo(QString::fromStdString(urlOrPath)).absoluteFilePath();
        address = QUrl::fromLocalFile(absolute).toString().toStdString();
    }
    return Launch("xdg-open", {address}, "");
}

bool CDesktop::StartProgram(const std::string& absolutePath, const std::vector<std::string>& args,
                            const std::string& workDir) {
    if (absolutePath.empty() || absolutePath.front() != '/') return false;
    return Launch(absolutePath, args, workDir);
}

void CDesktop::SetLaunchHook(LaunchHook hook) {
    Hook() = std::move(hook);
}
