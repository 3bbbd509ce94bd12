#include "support/message_box_recorder.h"

MessageBoxRecorder::MessageBoxRecorder() {
    platform::setMessageBoxHook([this](const platform::MessageBoxCall& call) {
        calls_.push_back(call);
        if (!script_.empty()) {
            int a = script_.front();
            script_.pop_front();
            return a;
        }
        return platform::nonInteractiveAnswer(call.type);
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { platform::setMessageBoxHook(nullptr); }

std::vector<std::string> MessageBoxRecorder::summary() const {
    std::vector<std::string> out;
    for (const auto& c : calls_) out.push_back(c.caption + "|" + c.text);
    return out;
}
