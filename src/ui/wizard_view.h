// The search wizard's window: draws the Wizard model and forwards clicks and typing to it.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <vector>

#include "forms/wizard.h"

namespace talvo::ui {

class WizardView : public QWidget {
    Q_OBJECT

public:
    WizardView(Wizard& model, QWidget* parent);

    // Shows the window for the model (already loaded), or raises the one open for it. With a
    // parent the window belongs to it; either way it deletes itself when closed.
    static WizardView* Open(Wizard& model, QWidget* parent);

    // Copies the model's state into the widgets.
    void Redraw();

    // The widget drawing a control of the model (for tests and screenshots).
    QWidget* WidgetFor(const Control& control) const;

signals:
    // Go ran a search: the main window shows what it found.
    void Searched();

private:
    // After any handler: closes the window when the model closed, else redraws.
    void AfterEvent();
    QRadioButton* AddOption(CheckControl& option, void (Wizard::*handler)());
    QLabel* AddLabel(const Control& control, int points = 11, bool bold = false);
    QLineEdit* AddText(Control& box, void (Wizard::*handler)(const std::string&));

    Wizard& model_;
    std::vector<std::pair<QRadioButton*, const CheckControl*>> options_;
    std::vector<std::pair<QLabel*, const Control*>> labels_;
    std::vector<std::pair<QLineEdit*, const Control*>> texts_;
    QListWidget* constList_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QPushButton* go_ = nullptr;
};

}  // namespace talvo::ui
