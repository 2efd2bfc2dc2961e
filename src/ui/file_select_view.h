// The home file chooser: the home files of the program directory, load and cancel.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "forms/file_select.h"

namespace talvo::ui {

class FileSelectView : public QDialog {
    Q_OBJECT

public:
    FileSelectView(FileSelect& model, QWidget* parent);
    ~FileSelectView() override { model_.statusChanged = nullptr; }

private:
    void Redraw();
    void AfterEvent();

    FileSelect& model_;
    QListWidget* files_;
    QPushButton* load_;
    QPushButton* cancel_;
    QPushButton* gpsLoad_;
    QCheckBox* loadTime_;
    QLabel* gpsStatus_;
    QPushButton* scopeGps_;  // ScopeGPS
};

}  // namespace talvo::ui
