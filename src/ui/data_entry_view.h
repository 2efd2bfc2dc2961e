// The entry window: a site coordinate (hemisphere, whole degrees and minutes), or an object's
// position chosen among three ways with its two names.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "forms/data_entry.h"

namespace talvo::ui {

class DataEntryView : public QDialog {
    Q_OBJECT

public:
    DataEntryView(DataEntry& model, QWidget* parent);
    ~DataEntryView() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnOk();
    void Redraw();

    DataEntry& model_;
    QRadioButton* option1_;
    QRadioButton* option2_;
    QRadioButton* option3_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QLabel* status_;
    QPushButton* ok_;
};

}  // namespace talvo::ui
