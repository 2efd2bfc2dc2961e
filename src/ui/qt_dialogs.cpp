#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/desktop_open.h"
#include "ui/text_codec.h"

namespace talvo::ui {

MessageAnswer QtDialogs::MessageBox(const std::string& text, MessageButtons buttons,
                                    const std::string& title) {
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    if (buttons == MessageButtons::OkCancel) shown = QMessageBox::Ok | QMessageBox::Cancel;
    if (buttons == MessageButtons::YesNo) shown = QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(QMessageBox::NoIcon, ToQString(title.empty() ? "TALVO" : title), ToQString(text), shown,
                    parent_);
    switch (box.exec()) {
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            break;
    }
    // Closing the box with the window's close button answers its negative choice.
    if (buttons == MessageButtons::OkCancel && box.clickedButton() == nullptr) return MessageAnswer::Cancel;
    return MessageAnswer::Ok;
}

std::optional<std::string> QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    bool ok = false;
    QString answer = QInputDialog::getText(parent_, ToQString(title), ToQString(prompt), QLineEdit::Normal,
                                           ToQString(defaultText), &ok);
    if (!ok) return std::nullopt;
    return FromQString(answer);
}

void QtDialogs::DoEvents() { QApplication::processEvents(); }

bool QtDialogs::OpenDocument(const std::string& pathOrUrl) { return platform::OpenWithDesktop(pathOrUrl); }

void QtDialogs::SetClipboardText(const std::string& text) {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(ToQString(text));
}

void QtDialogs::Beep() { QApplication::beep(); }

}  // namespace talvo::ui
