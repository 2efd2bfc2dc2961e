// The catalog chooser: drives, folders and catalog files, the default catalog, a new catalog.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include "forms/catalog_select.h"

namespace talvo::ui {

class CatalogSelectView : public QDialog {
    Q_OBJECT

public:
    CatalogSelectView(CatalogSelect& model, QWidget* parent);

private:
    void Redraw();
    void AfterEvent();

    CatalogSelect& model_;
    QComboBox* drives_;
    QListWidget* folders_;
    QListWidget* files_;
    QPushButton* defaultCatalog_;
    QPushButton* newCatalog_;
    bool redrawing_ = false;
};

}  // namespace talvo::ui
