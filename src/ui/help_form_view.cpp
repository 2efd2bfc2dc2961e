#include "ui/help_form_view.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/control_binding.h"
#include "ui/text_codec.h"

namespace talvo::ui {

namespace {

// A list or text box in the control's colours; the selected row is drawn inverted, and the scroll
// bar keeps to the two colours so that no pale system grey lights up the window at night.
void PaintBox(QWidget* widget, const char* type, const Control& control) {
    const QString fore = Css(control.foreColor), back = Css(control.backColor);
    widget->setStyleSheet(
        QString("%1 { color: %2; background-color: %3; border: 1px solid %2; padding: 4px; }"
                " %1::item { padding: 3px 6px; }"
                " %1::item:selected { color: %3; background-color: %2; }"
                " QScrollBar:vertical { background: %3; width: 16px; border-left: 1px solid %2; }"
                " QScrollBar::handle:vertical { background: %2; min-height: 40px; margin: 2px; }"
                " QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
                " QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
            .arg(type, fore, back));
}

void PaintLabel(QLabel* label, const Control& control) {
    label->setStyleSheet(
        QString("color: %1; background-color: %2;").arg(Css(control.foreColor), Css(control.backColor)));
}

}  // namespace

HelpFormView::HelpFormView(HelpForm& model, QWidget* parent) : QWidget(parent, Qt::Window), model_(model) {
    topics_ = new QListWidget(this);
    topics_->setFont(Points(15));
    topics_->setMinimumWidth(300);
    topics_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(topics_, &QListWidget::currentRowChanged, this, &HelpFormView::OnTopic);

    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setFont(Points(17));
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    scripting_ = new QLabel(this);
    scripting_->setFont(Points(14, true));
    scripting_->setTextFormat(Qt::PlainText);

    files_ = new QListWidget(this);
    files_->setFont(Points(14));
    files_->setMaximumHeight(110);
    connect(files_, &QListWidget::itemClicked, this, &HelpFormView::OnFile);

    onLine_ = new QLabel(this);
    onLine_->setFont(Points(14));
    onLine_->setTextFormat(Qt::PlainText);

    guideLink_ = new QLabel(this);
    guideLink_->setFont(Points(14, true));
    guideLink_->setTextFormat(Qt::RichText);
    guideLink_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    guideLink_->setCursor(Qt::PointingHandCursor);
    connect(guideLink_, &QLabel::linkActivated, this, &HelpFormView::OnGuideLink);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 12, 16, 12);
    outer->setSpacing(10);
    auto* glossary = new QHBoxLayout;
    glossary->setSpacing(14);
    glossary->addWidget(topics_);
    glossary->addWidget(text_, 1);
    outer->addLayout(glossary, 1);
    outer->addWidget(scripting_);
    outer->addWidget(files_);
    // The link goes on a line of its own, so a long caption never widens the window past the screen.
    guideLink_->setWordWrap(true);
    outer->addWidget(onLine_);
    outer->addWidget(guideLink_);

    Redraw();
}

HelpFormView* HelpFormView::Open(HelpForm& model, QWidget* parent) {
    model.Form_Load();
    HelpFormView* view = nullptr;
    if (parent != nullptr) {
        // A closed window is only hidden until it is deleted, so only a shown one is raised.
        for (HelpFormView* open : parent->findChildren<HelpFormView*>(Qt::FindDirectChildrenOnly)) {
            if (&open->model_ == &model && open->isVisible()) view = open;
        }
    }
    if (view == nullptr) {
        view = new HelpFormView(model, parent);
        view->setAttribute(Qt::WA_DeleteOnClose);
        // As large as a laptop's screen allows, never larger than the screen.
        QSize size = view->sizeHint().expandedTo(QSize(900, 540));
        if (const QScreen* screen = view->screen()) size = size.boundedTo(screen->availableSize() * 0.95);
        view->resize(size);
    }
    view->Redraw();
    view->show();
    view->raise();
    view->activateWindow();
    return view;
}

void HelpFormView::FillList(QListWidget* list, const ListControl& control, bool asFileNames) {
    QStringList rows;
    // File names are the file system's own bytes; every other text is in the program's code page.
    for (const std::string& item : control.items)
        rows << (asFileNames ? QString::fromStdString(item) : ToQString(item));
    QStringList shown;
    for (int row = 0; row < list->count(); ++row) shown << list->item(row)->text();
    const QSignalBlocker quiet(list);
    if (rows != shown) {
        list->clear();
        list->addItems(rows);
    }
    list->setCurrentRow(control.listIndex);
    ApplyControl(list, control);
    PaintBox(list, "QListWidget", control);
}

void HelpFormView::Redraw() {
    setWindowTitle(ToQString(model_.caption));
    setStyleSheet(QString("HelpFormView { background-color: %1; }").arg(Css(model_.backColor)));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(Css(model_.backColor)));
    setPalette(palette);

    FillList(topics_, model_.List1, false);
    FillList(files_, model_.File1, true);

    const QString explanation = ToQString(model_.Text1.caption);
    if (text_->toPlainText() != explanation) text_->setPlainText(explanation);
    ApplyControl(text_, model_.Text1);
    PaintBox(text_, "QPlainTextEdit", model_.Text1);

    for (const auto& [label, control] :
         {std::pair{scripting_, &model_.Label2}, std::pair{onLine_, &model_.Label3}}) {
        label->setText(ToQString(control->caption));
        ApplyControl(label, *control);
        PaintLabel(label, *control);
    }
    const Control& link = model_.Label1;
    guideLink_->setText(QString("<a href=\"guide\" style=\"color: %1;\">%2</a>")
                            .arg(Css(link.foreColor), ToQString(link.caption).toHtmlEscaped()));
    ApplyControl(guideLink_, link);
    PaintLabel(guideLink_, link);
}

void HelpFormView::OnTopic(int row) {
    model_.List1_Click(row);
    Redraw();
}

void HelpFormView::OnFile(QListWidgetItem* item) {
    model_.File1_Click(files_->row(item));
    Redraw();
}

void HelpFormView::OnGuideLink() {
    model_.Label1_Click();
    Redraw();
}

void HelpFormView::closeEvent(QCloseEvent* event) {
    model_.Form_Unload();
    QWidget::closeEvent(event);
}

}  // namespace talvo::ui
