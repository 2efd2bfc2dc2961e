// The help window: draws the HelpForm model and forwards clicks to it.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>

#include "forms/help_form.h"

namespace talvo::ui {

class HelpFormView : public QWidget {
    Q_OBJECT

public:
    explicit HelpFormView(HelpForm& model, QWidget* parent = nullptr);

    // Loads the model and shows its window, or raises the window already open for it. With a
    // parent the window belongs to it; either way it deletes itself when closed.
    static HelpFormView* Open(HelpForm& model, QWidget* parent);

    // Copies the model's state into the widgets.
    void Redraw();

    QListWidget* topics() const { return topics_; }
    QPlainTextEdit* text() const { return text_; }
    QListWidget* files() const { return files_; }
    QLabel* guideLink() const { return guideLink_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnTopic(int row);
    void OnFile(QListWidgetItem* item);
    void OnGuideLink();
    void FillList(QListWidget* list, const ListControl& control, bool asFileNames);

    HelpForm& model_;
    QListWidget* topics_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QListWidget* files_ = nullptr;
    QLabel* scripting_ = nullptr;  // Label2
    QLabel* onLine_ = nullptr;     // Label3
    QLabel* guideLink_ = nullptr;  // Label1
};

}  // namespace talvo::ui
