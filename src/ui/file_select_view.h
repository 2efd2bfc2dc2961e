// The home file chooser: the home files of the program directory, load and cancel.
#pragma once

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

private:
    void Redraw();
    void AfterEvent();

    FileSelect& model_;
    QListWidget* files_;
    QPushButton* load_;
    QPushButton* cancel_;
    QPushButton* scopeGps_;  // ScopeGPS
    QLabel* gpsStatus_;      // GPSstatus
};

}  // namespace talvo::ui
