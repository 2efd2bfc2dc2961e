#include "ui/file_select_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/control_binding.h"
#include "ui/text_codec.h"

namespace talvo::ui {

FileSelectView::FileSelectView(FileSelect& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model_.caption));
    QFont font = this->font();
    font.setPointSize(13);
    setFont(font);
    // The window's colours, as the main window's: the list and buttons in the text colour.
    setStyleSheet(QString("QDialog, QLabel { color: %1; background-color: %2; }"
                          "QListWidget { color: %1; background-color: %2; border: 1px solid %1; }"
                          "QListWidget::item:selected { color: %2; background-color: %1; }"
                          "QPushButton { color: %1; background-color: %2; border: 1px solid %1;"
                          " border-radius: 4px; padding: 4px 10px; }")
                      .arg(Css(model_.foreColor), Css(model_.backColor)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Location files", this));
    files_ = new QListWidget(this);
    layout->addWidget(files_);
    auto* buttons = new QHBoxLayout;
    load_ = new QPushButton(this);
    cancel_ = new QPushButton(this);
    buttons->addWidget(load_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    auto* gps = new QHBoxLayout;
    gpsLoad_ = new QPushButton(this);
    loadTime_ = new QCheckBox(this);
    gps->addWidget(gpsLoad_);
    gps->addWidget(loadTime_);
    layout->addLayout(gps);
    scopeGps_ = new QPushButton(this);
    layout->addWidget(scopeGps_);
    gpsStatus_ = new QLabel(this);
    gpsStatus_->setWordWrap(true);
    layout->addWidget(gpsStatus_);
    resize(420, 440);

    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.File1_Click(files_->row(item));
        AfterEvent();
    });
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        model_.File1_Click(files_->row(item));
        model_.Command1_Click();
        AfterEvent();
    });
    connect(load_, &QPushButton::clicked, this, [this] {
        model_.Command1_Click();
        AfterEvent();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        model_.Command2_Click();
        AfterEvent();
    });
    connect(gpsLoad_, &QPushButton::clicked, this, [this] {
        model_.GPSload_Click();
        AfterEvent();
    });
    connect(loadTime_, &QCheckBox::clicked, this, [this](bool checked) {
        model_.Check1_Click(checked);
        AfterEvent();
    });
    model_.statusChanged = [this] { Redraw(); };
    connect(scopeGps_, &QPushButton::clicked, this, [this] {
        model_.ScopeGPS_Click();
        AfterEvent();
    });
    for (const std::string& file : model_.File1.items) files_->addItem(ToQString(file));
    Redraw();
}

void FileSelectView::AfterEvent() {
    if (!model_.visible) {
        accept();
        return;
    }
    Redraw();
}

void FileSelectView::Redraw() {
    files_->setToolTip(ToQString(model_.File1.toolTip));
    if (model_.File1.listIndex >= 0) files_->setCurrentRow(model_.File1.listIndex);
    load_->setText(ToQString(model_.Command1.caption));
    ApplyControl(load_, model_.Command1);
    cancel_->setText(ToQString(model_.Command2.caption));
    ApplyControl(cancel_, model_.Command2);
    gpsLoad_->setText(ToQString(model_.GPSload.caption));
    ApplyControl(gpsLoad_, model_.GPSload);
    loadTime_->setText(ToQString(model_.Check1.caption));
    loadTime_->setChecked(model_.Check1.value);
    ApplyControl(loadTime_, model_.Check1);
    scopeGps_->setText(ToQString(model_.ScopeGPS.caption));
    ApplyControl(scopeGps_, model_.ScopeGPS);
    gpsStatus_->setText(ToQString(model_.GPSstatus.caption));
}

}  // namespace talvo::ui
