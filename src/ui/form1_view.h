// The main window: draws the Form1 model and forwards the window's events to it.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "forms/form1.h"

class QCheckBox;

namespace talvo::ui {

class SearchingView;

class Form1View : public QWidget {
    Q_OBJECT

public:
    explicit Form1View(Form1& model, QWidget* parent = nullptr);
    ~Form1View() override;

    // Copies every control's state from the model into the widgets.
    void Redraw();

    // The label or button drawing a control of the model (for tests and screenshots).
    QLabel* LabelFor(const Control& control) const;
    QPushButton* ButtonFor(const Control& control) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnTick();
    // After any handler: opens the window the model asked for, then redraws.
    void AfterEvent();
    QLabel* AddField(const Control& control, const QFont& font);
    QLabel* AddHeading(const QString& text, bool ofObject = false);
    QPushButton* AddCommand(const Control& control, std::function<void()> action);
    QPushButton* AddButton(const Control& control, void (Form1::*handler)());
    QPushButton* AddUnavailable(const Control& control);
    void Paint(QWidget* widget, Colour fore, Colour back);

    Form1& model_;
    QTimer timer_;
    QListWidget* list1_ = nullptr;
    QCheckBox* check1_ = nullptr;
    SearchingView* searching_ = nullptr;
    std::vector<QLabel*> headings_;
    std::vector<QLabel*> objectHeadings_;
    std::vector<std::pair<QLabel*, const Control*>> fields_;
    std::vector<std::pair<QPushButton*, const Control*>> buttons_;
};

}  // namespace talvo::ui
