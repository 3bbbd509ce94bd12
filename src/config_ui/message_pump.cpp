#include "config_ui/message_pump.h"

#include <FL/Fl.H>

#include "platform/window.h"

namespace dlg {

MessagePump::MessagePump(PreTranslateHook hook) : hook_(std::move(hook)) {
    fd_ = platform::x11ConnectionFd();
    if (fd_ >= 0) Fl::add_fd(fd_, FL_READ, onFd, this);
    Fl::add_check(onCheck, this);
    rearm();
}

MessagePump::~MessagePump() {
    Fl::remove_check(onCheck, this);
    Fl::remove_timeout(onTimeout, this);
    Fl::remove_idle(onIdle, this);
    if (fd_ >= 0) Fl::remove_fd(fd_);
}

void MessagePump::pumpNow() {
    if (pumping_) return;  // a handler that runs a nested loop
    pumping_ = true;
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (!(hook_ && hook_(msg))) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (msg.message == WM_TIMER) break;
    }
    pumping_ = false;
    rearm();
}

void MessagePump::rearm() {
    Fl::remove_timeout(onTimeout, this);
    Fl::remove_idle(onIdle, this);
    int ms = platform::millisUntilNextTimer();
    // A timer that is already due (a frame took longer than its period) is
    // served from the idle callback, which runs once per turn of the loop;
    // every turn also reads the toolkit's own events. A time-out of zero
    // set from within a time-out would be run again at once, before any
    // event is read, for as long as the frames stay slow: keys and redraws
    // of the dialog would wait until they are fast again.
    if (ms > 0) Fl::add_timeout(ms / 1000.0, onTimeout, this);
    else if (ms == 0) Fl::add_idle(onIdle, this);
}

void MessagePump::onCheck(void* self) { static_cast<MessagePump*>(self)->pumpNow(); }
void MessagePump::onTimeout(void* self) { static_cast<MessagePump*>(self)->pumpNow(); }
void MessagePump::onIdle(void* self) { static_cast<MessagePump*>(self)->pumpNow(); }
void MessagePump::onFd(int, void* self) { static_cast<MessagePump*>(self)->pumpNow(); }

}  // namespace dlg
