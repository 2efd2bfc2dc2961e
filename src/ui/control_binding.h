// Drawing a model's Control onto a Qt widget.
//
// The views redraw every control whenever their model changes (the main window on each 900 ms
// tick), so each setter here leaves the widget alone when it already holds the value: a widget
// that is told anything schedules work, and a style sheet, even the same text again, re-polishes
// the widget and everything inside it and repaints them all.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "app/control.h"

namespace talvo::ui {

inline QString Css(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)).name(); }

// Tooltip, visibility and enabled state of the control.
void ApplyControl(QWidget* widget, const Control& control);

void ApplyStyleSheet(QWidget* widget, const QString& sheet);

// A label's or a button's text.
template <class TextWidget>
void ApplyText(TextWidget* widget, const QString& text) {
    if (widget->text() != text) widget->setText(text);
}

}  // namespace talvo::ui
