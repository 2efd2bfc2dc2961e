#include "ui/control_binding.h"

#include "ui/text_codec.h"

namespace talvo::ui {

void ApplyControl(QWidget* widget, const Control& control) {
    const QString toolTip = ToQString(control.toolTip);
    if (widget->toolTip() != toolTip) widget->setToolTip(toolTip);
    // A child never shown nor hidden reports itself hidden until its window shows, and then
    // shows with it: it must still be told once, or a control meant to be hidden would appear.
    const bool told = widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (!told || widget->isHidden() == control.visible) widget->setVisible(control.visible);
    // Disabled by its own setEnabled(false), not only through a disabled parent.
    if (widget->testAttribute(Qt::WA_ForceDisabled) == control.enabled) widget->setEnabled(control.enabled);
}

void ApplyStyleSheet(QWidget* widget, const QString& sheet) {
    if (widget->styleSheet() != sheet) widget->setStyleSheet(sheet);
}

}  // namespace talvo::ui
