// Drawing a model's Control onto a Qt widget.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <utility>

#include "forms/control.h"

namespace talvo::ui {

inline QString Css(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)).name(); }

// The text colour of a control that cannot be used: the text colour darkened, or, for text too
// dark to darken (the black of night vision), the background darkened.
QString DisabledCss(Colour fore, Colour back);

// The style sheet giving a widget its text and background colours.
QString ColourSheet(Colour fore, Colour back);

// Tooltip, visibility and enabled state of the control; what the widget already holds is left alone.
// A font of that many points, read at arm's length from a laptop or tablet at the telescope.
QFont Points(int points, bool bold = false);

void ApplyControl(QWidget* widget, const Control& control);

// What one widget was last given from the model, so that a redraw sets only what changed. The
// views redraw every control whenever their model changes (the main window on each 900 ms tick):
// each setter schedules an update, and a style sheet, even the same text again, re-polishes the
// widget with everything inside it and repaints them all. The model's values are compared as
// they are, before any conversion to Qt's strings.
class DrawnState {
public:
    void Text(QLabel* label, const std::string& text);
    void Text(QAbstractButton* button, const std::string& text);
    // Tooltip, visibility and enabled state.
    void State(QWidget* widget, const Control& control);
    // Sets the style sheet `sheet` makes of the colours when they changed; true if it did.
    bool Colours(QWidget* widget, Colour fore, Colour back, QString (*sheet)(Colour, Colour) = ColourSheet);

private:
    struct Shown {
        std::string toolTip;
        bool visible;
        bool enabled;
    };

    bool TextChanged(const std::string& text);

    std::optional<std::string> text_;
    std::optional<Shown> state_;
    std::optional<std::pair<Colour, Colour>> colours_;
};

}  // namespace talvo::ui
