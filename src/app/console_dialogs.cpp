#include "app/console_dialogs.h"

#include "engine/text_format.h"

namespace talvo {

platform::MessageAnswer ConsoleDialogs::MessageBox(const std::string& text,
                                                   platform::MessageButtons buttons,
                                                   const std::string&) {
    messages_ << Cp1252ToUtf8(text) << '\n';
    // Unattended: a question is declined, a notice acknowledged.
    switch (buttons) {
        case platform::MessageButtons::YesNo: return platform::MessageAnswer::No;
        case platform::MessageButtons::OkCancel: return platform::MessageAnswer::Cancel;
        case platform::MessageButtons::Ok: break;
    }
    return platform::MessageAnswer::Ok;
}

std::optional<std::string> ConsoleDialogs::InputBox(const std::string&, const std::string&,
                                                    const std::string&) {
    return std::nullopt;
}

}  // namespace talvo
