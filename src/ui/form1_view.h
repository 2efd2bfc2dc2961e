// The main window: draws the Form1 model and forwards the window's events to it.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <utility>
#include <vector>

#include "app/form1.h"

namespace talvo::ui {

class Form1View : public QWidget {
    Q_OBJECT

public:
    explicit Form1View(Form1& model, QWidget* parent = nullptr);

    // Copies every control's state from the model into the widgets.
    void Redraw();

    // The label drawing a control of the model (for tests and screenshots).
    QLabel* LabelFor(const Control& control) const;

private:
    void OnTick();
    void OnRealTime();
    QLabel* AddField(const Control& control, const QFont& font);
    QLabel* AddHeading(const QString& text, bool ofObject = false);
    void Paint(QWidget* widget, Colour fore, Colour back);

    Form1& model_;
    QTimer timer_;
    QPushButton* realTime_ = nullptr;
    std::vector<QLabel*> headings_;
    std::vector<QLabel*> objectHeadings_;
    std::vector<std::pair<QLabel*, const Control*>> fields_;
};

}  // namespace talvo::ui
