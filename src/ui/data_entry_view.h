// The site entry window: hemisphere, whole degrees and minutes.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>

#include "forms/data_entry.h"

namespace talvo::ui {

class DataEntryView : public QDialog {
    Q_OBJECT

public:
    DataEntryView(DataEntry& model, QWidget* parent);

private:
    void OnOk();

    DataEntry& model_;
    QRadioButton* option1_;
    QRadioButton* option2_;
    QLineEdit* degrees_;
    QLineEdit* minutes_;
};

}  // namespace talvo::ui
