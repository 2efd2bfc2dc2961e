#include "ui/form1_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/catalog_select_view.h"
#include "ui/control_binding.h"
#include "ui/data_entry_view.h"
#include "ui/file_select_view.h"
#include "ui/help_form_view.h"
#include "ui/scope_form_view.h"
#include "ui/searching_view.h"
#include "ui/text_codec.h"
#include "ui/transient_select_view.h"
#include "ui/wizard_view.h"

namespace talvo::ui {

namespace {

// Values are drawn in a fixed-pitch face so that the columns of digits line up from tick to tick.
// Their Latin letters and digits look the same unshaped, and skipping the shaping makes the texts
// that change every second cheaper to measure for the layout and to draw.
QFont ValueFont(int points, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(points);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The add button has no caption: a plus sign in the text colour marks it.
QIcon PlusIcon(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(colour, 3));
    painter.drawLine(8, 2, 8, 14);
    painter.drawLine(2, 8, 14, 8);
    return QIcon(pixmap);
}

QString WindowSheet(Colour fore, Colour back) {
    const QString foreCss = Css(fore), backCss = Css(back);
    return QString(
               "Form1View { background-color: %1; } QFrame#rule { color: %2; }"
               "QPushButton { color: %2; background-color: %1; border: 1px solid %2; border-radius: 4px;"
               " padding: 3px 8px; text-align: left; }"
               "QPushButton:disabled { color: %3; border-color: %3; }"
               "QListWidget { color: %2; background-color: %1; border: 1px solid %2; }"
               "QListWidget::item:selected { color: %1; background-color: %2; }"
               "QCheckBox { color: %2; background-color: %1; }")
        .arg(backCss, foreCss, DisabledCss(fore, back));
}

QFrame* Rule(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setObjectName("rule");
    return line;
}

}  // namespace

Form1View::Form1View(Form1& model, QWidget* parent) : QWidget(parent), model_(model) {
    setWindowTitle("TALVO");
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
    // Sized for a 1024 x 600 screen read at arm's length.
    const QFont title = ValueFont(17, true);
    const QFont big = ValueFont(18, true);
    const QFont normal = ValueFont(12, false);
    const QFont emphasis = ValueFont(13, true);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(12, 8, 12, 8);
    outer->setSpacing(14);

    // Left: everything the observer reads.
    auto* fields = new QVBoxLayout;
    fields->setSpacing(5);
    auto* header = new QHBoxLayout;
    QLabel* titleLabel = AddField(model_.Label1, title);
    titleLabel->installEventFilter(this);
    header->addWidget(titleLabel);
    header->addStretch(1);
    header->addWidget(AddHeading("Catalog"));
    header->addWidget(AddField(model_.Catalog, normal));
    fields->addLayout(header);
    fields->addWidget(Rule(this));

    auto* clock = new QGridLayout;
    clock->setHorizontalSpacing(22);
    clock->setVerticalSpacing(2);
    clock->addWidget(AddHeading("Local time"), 0, 0);
    clock->addWidget(AddHeading("Date"), 0, 1);
    clock->addWidget(AddField(model_.Time, big), 1, 0);
    clock->addWidget(AddField(model_.Date, big), 1, 1);
    clock->addWidget(AddField(model_.gmt, normal), 2, 0);
    clock->addWidget(AddField(model_.SiderealTime, normal), 2, 1);
    clock->setRowMinimumHeight(3, 6);
    clock->addWidget(AddHeading("Latitude"), 4, 0);
    clock->addWidget(AddHeading("Longitude"), 4, 1);
    clock->addWidget(AddField(model_.Latitude, normal), 5, 0);
    clock->addWidget(AddField(model_.Longitude, normal), 5, 1);
    fields->addLayout(clock);
    fields->addWidget(Rule(this));

    auto* object = new QGridLayout;
    object->setHorizontalSpacing(22);
    object->setVerticalSpacing(2);
    object->addWidget(AddHeading("Object", true), 0, 0);
    const std::pair<const Control*, std::pair<int, int>> names[] = {
        {&model_.Name1, {1, 0}},      {&model_.Magnitude, {1, 1}},  {&model_.Name2label, {2, 0}},
        {&model_.name3label, {2, 1}}, {&model_.Name4label, {3, 0}}, {&model_.Name5Label, {3, 1}}};
    for (const auto& [control, cell] : names) {
        QLabel* label = AddField(*control, control == &model_.Name1 ? emphasis : normal);
        label->installEventFilter(this);  // double-click copies the name
        object->addWidget(label, cell.first, cell.second);
    }
    object->addWidget(AddHeading("Position", true), 4, 0);
    object->addWidget(AddHeading("Horizon", true), 4, 1);
    object->addWidget(AddField(model_.RightAsc, emphasis), 5, 0);
    object->addWidget(AddField(model_.Altitude, emphasis), 5, 1);
    object->addWidget(AddField(model_.Declination, emphasis), 6, 0);
    object->addWidget(AddField(model_.Azimuth, emphasis), 6, 1);
    object->addWidget(AddField(model_.RiseTime, normal), 7, 0);
    object->addWidget(AddField(model_.SetTime, normal), 7, 1);
    object->addWidget(AddField(model_.TransitTime, normal), 8, 0, 1, 2);
    fields->addLayout(object);
    fields->addStretch(1);
    fields->addWidget(Rule(this));
    auto* footer = new QHBoxLayout;
    footer->addWidget(AddButton(model_.RealTime, &Form1::RealTime_Click));
    // A long status text wraps within the window instead of widening it past the screen.
    QLabel* general = AddField(model_.General, ValueFont(11, false));
    general->setWordWrap(true);
    general->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    footer->addWidget(general, 1);
    // The home file in use above the telescope and its ports.
    auto* setup = new QVBoxLayout;
    setup->addWidget(AddField(model_.Location, ValueFont(11, false)), 0, Qt::AlignRight);
    setup->addWidget(AddField(model_.ScopeType, ValueFont(11, false)), 0, Qt::AlignRight);
    footer->addLayout(setup);
    fields->addLayout(footer);
    outer->addLayout(fields, 3);

    // Right: the solar-system list and the command keys.
    auto* commands = new QVBoxLayout;
    commands->setSpacing(6);
    list1_ = new QListWidget(this);
    list1_->setFont(ValueFont(11, false));
    list1_->setFocusPolicy(Qt::NoFocus);
    for (const std::string& row : model_.List1.items) list1_->addItem(ToQString(row));
    list1_->setFixedHeight(list1_->sizeHintForRow(0) * 5 + 6);
    connect(list1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (model_.scopeCommands.Busy()) return;
        model_.List1_Click(list1_->row(item));
        AfterEvent();
    });
    commands->addWidget(list1_);

    auto* keys = new QGridLayout;
    keys->setSpacing(5);
    QPushButton* grid[] = {
        AddButton(model_.SimpleSearch, &Form1::SimpleSearch_Click),
        AddButton(model_.BestOf, &Form1::BestOf_Click),
        AddButton(model_.NextMatchButton, &Form1::NextMatchButton_Click),
        AddButton(model_.PreviousMatch, &Form1::PreviousMatch_Click),
        AddButton(model_.WriteMatchButton, &Form1::WriteMatchButton_Click),
        AddButton(model_.CatalogButton, &Form1::CatalogButton_Click),
        AddButton(model_.DetailedSearch, &Form1::DetailedSearch_Click),
        AddButton(model_.ObjectButton, &Form1::ObjectButton_Click),
        AddButton(model_.DateButton, &Form1::DateButton_Click),
        AddButton(model_.TimeButton, &Form1::TimeButton_Click),
        AddButton(model_.LatitudeButton, &Form1::LatitudeButton_Click),
        AddButton(model_.LongitudeButton, &Form1::LongitudeButton_Click),
        AddButton(model_.GotoButton, &Form1::GotoButton_Click),
        AddButton(model_.SkyChart, &Form1::SkyChart_Click),
        AddButton(model_.TraceButton, &Form1::TraceButton_Click),
        AddButton(model_.ObsLogButton, &Form1::ObsLogButton_Click),
        AddButton(model_.GetComet, &Form1::GetComet_Click),
        AddButton(model_.Scope, &Form1::Scope_Click),
        AddButton(model_.Command3, &Form1::Command3_Click),
        AddButton(model_.Command2, &Form1::Command2_Click),
        AddButton(model_.Help, &Form1::Help_Click),
        AddButton(model_.AddObject, &Form1::AddObject_Click),
    };
    int cell = 0;
    for (QPushButton* button : grid) {
        keys->addWidget(button, cell / 2, cell % 2);
        ++cell;
    }
    commands->addLayout(keys);
    check1_ = new QCheckBox(this);
    check1_->setFocusPolicy(Qt::NoFocus);
    connect(check1_, &QCheckBox::clicked, this, [this] {
        if (model_.scopeCommands.Busy()) return;
        model_.Check1_Click();
        AfterEvent();
    });
    commands->addWidget(check1_);
    commands->addStretch(1);
    outer->addLayout(commands, 2);

    searching_ = new SearchingView(model_.searching, this);
    connect(&timer_, &QTimer::timeout, this, &Form1View::OnTick);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    Redraw();
}

Form1View::~Form1View() = default;

QLabel* Form1View::AddField(const Control& control, const QFont& font) {
    auto* label = new QLabel(this);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    fields_.push_back({label, &control, {}});
    return label;
}

QLabel* Form1View::AddHeading(const QString& text, bool ofObject) {
    auto* label = new QLabel(text, this);
    QFont font = label->font();
    font.setPointSize(9);
    font.setCapitalization(QFont::AllUppercase);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    label->setFont(font);
    (ofObject ? objectHeadings_ : headings_).push_back({label, nullptr, {}});
    return label;
}

QPushButton* Form1View::AddCommand(const Control& control, std::function<void()> action) {
    auto* button = new QPushButton(this);
    button->setFont(ValueFont(11, true));
    button->setFocusPolicy(Qt::NoFocus);  // keys go to the window, which previews them
    button->setMinimumHeight(30);
    connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] {
        if (model_.scopeCommands.Busy()) return;  // a telescope exchange lets events in; not commands
        action();
        AfterEvent();
    });
    buttons_.push_back({button, &control, {}});
    return button;
}

QPushButton* Form1View::AddButton(const Control& control, void (Form1::*handler)()) {
    return AddCommand(control, [this, handler] { (model_.*handler)(); });
}

QPushButton* Form1View::AddUnavailable(const Control& control) {
    return AddCommand(control, [this, &control] { model_.NotAvailable_Click(control); });
}

QLabel* Form1View::LabelFor(const Control& control) const {
    for (const auto& field : fields_) {
        if (field.control == &control) return field.widget;
    }
    return nullptr;
}

QPushButton* Form1View::ButtonFor(const Control& control) const {
    for (const auto& button : buttons_) {
        if (button.control == &control) return button.widget;
    }
    return nullptr;
}

void Form1View::Redraw() {
    if (window_.Colours(this, model_.foreColor, model_.backColor, WindowSheet)) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, QColor(Css(model_.backColor)));
        setPalette(palette);
        ButtonFor(model_.AddObject)->setIcon(PlusIcon(QColor(Css(model_.foreColor))));
    }
    for (auto& [label, control, shown] : fields_) {
        shown.Text(label, control->caption);
        shown.State(label, *control);
        shown.Colours(label, control->foreColor, control->backColor);
    }
    for (auto& heading : headings_) heading.shown.Colours(heading.widget, model_.foreColor, model_.backColor);
    for (auto& heading : objectHeadings_) {
        heading.shown.Colours(heading.widget, model_.ObjectFieldColour(), model_.backColor);
    }
    for (auto& [button, control, shown] : buttons_) {
        if (!control->caption.empty()) shown.Text(button, control->caption);
        shown.State(button, *control);
    }
    const QString listTip = ToQString(model_.List1.toolTip);
    if (list1_->toolTip() != listTip) list1_->setToolTip(listTip);
    if (model_.List1.listIndex < 0) {
        list1_->clearSelection();
    } else {
        list1_->setCurrentRow(model_.List1.listIndex);
    }
    check1Shown_.Text(check1_, model_.Check1.caption);
    check1Shown_.State(check1_, model_.Check1);
    if (check1_->isChecked() != model_.Check1.value) check1_->setChecked(model_.Check1.value);
    night_.Show(model_.Check1.value);

    if (model_.Timer1.enabled && model_.Timer1.interval > 0) {
        if (!timer_.isActive() || timer_.interval() != model_.Timer1.interval)
            timer_.start(model_.Timer1.interval);
    } else {
        timer_.stop();
    }
}

void Form1View::OnTick() {
    // A modal box or a running search holds the real-time loop until it is over.
    if (QApplication::activeModalWidget() != nullptr || model_.searching.visible) return;
    model_.Timer1_Timer();
    Redraw();
    // A script that has ended ends the program with its exit code, without the save offer.
    if (const std::optional<int> code = model_.script.ExitRequested()) QCoreApplication::exit(*code);
}

void Form1View::AfterEvent() {
    const Form1::Open request = model_.openRequest;
    model_.openRequest = Form1::Open::None;
    switch (request) {
        case Form1::Open::CatalogSelect: {
            CatalogSelectView view(model_.catalogSelect, this);
            view.exec();
            model_.Redisplay();
            break;
        }
        case Form1::Open::DataEntry: {
            DataEntryView view(model_.dataEntry, this);
            const bool accepted = view.exec() == QDialog::Accepted;
            if (accepted && model_.dataEntry.mode != DataEntry::Mode::Object) model_.SiteEntered();
            break;
        }
        case Form1::Open::Wizard: {
            WizardView* view = WizardView::Open(model_.wizard, this);
            connect(view, &WizardView::Searched, this, &Form1View::Redraw, Qt::UniqueConnection);
            break;
        }
        case Form1::Open::Help:
            HelpFormView::Open(model_.helpForm, this);
            break;
        case Form1::Open::ScopeForm: {
            ScopeFormView view(model_.scopeForm, this);
            view.exec();
            model_.Redisplay();
            break;
        }
        case Form1::Open::FileSelect: {
            FileSelectView view(model_.fileSelect, this);
            view.exec();
            model_.FileSelectClosed();
            AfterEvent();  // a first run's file opens the options window
            return;
        }
        case Form1::Open::TransientSelect: {
            TransientSelectView view(model_.transientSelect, this);
            view.exec();
            model_.Redisplay();
            break;
        }
        case Form1::Open::None:
            break;
    }
    if (request != Form1::Open::None && model_.FirstRunPending()) {
        RunFirstRun();
        return;
    }
    Redraw();
}

void Form1View::RunFirstRun() {
    model_.NextFirstRunStep();
    AfterEvent();
}

void Form1View::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;  // asked once, whether the window closes by itself or the session ends
        model_.Form_QueryUnload();
    }
    event->accept();
}

void Form1View::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() != 1 || text[0].unicode() > 127) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (model_.scopeCommands.Busy()) return;
    model_.Form_KeyPress(static_cast<char>(text[0].unicode()));
    AfterEvent();
}

bool Form1View::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && watched == LabelFor(model_.Label1)) {
        if (!model_.scopeCommands.Busy()) model_.Label1_Click();
        AfterEvent();
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (const auto& field : fields_) {
            if (field.widget == watched) {
                model_.NameLabel_DblClick(*field.control);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace talvo::ui
