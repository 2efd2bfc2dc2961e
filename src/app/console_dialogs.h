// Dialog services for running without a window: messages are written as lines, questions are
// answered with Cancel, nothing is opened.
#pragma once

#include <ostream>

#include "forms/dialog_services.h"

namespace talvo {

class ConsoleDialogs final : public DialogServices {
public:
    explicit ConsoleDialogs(std::ostream& messages) : messages_(messages) {}

    MessageAnswer MessageBox(const std::string& text, MessageButtons buttons,
                             const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    void DoEvents() override {}
    bool OpenDocument(const std::string&) override { return false; }
    void SetClipboardText(const std::string&) override {}
    void Beep() override {}

private:
    std::ostream& messages_;
};

}  // namespace talvo
