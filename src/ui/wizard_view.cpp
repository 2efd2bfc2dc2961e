#include "ui/wizard_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/control_binding.h"
#include "ui/text_codec.h"

namespace talvo::ui {

namespace {

// The window in the main window's colours: boxes framed in the text colour, and nothing drawn in
// the pale system greys that would light up the window at night.
QString WindowSheet(Colour fore, Colour back) {
    return QString(
               "WizardView, QWidget { color: %1; background-color: %2; }"
               " QLineEdit, QListWidget, QComboBox { border: 1px solid %1; padding: 2px; }"
               " QListWidget::item:selected { color: %2; background-color: %1; }"
               " QPushButton { border: 2px solid %1; padding: 6px 18px; }"
               " QPushButton:disabled, QLineEdit:disabled, QListWidget:disabled, QComboBox:disabled"
               " { border-style: dotted; }"
               " QRadioButton::indicator { width: 12px; height: 12px; border: 2px solid %1;"
               " border-radius: 8px; background-color: %2; }"
               " QRadioButton::indicator:checked { background-color: %1; }"
               " QRadioButton::indicator:disabled { border-style: dotted; }")
        .arg(Css(fore), Css(back));
}

}  // namespace

WizardView::WizardView(Wizard& model, QWidget* parent) : QWidget(parent, Qt::Window), model_(model) {
    setObjectName("WizardView");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 12, 16, 12);
    outer->setSpacing(10);

    auto* title = new QHBoxLayout;
    title->addWidget(AddLabel(model_.WizardLabel, 15, true));
    title->addWidget(AddLabel(model_.DSLabel, 15, true));
    title->addStretch(1);
    outer->addLayout(title);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(24);
    outer->addLayout(columns, 1);

    // The choices: deep-sky kinds, doubles and carbon stars, a specific star.
    auto* choices = new QGridLayout;
    choices->setVerticalSpacing(4);
    int row = 0;
    auto heading = [&](CheckControl& option, void (Wizard::*handler)(), const Control& label) {
        choices->addWidget(AddOption(option, handler), row, 0);
        choices->addWidget(AddLabel(label, 12, true), row, 1, 1, 5);
        ++row;
    };
    auto choice = [&](CheckControl& option, void (Wizard::*handler)(), const Control& label, int column) {
        choices->addWidget(AddOption(option, handler), row, 1 + 2 * column, Qt::AlignRight);
        choices->addWidget(AddLabel(label), row, 2 + 2 * column);
        if (column == 1) ++row;
    };
    heading(model_.Option1, &Wizard::Option1_Click, model_.Label1);
    choice(model_.Option3, &Wizard::Option3_Click, model_.AnyKind, 0);
    choice(model_.Option4, &Wizard::Option4_Click, model_.OpenClus, 1);
    choice(model_.Option5, &Wizard::Option5_Click, model_.Nebulae, 0);
    choice(model_.Option6, &Wizard::Option6_Click, model_.Galaxies, 1);
    choice(model_.Option7, &Wizard::Option7_Click, model_.Globular, 0);
    choice(model_.Option8, &Wizard::Option8_Click, model_.Planetaries, 1);
    choice(model_.Option13, &Wizard::Option13_Click, model_.Quasars, 0);
    ++row;
    heading(model_.Option2, &Wizard::Option2_Click, model_.Label2);
    choice(model_.Option10, &Wizard::Option10_Click, model_.BestDoubles, 0);
    choice(model_.Option11, &Wizard::Option11_Click, model_.AnyDouble, 1);
    choice(model_.Option12, &Wizard::Option12_Click, model_.CarbonStar, 0);
    ++row;
    heading(model_.Option9, &Wizard::Option9_Click, model_.Label7);
    combo1_ = new QComboBox(this);
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setFont(Points(12));
    combo1_->setMinimumWidth(110);
    auto* star = new QHBoxLayout;
    star->setSpacing(12);
    star->addWidget(combo1_);
    star->addWidget(AddLabel(model_.GreekLabel));
    star->addStretch(1);
    choices->addLayout(star, row, 1, 1, 5);
    ++row;
    choices->setRowStretch(row, 1);
    choices->setColumnStretch(5, 1);  // the headings' extra width, right of every choice
    columns->addLayout(choices);

    auto* constellations = new QVBoxLayout;
    QLabel* constLabel = AddLabel(model_.ConstLabel);
    constLabel->setWordWrap(true);
    constLabel->setMaximumWidth(220);
    constellations->addWidget(constLabel);
    constList_ = new QListWidget(this);
    constList_->setFont(QFont("Monospace", 12));
    constList_->setMinimumWidth(220);
    constellations->addWidget(constList_, 1);
    columns->addLayout(constellations);

    // The search itself: the texts Go hands to it.
    auto* search = new QVBoxLayout;
    search->setSpacing(3);
    const std::pair<Control*, const Control*> boxes[] = {
        {&model_.FirstName, &model_.Label3},   {&model_.SecondName, &model_.Label4},
        {&model_.MinAltitude, &model_.Label5}, {&model_.MaxAltitude, &model_.Label8},
        {&model_.MinMag, &model_.Label6},
    };
    void (Wizard::*handlers[])(const std::string&) = {&Wizard::FirstName_Change, &Wizard::SecondName_Change,
                                                      &Wizard::MinAltitude_Change,
                                                      &Wizard::MaxAltitude_Change, &Wizard::MinMag_Change};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        QLabel* label = AddLabel(*boxes[i].second, 10);
        label->setWordWrap(true);
        search->addWidget(label);
        search->addWidget(AddText(*boxes[i].first, handlers[i]));
        search->addSpacing(6);
    }
    go_ = new QPushButton(this);
    go_->setFont(Points(13, true));
    search->addWidget(go_, 0, Qt::AlignLeft);
    QLabel* goLabel = AddLabel(model_.GoLabel, 11);
    goLabel->setWordWrap(true);
    goLabel->setMinimumHeight(goLabel->fontMetrics().lineSpacing() * 3);
    search->addWidget(goLabel);
    search->addStretch(1);
    auto* searchWidget = new QWidget(this);
    searchWidget->setLayout(search);
    searchWidget->setFixedWidth(380);
    columns->addWidget(searchWidget);

    connect(constList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.ConstList_Click(constList_->row(item));
        AfterEvent();
    });
    connect(combo1_, &QComboBox::activated, this, [this](int index) {
        model_.Combo1_Click(index);
        AfterEvent();
    });
    connect(combo1_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.Combo1_Change(FromQString(text));
        AfterEvent();
    });
    connect(go_, &QPushButton::clicked, this, [this] {
        model_.Go_Click();
        const bool searched = !model_.visible;
        AfterEvent();
        if (searched) emit Searched();
    });
    Redraw();
}

WizardView* WizardView::Open(Wizard& model, QWidget* parent) {
    WizardView* view = nullptr;
    if (parent != nullptr) {
        for (WizardView* open : parent->findChildren<WizardView*>(Qt::FindDirectChildrenOnly)) {
            if (&open->model_ == &model && open->isVisible()) view = open;
        }
    }
    if (view == nullptr) {
        view = new WizardView(model, parent);
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->resize(view->sizeHint().expandedTo(QSize(1280, 560)));
    }
    view->Redraw();
    view->show();
    view->raise();
    view->activateWindow();
    return view;
}

QRadioButton* WizardView::AddOption(CheckControl& option, void (Wizard::*handler)()) {
    auto* button = new QRadioButton(this);
    button->setAutoExclusive(false);  // the model decides which option of a group is chosen
    connect(button, &QRadioButton::clicked, this, [this, handler] {
        (model_.*handler)();
        AfterEvent();
    });
    options_.emplace_back(button, &option);
    return button;
}

QLabel* WizardView::AddLabel(const Control& control, int points, bool bold) {
    auto* label = new QLabel(this);
    label->setFont(Points(points, bold));
    label->setTextFormat(Qt::PlainText);
    labels_.emplace_back(label, &control);
    return label;
}

QLineEdit* WizardView::AddText(Control& box, void (Wizard::*handler)(const std::string&)) {
    auto* edit = new QLineEdit(this);
    edit->setFont(Points(12));
    connect(edit, &QLineEdit::textEdited, this, [this, handler](const QString& text) {
        (model_.*handler)(FromQString(text));
        AfterEvent();
    });
    texts_.emplace_back(edit, &box);
    return edit;
}

QWidget* WizardView::WidgetFor(const Control& control) const {
    for (const auto& [widget, drawn] : options_) {
        if (drawn == &control) return widget;
    }
    for (const auto& [widget, drawn] : labels_) {
        if (drawn == &control) return widget;
    }
    for (const auto& [widget, drawn] : texts_) {
        if (drawn == &control) return widget;
    }
    if (&control == &model_.ConstList) return constList_;
    if (&control == &model_.Combo1) return combo1_;
    if (&control == &model_.Go) return go_;
    return nullptr;
}

void WizardView::AfterEvent() {
    if (!model_.visible) {
        close();
        return;
    }
    Redraw();
}

void WizardView::Redraw() {
    setWindowTitle(ToQString(model_.caption));
    const QString sheet = WindowSheet(model_.foreColor, model_.backColor);
    if (styleSheet() != sheet) setStyleSheet(sheet);
    for (const auto& [button, option] : options_) {
        button->setChecked(option->value);
        ApplyControl(button, *option);
    }
    for (const auto& [label, control] : labels_) {
        const QString text = ToQString(control->caption);
        if (label->text() != text) label->setText(text);
        label->setStyleSheet(QString("color: %1;").arg(Css(control->foreColor)));
        ApplyControl(label, *control);
    }
    for (const auto& [edit, box] : texts_) {
        const QString text = ToQString(box->caption);
        if (edit->text() != text) edit->setText(text);
        ApplyControl(edit, *box);
    }

    QStringList rows;
    for (const std::string& item : model_.ConstList.items) rows << ToQString(item);
    QStringList shown;
    for (int i = 0; i < constList_->count(); ++i) shown << constList_->item(i)->text();
    {
        const QSignalBlocker quiet(constList_);
        if (rows != shown) {
            constList_->clear();
            constList_->addItems(rows);
        }
        constList_->setCurrentRow(model_.ConstList.listIndex);
    }
    ApplyControl(constList_, model_.ConstList);

    {
        const QSignalBlocker quiet(combo1_);
        QStringList letters;
        for (const std::string& item : model_.Combo1.items) letters << ToQString(item);
        QStringList listed;
        for (int i = 0; i < combo1_->count(); ++i) listed << combo1_->itemText(i);
        if (letters != listed) {
            combo1_->clear();
            combo1_->addItems(letters);
        }
        const QString typed = ToQString(model_.Combo1.caption);
        if (combo1_->currentText() != typed) combo1_->setEditText(typed);
    }
    ApplyControl(combo1_, model_.Combo1);

    go_->setText(ToQString(model_.Go.caption));
    ApplyControl(go_, model_.Go);
}

}  // namespace talvo::ui
