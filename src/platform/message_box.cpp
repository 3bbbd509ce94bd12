#include "platform/message_box.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

MessageBoxBackend g_forced = MessageBoxBackend::Automatic;
MessageBoxHook& hook() {
    static MessageBoxHook h;
    return h;
}

bool displayAvailable() {
    static int known = -1;
    if (known < 0) {
        Display* d = XOpenDisplay(nullptr);
        known = d ? 1 : 0;
        if (d) XCloseDisplay(d);
    }
    return known == 1;
}

MessageBoxBackend chosenBackend() {
    if (g_forced != MessageBoxBackend::Automatic) return g_forced;
    const char* env = std::getenv("FLURRYDALE_MESSAGEBOX");
    if (env && std::strcmp(env, "stderr") == 0) return MessageBoxBackend::Stderr;
    return displayAvailable() ? MessageBoxBackend::Interactive : MessageBoxBackend::Stderr;
}

void appendEscaped(std::string& out, const char* s) {
    for (; s && *s; ++s) {
        switch (*s) {
            case '\n': out += "\\n"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default: out += *s;
        }
    }
}

const char* buttonsName(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OK: return "OK";
        case MB_YESNO: return "YESNO";
        case MB_RETRYCANCEL: return "RETRYCANCEL";
        default: return nullptr;
    }
}

const char* answerName(int answer) {
    switch (answer) {
        case IDOK: return "OK";
        case IDCANCEL: return "CANCEL";
        case IDRETRY: return "RETRY";
        case IDYES: return "YES";
        case IDNO: return "NO";
        default: return "NONE";
    }
}

}  // namespace

void setMessageBoxBackend(MessageBoxBackend backend) { g_forced = backend; }

void setMessageBoxHook(MessageBoxHook h) { hook() = std::move(h); }

int nonInteractiveAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_YESNO: return IDNO;
        case MB_RETRYCANCEL: return IDCANCEL;
        default: return IDOK;
    }
}

std::string describeMessageBox(const char* text, const char* caption, UINT type, int answer) {
    std::string line = "flurrydale: message box: caption=\"";
    appendEscaped(line, caption);
    line += "\" text=\"";
    appendEscaped(line, text);
    line += "\" buttons=";
    const char* b = buttonsName(type);
    line += b ? b : "?";
    line += " answer=";
    line += answerName(answer);
    return line;
}

}  // namespace platform

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    using namespace platform;
    if (!buttonsName(type)) {
        std::fprintf(stderr, "flurrydale: MessageBoxA: unsupported type 0x%x\n", type);
        return 0;
    }
    if (hook()) return hook()(MessageBoxCall{owner, text ? text : "", caption ? caption : "", type});
    if (chosenBackend() == MessageBoxBackend::Interactive)
        return showInteractiveMessageBox(owner, text ? text : "", caption ? caption : "", type);
    int answer = nonInteractiveAnswer(type);
    std::string line = describeMessageBox(text, caption, type, answer);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    return answer;
}
