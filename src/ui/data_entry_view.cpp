#include "ui/data_entry_view.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>

#include "ui/text_codec.h"

namespace talvo::ui {

DataEntryView::DataEntryView(DataEntry& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model_.caption));
    QFont font = this->font();
    font.setPointSize(14);
    setFont(font);
    auto* grid = new QGridLayout(this);
    auto option = [this](const Control& control, bool checked) {
        auto* button = new QRadioButton(ToQString(control.caption), this);
        button->setToolTip(ToQString(control.toolTip));
        button->setVisible(control.visible);
        button->setChecked(checked);
        return button;
    };
    option1_ = option(model_.Option1, model_.option1Checked);
    option2_ = option(model_.Option2, model_.option2Checked);
    option3_ = option(model_.Option3, model_.option3Checked);
    // A suggested site arrives typed in; otherwise the boxes start empty.
    text1_ = new QLineEdit(ToQString(model_.Text1.caption), this);
    text1_->setToolTip(ToQString(model_.Text1.toolTip));
    text2_ = new QLineEdit(ToQString(model_.Text2.caption), this);
    text2_->setToolTip(ToQString(model_.Text2.toolTip));
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    const bool object = model_.mode == DataEntry::Mode::Object;
    int row = 0;
    if (object) {
        grid->addWidget(option1_, row++, 0, 1, 2);
        grid->addWidget(option2_, row++, 0, 1, 2);
        grid->addWidget(option3_, row++, 0, 1, 2);
    } else {
        grid->addWidget(option1_, row, 0);
        grid->addWidget(option2_, row++, 1);
        option3_->hide();
    }
    grid->addWidget(new QLabel(ToQString(model_.Label1.caption), this), row, 0);
    grid->addWidget(text1_, row++, 1);
    grid->addWidget(new QLabel(ToQString(model_.Label2.caption), this), row, 0);
    grid->addWidget(text2_, row++, 1);
    grid->addWidget(status_, row++, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    grid->addWidget(buttons, row, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &DataEntryView::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] {
        model_.Cancel_Click();
        reject();
    });
    model_.changed = [this] { Redraw(); };
    Redraw();
    text1_->setFocus();
}

DataEntryView::~DataEntryView() { model_.changed = nullptr; }

void DataEntryView::closeEvent(QCloseEvent* event) {
    // Closed by the window manager: a telescope read still waiting ends with the window.
    if (model_.visible) model_.Form_Unload();
    QDialog::closeEvent(event);
}

void DataEntryView::Redraw() {
    status_->setText(ToQString(model_.Status.caption));
    status_->setVisible(!model_.Status.caption.empty());
    ok_->setEnabled(model_.OK.enabled);
}

void DataEntryView::OnOk() {
    model_.option1Checked = option1_->isChecked();
    model_.option2Checked = option2_->isChecked();
    model_.option3Checked = option3_->isChecked();
    model_.Text1.caption = FromQString(text1_->text());
    model_.Text2.caption = FromQString(text2_->text());
    const bool closes = model_.OK_Click();
    Redraw();
    if (closes && isVisible()) accept();  // otherwise the message was shown and the entry stays open
}

}  // namespace talvo::ui
