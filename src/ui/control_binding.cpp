#include "ui/control_binding.h"

#include "ui/text_codec.h"

namespace talvo::ui {

void ApplyControl(QWidget* widget, const Control& control) {
    widget->setToolTip(ToQString(control.toolTip));
    widget->setVisible(control.visible);
    widget->setEnabled(control.enabled);
}

}  // namespace talvo::ui
