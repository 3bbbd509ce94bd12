// Records every message box shown while it is alive and answers them from a
// script (then with the non-interactive answers: OK, No, Cancel).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/message_box.h"

class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void answerNext(int answer) { script_.push_back(answer); }
    const std::vector<platform::MessageBoxCall>& calls() const { return calls_; }
    std::size_t count() const { return calls_.size(); }
    // "caption|text" of every box, handy for comparing sequences.
    std::vector<std::string> summary() const;
    void clear() { calls_.clear(); }

private:
    std::vector<platform::MessageBoxCall> calls_;
    std::deque<int> script_;
};
