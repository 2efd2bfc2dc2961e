// Dialog services with Qt's modal message and input boxes.
#pragma once

#include <QWidget>

#include "forms/dialog_services.h"

namespace talvo::ui {

class QtDialogs final : public DialogServices {
public:
    // Dialogs are centred on `parent` (may be null until the main window exists).
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer MessageBox(const std::string& text, MessageButtons buttons,
                             const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    void DoEvents() override;
    bool OpenDocument(const std::string& pathOrUrl) override;
    void SetClipboardText(const std::string& text) override;
    void Beep() override;

private:
    QWidget* parent_;
};

}  // namespace talvo::ui
