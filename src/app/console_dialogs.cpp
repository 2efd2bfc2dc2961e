#include "app/console_dialogs.h"

#include "engine/text_format.h"

namespace talvo {

MessageAnswer ConsoleDialogs::MessageBox(const std::string& text, MessageButtons buttons,
                                         const std::string&) {
    messages_ << Cp1252ToUtf8(text) << '\n';
    // Unattended: a question is declined, a notice acknowledged.
    switch (buttons) {
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::OkCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

std::optional<std::string> ConsoleDialogs::InputBox(const std::string&, const std::string&,
                                                    const std::string&) {
    return std::nullopt;
}

}  // namespace talvo
