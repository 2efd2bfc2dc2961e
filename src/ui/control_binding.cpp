#include "ui/control_binding.h"

#include "ui/text_codec.h"

namespace talvo::ui {

QString ColourSheet(Colour fore, Colour back) {
    return QString("color: %1; background-color: %2;").arg(Css(fore), Css(back));
}

QString DisabledCss(Colour fore, Colour back) {
    const QColor text(Css(fore));
    const QColor dimmed = text.darker(220);
    return (dimmed == text ? QColor(Css(back)).darker(200) : dimmed).name();
}

void ApplyControl(QWidget* widget, const Control& control) {
    const QString toolTip = ToQString(control.toolTip);
    if (widget->toolTip() != toolTip) widget->setToolTip(toolTip);
    // Hidden: by setVisible(false), or put into a window already on screen and never shown since.
    if (widget->isHidden() == control.visible) widget->setVisible(control.visible);
    // Disabled by its own setEnabled(false), not only through a disabled parent.
    if (widget->testAttribute(Qt::WA_ForceDisabled) == control.enabled) widget->setEnabled(control.enabled);
}

bool DrawnState::TextChanged(const std::string& text) {
    if (text_ == text) return false;
    text_ = text;
    return true;
}

void DrawnState::Text(QLabel* label, const std::string& text) {
    if (TextChanged(text)) label->setText(ToQString(text));
}

void DrawnState::Text(QAbstractButton* button, const std::string& text) {
    if (TextChanged(text)) button->setText(ToQString(text));
}

void DrawnState::State(QWidget* widget, const Control& control) {
    if (state_ && state_->toolTip == control.toolTip && state_->visible == control.visible &&
        state_->enabled == control.enabled) {
        return;
    }
    ApplyControl(widget, control);
    state_ = Shown{control.toolTip, control.visible, control.enabled};
}

bool DrawnState::Colours(QWidget* widget, Colour fore, Colour back, QString (*sheet)(Colour, Colour)) {
    if (colours_ == std::pair{fore, back}) return false;
    colours_ = std::pair{fore, back};
    widget->setStyleSheet(sheet(fore, back));
    return true;
}

QFont Points(int points, bool bold) {
    QFont font;
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

}  // namespace talvo::ui
