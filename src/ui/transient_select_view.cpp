#include "ui/transient_select_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/control_binding.h"
#include "ui/text_codec.h"

namespace talvo::ui {

TransientSelectView::TransientSelectView(TransientSelect& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model_.caption));
    QFont font = this->font();
    font.setPointSize(13);
    setFont(font);
    // The main window's colours: the list, the box and the buttons in the text colour.
    setStyleSheet(QString("QDialog, QLabel, QCheckBox { color: %1; background-color: %2; }"
                          "QListWidget, QLineEdit { color: %1; background-color: %2; border: 1px solid %1; }"
                          "QLineEdit:disabled { color: %3; border-color: %3; }"
                          "QCheckBox::indicator { width: 13px; height: 13px; border: 1px solid %1; }"
                          "QCheckBox::indicator:checked { background-color: %1; }"
                          "QListWidget::item:selected { color: %2; background-color: %1; }"
                          "QPushButton { color: %1; background-color: %2; border: 1px solid %1;"
                          " border-radius: 4px; padding: 4px 10px; }"
                          "QPushButton:disabled { color: %3; border-color: %3; }")
                      .arg(Css(model_.foreColor), Css(model_.backColor),
                           QColor(Css(model_.foreColor)).darker(220).name()));
    auto* layout = new QVBoxLayout(this);
    listHeading_ = new QLabel(this);
    files_ = new QListWidget(this);
    layout->addWidget(listHeading_);
    layout->addWidget(files_);
    nameHeading_ = new QLabel(this);
    nameHeading_->setWordWrap(true);
    name_ = new QLineEdit(this);
    layout->addWidget(nameHeading_);
    layout->addWidget(name_);
    nearEarth_ = new QCheckBox(this);
    layout->addWidget(nearEarth_);
    auto* buttons = new QHBoxLayout;
    load_ = new QPushButton(this);
    delete_ = new QPushButton(this);
    buttons->addWidget(load_);
    buttons->addWidget(delete_);
    layout->addLayout(buttons);
    visibleLink_ = new QLabel(this);
    visibleLink_->setWordWrap(true);
    status_ = new QPushButton(this);
    layout->addWidget(visibleLink_);
    layout->addWidget(status_);
    resize(460, 480);

    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.File1_Click(files_->row(item));
        AfterEvent();
    });
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        model_.File1_Click(files_->row(item));
        model_.Command1_Click();
        AfterEvent();
    });
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.Text1_Change(FromQString(text));
        AfterEvent();
    });
    connect(name_, &QLineEdit::returnPressed, this, [this] {
        model_.Command1_Click();
        AfterEvent();
    });
    connect(status_, &QPushButton::clicked, this, [this] {
        model_.Status_Click();
        AfterEvent();
    });
    connect(nearEarth_, &QCheckBox::clicked, this, [this](bool checked) {
        model_.EarthGraze_Click(checked);
        AfterEvent();
    });
    connect(load_, &QPushButton::clicked, this, [this] {
        model_.Command1_Click();
        AfterEvent();
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        model_.DeleteFile_Click();
        AfterEvent();
    });
    Redraw();
    // The name box takes the keys first: a list with the focus would make its first file current.
    if (name_->isEnabled()) {
        name_->setFocus();
    } else {
        load_->setFocus();
    }
}

void TransientSelectView::AfterEvent() {
    if (!model_.visible) {
        accept();
        return;
    }
    Redraw();
}

void TransientSelectView::Redraw() {
    listHeading_->setText(ToQString(model_.Label2.caption));
    files_->clear();
    for (const std::string& file : model_.File1.items) files_->addItem(ToQString(file));
    // The list starts with no file chosen, not even the focus on its first row.
    files_->setCurrentRow(model_.File1.listIndex);
    nameHeading_->setText(ToQString(model_.NewFileLabel.caption));
    const QString typed = ToQString(model_.Text1.caption);
    if (name_->text() != typed) name_->setText(typed);
    ApplyControl(name_, model_.Text1);
    nearEarth_->setText(ToQString(model_.EarthGraze.caption));
    nearEarth_->setChecked(model_.EarthGraze.value);
    ApplyControl(nearEarth_, model_.EarthGraze);
    load_->setText(ToQString(model_.Command1.caption));
    ApplyControl(load_, model_.Command1);
    delete_->setText(ToQString(model_.DeleteFile.caption));
    ApplyControl(delete_, model_.DeleteFile);
    visibleLink_->setText(ToQString(model_.Label3.caption));
    ApplyControl(visibleLink_, model_.Label3);
    status_->setText(ToQString(model_.Status.caption));
    ApplyControl(status_, model_.Status);
}

}  // namespace talvo::ui
