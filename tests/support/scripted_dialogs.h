// Dialog services that answer from queues the test fills and record everything shown. A
// question asked with an empty queue is declined (Cancel, No, or nothing typed); a notice (an
// OK box) needs no answer.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/dialog_services.h"

namespace talvo::testing {

struct ShownMessage {
    std::string text;
    MessageButtons buttons;
};

struct ShownPrompt {
    std::string prompt, title;
};

class ScriptedDialogs final : public DialogServices {
public:
    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::function<void()> onDoEvents;  // what the observer does while the interface is looked at

    std::vector<ShownMessage> messages;
    std::vector<ShownPrompt> prompts;
    std::vector<std::string> openedDocuments;
    std::string clipboard;
    bool openSucceeds = true;
    int beeps = 0;

    MessageAnswer MessageBox(const std::string& text, MessageButtons buttons, const std::string&) override {
        messages.push_back({text, buttons});
        if (messageAnswers.empty()) {
            if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
            return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
        }
        MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }

    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string&) override {
        prompts.push_back({prompt, title});
        if (inputAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }

    // The texts of the messages shown, one after the other, separated by "|".
    std::string MessageTexts() const {
        std::string texts;
        for (const ShownMessage& message : messages) texts += (texts.empty() ? "" : "|") + message.text;
        return texts;
    }

    void DoEvents() override {
        if (onDoEvents) onDoEvents();
    }
    bool OpenDocument(const std::string& pathOrUrl) override {
        openedDocuments.push_back(pathOrUrl);
        return openSucceeds;
    }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    void Beep() override { ++beeps; }
};

}  // namespace talvo::testing
