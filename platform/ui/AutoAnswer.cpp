#include "platform/ui/AutoAnswer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

std::optional<bool>& Override() {
    static std::optional<bool> value;
    return value;
}

CAutoAnswer::Script& ScriptSlot() {
    static CAutoAnswer::Script script;
    return script;
}

}  // namespace

void CAutoAnswer::SetScript(Script script) {
    ScriptSlot() = std::move(script);
}

int CAutoAnswer::Answer(const std::string& text, int defaultAnswer) {
    return ScriptSlot() ? ScriptSlot()(text, defaultAnswer) : defaultAnswer;
}

bool CAutoAnswer::IsAutoAnswer() {
    if (Override()) return *Override();
    const char* env = std::getenv("MERCAVO_AUTO_ANSWER");
    return env && std::strcmp(env, "1") == 0;
}

void CAutoAnswer::Set(bool on) {
    Override() = on;
}

void CAutoAnswer::Reset() {
    Override().reset();
}

void CAutoAnswer::Log(const std::string& caption, const std::string& text,
                      const std::string& answer) {
    std::string flat = text;
    for (char& c : flat) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    std::fprintf(stderr, "[auto-answer] %s: %s -> %s\n", caption.c_str(), flat.c_str(),
                 answer.c_str());
    std::fflush(stderr);
}
