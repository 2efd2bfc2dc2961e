// Modal dialogs and desktop services that the core asks for without knowing the window toolkit.
// The Qt program implements them with real dialogs; tests answer from a script; the
// command-line companion answers without asking anyone.
#pragma once

#include <optional>
#include <string>

namespace talvo {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Texts are in the program's 8-bit code page (Windows-1252; 176 is the degree sign).
class DialogServices {
public:
    virtual ~DialogServices() = default;

    // A modal message box; returns the button pressed.
    virtual MessageAnswer MessageBox(const std::string& text, MessageButtons buttons,
                                     const std::string& title) = 0;

    // A modal input box; returns the text typed, or nothing when the observer cancels.
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;

    // Lets the window process pending events (so a Cancel button can be pressed mid-search).
    virtual void DoEvents() = 0;

    // Opens a document or web page with the desktop's opener; false when it could not start.
    [[nodiscard]] virtual bool OpenDocument(const std::string& pathOrUrl) = 0;

    // Clears the clipboard and puts the text on it.
    virtual void SetClipboardText(const std::string& text) = 0;

    virtual void Beep() = 0;
};

}  // namespace talvo
