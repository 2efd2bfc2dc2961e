#include "ui/catalog_select_view.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/control_binding.h"
#include "ui/text_codec.h"

namespace talvo::ui {

CatalogSelectView::CatalogSelectView(CatalogSelect& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model_.caption));
    QFont font = this->font();
    font.setPointSize(13);
    setFont(font);
    auto* grid = new QGridLayout(this);
    drives_ = new QComboBox(this);
    folders_ = new QListWidget(this);
    files_ = new QListWidget(this);
    defaultCatalog_ = new QPushButton(this);
    newCatalog_ = new QPushButton(this);
    grid->addWidget(new QLabel("Drive", this), 0, 0);
    grid->addWidget(drives_, 1, 0);
    grid->addWidget(new QLabel("Folder", this), 2, 0);
    grid->addWidget(folders_, 3, 0);
    grid->addWidget(new QLabel("Catalogs", this), 2, 1);
    grid->addWidget(files_, 3, 1);
    grid->addWidget(defaultCatalog_, 4, 0);
    grid->addWidget(newCatalog_, 4, 1);
    resize(760, 480);

    connect(drives_, &QComboBox::activated, this, [this](int index) {
        model_.Drive1_Change(index);
        AfterEvent();
    });
    connect(folders_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        model_.Dir1_Change(FromQString(item->text()));
        AfterEvent();
    });
    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.File1_Click(files_->row(item));
        AfterEvent();
    });
    connect(defaultCatalog_, &QPushButton::clicked, this, [this] {
        model_.DefaultCat_Click();
        AfterEvent();
    });
    connect(newCatalog_, &QPushButton::clicked, this, [this] {
        model_.NewCatalog_Click();
        AfterEvent();
    });
    Redraw();
}

void CatalogSelectView::AfterEvent() {
    if (!model_.visible) {
        accept();
        return;
    }
    Redraw();
}

void CatalogSelectView::Redraw() {
    drives_->clear();
    for (const std::string& drive : model_.Drive1Items) drives_->addItem(ToQString(drive));
    drives_->setCurrentIndex(model_.Drive1Index);
    drives_->setToolTip(ToQString(model_.Drive1.toolTip));
    folders_->clear();
    folders_->addItem(ToQString(".."));
    for (const std::string& folder : model_.Dir1Items) folders_->addItem(ToQString(folder));
    folders_->setToolTip(ToQString(model_.Dir1.toolTip) + "\n" + ToQString(model_.Dir1Path));
    files_->clear();
    for (const std::string& file : model_.File1Items) files_->addItem(ToQString(file));
    files_->setToolTip(ToQString(model_.File1.toolTip));
    defaultCatalog_->setText(ToQString(model_.DefaultCat.caption));
    ApplyControl(defaultCatalog_, model_.DefaultCat);
    newCatalog_->setText(ToQString(model_.NewCatalog.caption));
    ApplyControl(newCatalog_, model_.NewCatalog);
}

}  // namespace talvo::ui
