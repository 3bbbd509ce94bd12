// Drives the platform layer's message queue (our own windows, their input
// and their timers) from the FLTK loop of a dialog: it watches the X
// connection, wakes when the next of our timers is due, and dispatches
// queued messages after offering each to a pre-translation hook.
#pragma once

#include <functional>

#include "platform/win_types.h"

namespace dlg {

// Answers true when it has handled the message itself (it is not dispatched).
using PreTranslateHook = std::function<bool(const MSG&)>;

class MessagePump {
public:
    explicit MessagePump(PreTranslateHook hook);
    ~MessagePump();
    MessagePump(const MessagePump&) = delete;
    MessagePump& operator=(const MessagePump&) = delete;

    // Dispatches what is queued now, at most one timer message per call so
    // that slow frames cannot starve the toolkit's own events.
    void pumpNow();

private:
    void rearm();
    static void onCheck(void* self);
    static void onTimeout(void* self);
    static void onIdle(void* self);
    static void onFd(int fd, void* self);

    PreTranslateHook hook_;
    int fd_ = -1;
    bool pumping_ = false;
};

}  // namespace dlg
