// The transient catalog window: the comet and asteroid catalogs of the transient folder, a typed
// designation, the near-Earth box, load and delete.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "forms/transient_select.h"

namespace talvo::ui {

class TransientSelectView : public QDialog {
    Q_OBJECT

public:
    TransientSelectView(TransientSelect& model, QWidget* parent);

private:
    void Redraw();
    void AfterEvent();

    TransientSelect& model_;
    QLabel* listHeading_;
    QListWidget* files_;
    QLabel* nameHeading_;
    QLineEdit* name_;
    QCheckBox* nearEarth_;
    QPushButton* load_;
    QPushButton* delete_;
    QLabel* visibleLink_;
    QPushButton* status_;  // makes a catalog from orbital elements
};

}  // namespace talvo::ui
