// The options window: draws the ScopeForm model and forwards clicks to it; modal.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <string>
#include <vector>

#include "forms/scope_form.h"
#include "ui/control_binding.h"

namespace talvo::ui {

class SearchingView;

class ScopeFormView : public QDialog {
    Q_OBJECT

public:
    ScopeFormView(ScopeForm& model, QWidget* parent);

    // Copies every control's state from the model into the widgets.
    void Redraw();

    // The widgets drawing the model's controls (for tests and screenshots).
    QListWidget* ListFor(const ListControl& control) const;
    QPushButton* ButtonFor(const Control& control) const;
    QCheckBox* CheckFor(const CheckControl& control) const;
    QLabel* LabelFor(const Control& control) const;

    // Escape, the window's close box and Cancel: the model closes without applying anything.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // After any handler: closes when the model did, otherwise redraws.
    void AfterEvent();
    QLabel* AddLabel(const Control& control);
    QListWidget* AddList(const ListControl& control, void (ScopeForm::*handler)(int));
    QPushButton* AddButton(const Control& control, void (ScopeForm::*handler)());
    QCheckBox* AddCheck(const CheckControl& control, void (ScopeForm::*handler)(bool));

    template <class Widget, class Model>
    struct Drawn {
        Widget* widget;
        const Model* control;
        DrawnState shown;
    };
    struct DrawnList {
        QListWidget* widget;
        const ListControl* control;
        DrawnState shown;
        std::vector<std::string> items;  // the rows the widget holds
    };

    ScopeForm& model_;
    SearchingView* searching_ = nullptr;
    DrawnState window_;
    std::vector<Drawn<QLabel, Control>> labels_;
    std::vector<Drawn<QPushButton, Control>> buttons_;
    std::vector<Drawn<QCheckBox, CheckControl>> checks_;
    std::vector<DrawnList> lists_;
};

}  // namespace talvo::ui
