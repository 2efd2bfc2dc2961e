#include "ui/data_entry_view.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/text_codec.h"

namespace talvo::ui {

DataEntryView::DataEntryView(DataEntry& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model_.caption));
    QFont font = this->font();
    font.setPointSize(14);
    setFont(font);
    auto* grid = new QGridLayout(this);
    option1_ = new QRadioButton(ToQString(model_.Option1.caption), this);
    option1_->setToolTip(ToQString(model_.Option1.toolTip));
    option2_ = new QRadioButton(ToQString(model_.Option2.caption), this);
    option2_->setToolTip(ToQString(model_.Option2.toolTip));
    degrees_ = new QLineEdit(this);
    degrees_->setToolTip(ToQString(model_.Text1.toolTip));
    minutes_ = new QLineEdit(this);
    minutes_->setToolTip(ToQString(model_.Text2.toolTip));
    grid->addWidget(option1_, 0, 0);
    grid->addWidget(option2_, 0, 1);
    grid->addWidget(new QLabel(ToQString(model_.Label1.caption), this), 1, 0);
    grid->addWidget(degrees_, 1, 1);
    grid->addWidget(new QLabel(ToQString(model_.Label2.caption), this), 2, 0);
    grid->addWidget(minutes_, 2, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(buttons, 3, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &DataEntryView::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] {
        model_.Cancel_Click();
        reject();
    });
    degrees_->setFocus();
}

void DataEntryView::OnOk() {
    model_.option1Checked = option1_->isChecked();
    model_.option2Checked = option2_->isChecked();
    model_.Text1.caption = FromQString(degrees_->text());
    model_.Text2.caption = FromQString(minutes_->text());
    if (model_.OK_Click()) accept();  // otherwise the message was shown and the entry stays open
}

}  // namespace talvo::ui
