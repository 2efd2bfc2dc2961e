#include "ui/night_palette.h"

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QProxyStyle>
#include <QStyle>

#include "forms/night_vision.h"
#include "ui/control_binding.h"

namespace talvo::ui {

namespace {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

// Fusion draws every part from the palette; the platform's own styles may not. What no palette
// reaches is left out: the desktop theme's coloured icons (the green tick on OK, the icons of
// message boxes), and the cursor of a text box, which is drawn as the inverse of what lies under
// it, a bright cyan line on red (what is typed, and the selection, still show).
class NightStyle : public QProxyStyle {
public:
    NightStyle() : QProxyStyle("Fusion") {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TextCursorWidth) return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
    QIcon standardIcon(StandardPixmap, const QStyleOption*, const QWidget*) const override { return {}; }
};

// Used when the day style cannot be named again (an application style sheet hides it).
const char* kFallbackStyle = "Fusion";

}  // namespace

QPalette NightPalette() {
    const NightColours& night = kNightColours;
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, Colour colour) {
        palette.setColor(QPalette::All, role, ToQColor(colour));
    };
    set(QPalette::Window, night.window);
    set(QPalette::WindowText, night.windowText);
    set(QPalette::Base, night.base);
    set(QPalette::AlternateBase, night.base);
    set(QPalette::Text, night.windowText);
    set(QPalette::PlaceholderText, night.disabledText);
    set(QPalette::Button, night.window);
    set(QPalette::ButtonText, night.windowText);
    set(QPalette::BrightText, night.light);
    set(QPalette::Light, night.light);
    set(QPalette::Midlight, night.toolTipBase);
    set(QPalette::Mid, night.scrollBar);
    set(QPalette::Dark, night.shadow);
    set(QPalette::Shadow, night.shadow);
    set(QPalette::Highlight, night.highlight);
    set(QPalette::HighlightedText, night.highlightedText);
    set(QPalette::ToolTipBase, night.toolTipBase);
    set(QPalette::ToolTipText, night.toolTipText);
    set(QPalette::Link, night.light);
    set(QPalette::LinkVisited, night.toolTipBase);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, ToQColor(night.disabledText));
    }
    return palette;
}

QString NightStyleSheet() {
    const NightColours& n = kNightColours;
    // %1 window, %2 text, %3 base, %4 highlight, %5 highlighted text, %6 scroll bar groove,
    // %7 frames, %8 disabled text, %9 tooltip background.
    return QString(
               "QWidget { color: %2; background-color: %1; selection-color: %5;"
               " selection-background-color: %4; }"
               "QToolTip { color: %2; background-color: %9; border: 1px solid %7; }"
               "QPushButton, QToolButton { color: %2; background-color: %1; border: 1px solid %7;"
               " border-radius: 4px; padding: 4px 10px; }"
               "QPushButton:disabled, QToolButton:disabled { color: %8; border-color: %8; }"
               "QPushButton:focus, QPushButton:default { border: 2px solid %7; }"
               "QLineEdit, QTextEdit, QPlainTextEdit, QTextBrowser, QAbstractItemView, QComboBox,"
               " QAbstractSpinBox { color: %2; background-color: %3; border: 1px solid %7; }"
               "QAbstractItemView::item:selected { color: %5; background-color: %4; }"
               "QHeaderView::section { color: %2; background-color: %1; border: 1px solid %7; }"
               "QMenuBar, QMenu { color: %2; background-color: %1; border: 1px solid %7; }"
               "QMenu::item:selected, QMenuBar::item:selected { color: %5; background-color: %4; }"
               "QScrollBar:vertical { background: %6; width: 14px; margin: 0; border: none; }"
               "QScrollBar:horizontal { background: %6; height: 14px; margin: 0; border: none; }"
               "QScrollBar::handle { background: %1; border: 1px solid %7; min-height: 24px; min-width: "
               "24px; }"
               "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }"
               "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"
               "QAbstractScrollArea::corner { background: %6; }")
        .arg(Css(n.window), Css(n.windowText), Css(n.base), Css(n.highlight), Css(n.highlightedText),
             Css(n.scrollBar), Css(n.shadow), Css(n.disabledText), Css(n.toolTipBase));
}

NightScreen::~NightScreen() { Show(false); }

void NightScreen::Show(bool night) {
    if (night == shown_ || qApp == nullptr) return;
    if (night) {
        dayPalette_ = QApplication::palette();
        daySheet_ = qApp->styleSheet();
        dayStyle_ = QApplication::style()->name();
        if (dayStyle_.isEmpty()) dayStyle_ = kFallbackStyle;
        QApplication::setStyle(new NightStyle);  // the application owns it from here
        QApplication::setPalette(NightPalette());
        qApp->setStyleSheet(NightStyleSheet());
    } else {
        qApp->setStyleSheet(daySheet_);
        QApplication::setStyle(dayStyle_);
        QApplication::setPalette(dayPalette_);
    }
    shown_ = night;
}

}  // namespace talvo::ui
