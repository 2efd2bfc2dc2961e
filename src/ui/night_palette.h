// Night vision on the screen: every window of the program, the dialogs, lists, menus, tooltips
// and scroll bars they open included, drawn in the night colours. The application's palette,
// style sheet and style are replaced while it is on and put back exactly when it goes off.
#pragma once

#include <QPalette>
#include <QString>

namespace talvo::ui {

// Qt's palette of the night colours (forms/night_vision.h).
QPalette NightPalette();

// The application's style sheet in night vision: the parts a style draws in colours of its own
// (button bevels, scroll bars, tooltips, menus, text boxes) in the night colours.
QString NightStyleSheet();

class NightScreen {
public:
    NightScreen() = default;
    ~NightScreen();  // the day look comes back with the window that set the night one
    NightScreen(const NightScreen&) = delete;
    NightScreen& operator=(const NightScreen&) = delete;

    // Puts the night look on the application, or back to what it was before.
    void Show(bool night);
    [[nodiscard]] bool Shown() const { return shown_; }

private:
    bool shown_ = false;
    QPalette dayPalette_;
    QString daySheet_;
    QString dayStyle_;  // the name of the style before night vision
};

}  // namespace talvo::ui
