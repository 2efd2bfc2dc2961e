// Dialog services that answer from queues the test fills and record everything shown.
// A notice (an OK box) needs no answer. A question asked with an empty queue is declined
// (Cancel, No, or nothing typed) and counted in `unscripted`.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_services.h"

namespace talvo::testing {

struct ShownMessage {
    std::string text;
    platform::MessageButtons buttons;
    std::string title;
};

struct ShownPrompt {
    std::string prompt, title, defaultText;
};

class ScriptedDialogs final : public platform::DialogServices {
public:
    std::deque<platform::MessageAnswer> messageAnswers;
    std::deque<std::optional<std::string>> inputAnswers;

    std::vector<ShownMessage> messages;
    std::vector<ShownPrompt> prompts;
    std::vector<std::string> openedDocuments;
    std::string clipboard;
    bool openSucceeds = true;
    int unscripted = 0, doEventsCalls = 0, beeps = 0;

    platform::MessageAnswer MessageBox(const std::string& text, platform::MessageButtons buttons,
                                       const std::string& title) override {
        using platform::MessageAnswer;
        messages.push_back({text, buttons, title});
        if (!messageAnswers.empty()) {
            MessageAnswer answer = messageAnswers.front();
            messageAnswers.pop_front();
            return answer;
        }
        if (buttons == platform::MessageButtons::Ok) return MessageAnswer::Ok;
        ++unscripted;
        return buttons == platform::MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }

    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override {
        prompts.push_back({prompt, title, defaultText});
        if (inputAnswers.empty()) {
            ++unscripted;
            return std::nullopt;
        }
        std::optional<std::string> answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }

    void DoEvents() override { ++doEventsCalls; }
    bool OpenDocument(const std::string& pathOrUrl) override {
        openedDocuments.push_back(pathOrUrl);
        return openSucceeds;
    }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    void Beep() override { ++beeps; }
};

}  // namespace talvo::testing
