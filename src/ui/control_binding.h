// Drawing a model's Control onto a Qt widget.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "forms/control.h"

namespace talvo::ui {

inline QString Css(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)).name(); }

// Tooltip, visibility, enabled state and colours of the control.
void ApplyControl(QWidget* widget, const Control& control);

}  // namespace talvo::ui
