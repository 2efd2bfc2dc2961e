#include "ui/form1_view.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/text_codec.h"

namespace talvo::ui {

namespace {

QString Css(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)).name(); }

// Values are drawn in a fixed-pitch face so that the columns of digits line up from tick to tick.
QFont ValueFont(int points, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
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

    const QFont title = ValueFont(20, true);
    const QFont big = ValueFont(22, true);
    const QFont normal = ValueFont(15, false);
    const QFont emphasis = ValueFont(17, true);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 12, 18, 12);
    outer->setSpacing(8);

    auto* header = new QHBoxLayout;
    header->addWidget(AddField(model_.Label1, title));
    header->addStretch(1);
    header->addWidget(AddHeading("Catalog"));
    header->addWidget(AddField(model_.Catalog, normal));
    outer->addLayout(header);
    outer->addWidget(Rule(this));

    auto* clock = new QGridLayout;
    clock->setHorizontalSpacing(28);
    clock->setVerticalSpacing(4);
    clock->addWidget(AddHeading("Local time"), 0, 0);
    clock->addWidget(AddHeading("Date"), 0, 1);
    clock->addWidget(AddField(model_.Time, big), 1, 0);
    clock->addWidget(AddField(model_.Date, big), 1, 1);
    clock->addWidget(AddField(model_.gmt, normal), 2, 0);
    clock->addWidget(AddField(model_.SiderealTime, normal), 2, 1);
    clock->setRowMinimumHeight(3, 10);
    clock->addWidget(AddHeading("Latitude"), 4, 0);
    clock->addWidget(AddHeading("Longitude"), 4, 1);
    clock->addWidget(AddField(model_.Latitude, normal), 5, 0);
    clock->addWidget(AddField(model_.Longitude, normal), 5, 1);
    clock->setColumnStretch(2, 1);
    outer->addLayout(clock);
    outer->addWidget(Rule(this));

    auto* names = new QGridLayout;
    names->setHorizontalSpacing(28);
    names->setVerticalSpacing(4);
    names->addWidget(AddHeading("Object", true), 0, 0);
    names->addWidget(AddField(model_.Name1, emphasis), 1, 0);
    names->addWidget(AddField(model_.Magnitude, normal), 1, 1);
    names->addWidget(AddField(model_.Name2label, normal), 2, 0);
    names->addWidget(AddField(model_.name3label, normal), 2, 1);
    names->addWidget(AddField(model_.Name4label, normal), 3, 0);
    names->addWidget(AddField(model_.Name5Label, normal), 3, 1);
    names->setColumnStretch(2, 1);
    outer->addLayout(names);

    auto* position = new QGridLayout;
    position->setHorizontalSpacing(28);
    position->setVerticalSpacing(6);
    position->addWidget(AddHeading("Position", true), 0, 0);
    position->addWidget(AddHeading("Horizon", true), 0, 1);
    position->addWidget(AddField(model_.RightAsc, emphasis), 1, 0);
    position->addWidget(AddField(model_.Declination, emphasis), 2, 0);
    position->addWidget(AddField(model_.Altitude, emphasis), 1, 1);
    position->addWidget(AddField(model_.Azimuth, emphasis), 2, 1);
    position->setColumnStretch(2, 1);
    outer->addLayout(position);

    auto* riseSet = new QHBoxLayout;
    riseSet->setSpacing(28);
    riseSet->addWidget(AddField(model_.RiseTime, normal));
    riseSet->addWidget(AddField(model_.TransitTime, normal));
    riseSet->addWidget(AddField(model_.SetTime, normal));
    riseSet->addStretch(1);
    outer->addLayout(riseSet);
    outer->addStretch(1);

    auto* footer = new QHBoxLayout;
    realTime_ = new QPushButton(this);
    realTime_->setFont(ValueFont(13, true));
    connect(realTime_, &QPushButton::clicked, this, &Form1View::OnRealTime);
    footer->addWidget(realTime_);
    footer->addWidget(AddField(model_.General, ValueFont(12, false)), 1);
    outer->addWidget(Rule(this));
    outer->addLayout(footer);

    connect(&timer_, &QTimer::timeout, this, &Form1View::OnTick);
    Redraw();
}

QLabel* Form1View::AddField(const Control& control, const QFont& font) {
    auto* label = new QLabel(this);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    fields_.emplace_back(label, &control);
    return label;
}

QLabel* Form1View::AddHeading(const QString& text, bool ofObject) {
    auto* label = new QLabel(text, this);
    QFont font = label->font();
    font.setPointSize(10);
    font.setCapitalization(QFont::AllUppercase);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    label->setFont(font);
    (ofObject ? objectHeadings_ : headings_).push_back(label);
    return label;
}

QLabel* Form1View::LabelFor(const Control& control) const {
    for (const auto& [label, bound] : fields_) {
        if (bound == &control) return label;
    }
    return nullptr;
}

void Form1View::Paint(QWidget* widget, Colour fore, Colour back) {
    widget->setStyleSheet(QString("color: %1; background-color: %2;").arg(Css(fore), Css(back)));
}

void Form1View::Redraw() {
    setStyleSheet(QString("Form1View { background-color: %1; } QFrame#rule { color: %2; }")
                      .arg(Css(model_.backColor), Css(model_.foreColor)));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(Css(model_.backColor)));
    setPalette(palette);

    for (const auto& [label, control] : fields_) {
        label->setText(ToQString(control->caption));
        label->setToolTip(ToQString(control->toolTip));
        label->setVisible(control->visible);
        label->setEnabled(control->enabled);
        Paint(label, control->foreColor, control->backColor);
    }
    for (QLabel* heading : headings_) Paint(heading, model_.foreColor, model_.backColor);
    // The object's headings vanish with its fields when there is no object.
    for (QLabel* heading : objectHeadings_) Paint(heading, model_.ObjectFieldColour(), model_.backColor);

    const Control& realTime = model_.RealTime;
    realTime_->setText(ToQString(realTime.caption));
    realTime_->setToolTip(ToQString(realTime.toolTip));
    realTime_->setVisible(realTime.visible);
    realTime_->setEnabled(realTime.enabled);
    realTime_->setStyleSheet(QString("QPushButton { color: %1; background-color: %2; border: 1px solid %1;"
                                     " padding: 4px 12px; }")
                                 .arg(Css(model_.foreColor), Css(model_.backColor)));

    if (model_.Timer1.enabled && model_.Timer1.interval > 0) {
        if (!timer_.isActive() || timer_.interval() != model_.Timer1.interval) timer_.start(model_.Timer1.interval);
    } else {
        timer_.stop();
    }
}

void Form1View::OnTick() {
    model_.Timer1_Timer();
    Redraw();
}

void Form1View::OnRealTime() {
    model_.RealTime_Click();
    Redraw();
}

}  // namespace talvo::ui
