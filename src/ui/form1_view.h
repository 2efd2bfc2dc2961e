// The main window: draws the Form1 model and forwards the window's events to it.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "forms/form1.h"
#include "ui/control_binding.h"
#include "ui/night_palette.h"

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

    // The first run's questions, one window after the other (started once the window shows).
    void RunFirstRun();

    // The label or button drawing a control of the model (for tests and screenshots).
    QLabel* LabelFor(const Control& control) const;
    QPushButton* ButtonFor(const Control& control) const;

protected:
    // However the window is closed (its close button, Ctrl+Q, the end of the desktop session),
    // changed options are offered for saving first.
    void closeEvent(QCloseEvent* event) override;
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

    // A widget, the control it draws (none for a heading) and what it was last given.
    template <class Widget>
    struct Drawn {
        Widget* widget;
        const Control* control;
        DrawnState shown;
    };

    Form1& model_;
    NightScreen night_;     // the whole application's night look, while the model's night vision is on
    bool closing_ = false;  // the save offer was made
    QTimer timer_;
    QListWidget* list1_ = nullptr;
    QCheckBox* check1_ = nullptr;
    SearchingView* searching_ = nullptr;
    DrawnState window_;
    DrawnState check1Shown_;
    std::vector<Drawn<QLabel>> headings_;
    std::vector<Drawn<QLabel>> objectHeadings_;
    std::vector<Drawn<QLabel>> fields_;
    std::vector<Drawn<QPushButton>> buttons_;
};

}  // namespace talvo::ui
