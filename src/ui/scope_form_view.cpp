#include "ui/scope_form_view.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/searching_view.h"
#include "ui/text_codec.h"

namespace talvo::ui {

namespace {

QString WindowSheet(Colour fore, Colour back) {
    const QString foreCss = Css(fore), backCss = Css(back);
    return QString(
               "ScopeFormView { background-color: %1; }"
               "QPushButton { color: %2; background-color: %1; border: 1px solid %2; border-radius: 4px;"
               " padding: 4px 10px; }"
               "QPushButton:disabled { color: %3; border-color: %3; }"
               "QListWidget { color: %2; background-color: %1; border: 1px solid %2; }"
               "QListWidget::item:selected { color: %1; background-color: %2; }"
               "QCheckBox { color: %2; background-color: %1; }")
        .arg(backCss, foreCss, DisabledCss(fore, back));
}

// The colours of a label: its own foreground and background, with a little room around the text.
QString LabelSheet(Colour fore, Colour back) {
    return QString("color: %1; background-color: %2; padding: 2px 6px;").arg(Css(fore), Css(back));
}

}  // namespace

ScopeFormView::ScopeFormView(ScopeForm& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model_.caption));
    setModal(true);
    QFont font = this->font();
    font.setPointSize(10);
    setFont(font);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 8, 10, 8);
    outer->setSpacing(6);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(AddLabel(model_.Label1));
    QListWidget* models = AddList(model_.List1, &ScopeForm::List1_Click);
    left->addWidget(models);
    left->addSpacing(6);
    left->addWidget(AddLabel(model_.Label4));
    QListWidget* sky = AddList(model_.SkyList, &ScopeForm::SkyList_Click);
    left->addWidget(sky);
    left->addSpacing(10);
    // The options: the fixed epoch (its label asks for another year), invalid entries, upload.
    auto* epoch = new QHBoxLayout;
    epoch->addWidget(AddCheck(model_.UseFixedEpoch, &ScopeForm::UseFixedEpoch_Click));
    QLabel* epochLabel = AddLabel(model_.UseJ2000);
    epochLabel->installEventFilter(this);
    epoch->addWidget(epochLabel);
    epoch->addSpacing(18);
    epoch->addWidget(AddCheck(model_.Check1, &ScopeForm::Check1_Click));
    epoch->addWidget(AddLabel(model_.IgnoreInvalid));
    epoch->addStretch(1);
    left->addLayout(epoch);
    left->addSpacing(6);
    auto* upload = new QHBoxLayout;
    upload->addWidget(AddButton(model_.Upload, &ScopeForm::Upload_Click));
    upload->addStretch(1);
    left->addLayout(upload);
    left->addStretch(1);
    columns->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(AddLabel(model_.Label2));
    right->addWidget(AddList(model_.List2, &ScopeForm::List2_Click), 1);
    auto* searches = new QHBoxLayout;
    searches->addWidget(AddButton(model_.ComSearch, &ScopeForm::ComSearch_Click));
    searches->addWidget(AddButton(model_.GPSSelect, &ScopeForm::GPSSelect_Click));
    right->addLayout(searches);
    right->addWidget(AddLabel(model_.Label3));
    QListWidget* sizes = AddList(model_.ScopeSizeList, &ScopeForm::ScopeSizeList_Click);
    right->addWidget(sizes);
    columns->addLayout(right, 2);
    outer->addLayout(columns, 1);

    // The status line spans the window and wraps: it can hold why two ports could not be had.
    QLabel* status = AddLabel(model_.ScopeStatus);
    status->setWordWrap(true);
    status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    outer->addWidget(status);
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    QPushButton* ok = AddButton(model_.OK, nullptr);
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.OK_Click();
        AfterEvent();
    });
    ok->setDefault(true);
    closing->addWidget(ok);
    QPushButton* cancel = AddButton(model_.Cancel, nullptr);
    connect(cancel, &QPushButton::clicked, this, &ScopeFormView::reject);
    closing->addWidget(cancel);
    outer->addLayout(closing);

    searching_ = new SearchingView(model_.searching, this);
    setAutoFillBackground(true);
    Redraw();
    // The fixed lists show all their rows (known once the first redraw filled them).
    for (QListWidget* list : {models, sky, sizes}) {
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setFixedHeight(list->sizeHintForRow(0) * list->count() + 2 * list->frameWidth() + 2);
        list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 8);
    }
    resize(1000, 560);
}

QLabel* ScopeFormView::AddLabel(const Control& control) {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    labels_.push_back({label, &control, {}});
    return label;
}

QListWidget* ScopeFormView::AddList(const ListControl& control, void (ScopeForm::*handler)(int)) {
    auto* list = new QListWidget(this);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(list, &QListWidget::itemClicked, this, [this, list, handler](QListWidgetItem* item) {
        (model_.*handler)(list->row(item));
        AfterEvent();
    });
    lists_.push_back({list, &control, {}, {}});
    return list;
}

QPushButton* ScopeFormView::AddButton(const Control& control, void (ScopeForm::*handler)()) {
    auto* button = new QPushButton(this);
    button->setAutoDefault(false);
    if (handler != nullptr) {
        connect(button, &QPushButton::clicked, this, [this, handler] {
            (model_.*handler)();
            AfterEvent();
        });
    }
    buttons_.push_back({button, &control, {}});
    return button;
}

QCheckBox* ScopeFormView::AddCheck(const CheckControl& control, void (ScopeForm::*handler)(bool)) {
    auto* box = new QCheckBox(this);
    connect(box, &QCheckBox::clicked, this, [this, handler](bool checked) {
        (model_.*handler)(checked);
        AfterEvent();
    });
    checks_.push_back({box, &control, {}});
    return box;
}

QListWidget* ScopeFormView::ListFor(const ListControl& control) const {
    for (const auto& list : lists_) {
        if (list.control == &control) return list.widget;
    }
    return nullptr;
}

QPushButton* ScopeFormView::ButtonFor(const Control& control) const {
    for (const auto& button : buttons_) {
        if (button.control == &control) return button.widget;
    }
    return nullptr;
}

QCheckBox* ScopeFormView::CheckFor(const CheckControl& control) const {
    for (const auto& check : checks_) {
        if (check.control == &control) return check.widget;
    }
    return nullptr;
}

QLabel* ScopeFormView::LabelFor(const Control& control) const {
    for (const auto& label : labels_) {
        if (label.control == &control) return label.widget;
    }
    return nullptr;
}

void ScopeFormView::Redraw() {
    if (window_.Colours(this, model_.foreColor, model_.backColor, WindowSheet)) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, QColor(Css(model_.backColor)));
        setPalette(palette);
    }
    for (auto& [label, control, shown] : labels_) {
        shown.Text(label, control->caption);
        shown.State(label, *control);
        shown.Colours(label, control->foreColor, control->backColor, LabelSheet);
    }
    for (auto& [button, control, shown] : buttons_) {
        shown.Text(button, control->caption);
        shown.State(button, *control);
    }
    for (auto& [box, control, shown] : checks_) {
        shown.State(box, *control);
        if (box->isChecked() != control->value) box->setChecked(control->value);
    }
    for (auto& [list, control, shown, items] : lists_) {
        if (items != control->items) {
            items = control->items;
            list->clear();
            for (const std::string& row : items) list->addItem(ToQString(row));
        }
        shown.State(list, *control);
        if (control->listIndex < 0 || control->listIndex >= list->count()) {
            list->setCurrentRow(-1);
            list->clearSelection();
        } else if (list->currentRow() != control->listIndex) {
            list->setCurrentRow(control->listIndex);
        }
    }
}

void ScopeFormView::AfterEvent() {
    if (!model_.visible) {
        QDialog::accept();
        return;
    }
    Redraw();
}

void ScopeFormView::reject() {
    if (model_.visible) model_.Cancel_Click();
    QDialog::reject();
}

bool ScopeFormView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && watched == LabelFor(model_.UseJ2000)) {
        model_.UseJ2000_Click();
        AfterEvent();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace talvo::ui
