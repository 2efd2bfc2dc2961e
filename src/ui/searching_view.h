// The Searching window: follows its model while a scan runs, with a working Cancel button.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "forms/searching.h"
#include "ui/control_binding.h"

namespace talvo::ui {

class SearchingView : public QDialog {
    Q_OBJECT

public:
    SearchingView(Searching& model, QWidget* parent);
    ~SearchingView() override;

private:
    void Redraw();

    Searching& model_;
    QLabel* label_;
    QPushButton* cancel_;
    DrawnState window_, labelShown_, cancelShown_;
};

}  // namespace talvo::ui
