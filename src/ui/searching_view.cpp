#include "ui/searching_view.h"

#include <QVBoxLayout>

#include "ui/control_binding.h"
#include "ui/text_codec.h"

namespace talvo::ui {

namespace {

QString WindowSheet(Colour fore, Colour back) {
    return QString(
               "QDialog, QLabel { background-color: %1; color: %2; }"
               "QPushButton { background-color: %1; color: %2; border: 1px solid %2; padding: 4px 14px; }")
        .arg(Css(back), Css(fore));
}

}  // namespace

SearchingView::SearchingView(Searching& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle("Searching");
    // Window-modal: the main window takes no clicks while the scan runs, this window does.
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(this);
    label_->setMinimumWidth(520);
    label_->setWordWrap(true);
    QFont font = label_->font();
    font.setPointSize(13);
    label_->setFont(font);
    cancel_ = new QPushButton(this);
    cancel_->setFont(font);
    layout->addWidget(label_);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, this, [this] { model_.CancelSearchButton_Click(); });
    model_.changed = [this] { Redraw(); };
}

SearchingView::~SearchingView() { model_.changed = nullptr; }

void SearchingView::Redraw() {
    labelShown_.Text(label_, model_.Label1.caption);
    cancelShown_.Text(cancel_, model_.CancelSearchButton.caption);
    cancelShown_.State(cancel_, model_.CancelSearchButton);
    // Called for every batch of lines the scan reads: the style sheet is set only when the colours change.
    window_.Colours(this, model_.foreColor, model_.backColor, WindowSheet);
    if (model_.visible && !isVisible()) show();
    if (!model_.visible && isVisible()) hide();
}

}  // namespace talvo::ui
