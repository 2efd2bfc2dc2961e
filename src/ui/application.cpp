#include "ui/application.h"

#include "app/startup.h"

namespace talvo::ui {

Application::Application(const platform::Clock* clock, const platform::TimeZone* zone,
                         DialogServices* dialogs) {
    const platform::Clock& useClock = clock ? *clock : systemClock_;
    const platform::TimeZone& useZone = zone ? *zone : systemZone_;
    DialogServices& useDialogs = dialogs ? *dialogs : qtDialogs_;
    const SessionStart start = StartSession(state_, useZone);
    form_ = std::make_unique<Form1>(state_, useClock, useZone, useDialogs);
    form_->SetStatus(start.status);
    view_ = std::make_unique<Form1View>(*form_);
    qtDialogs_.SetParent(view_.get());
    form_->Form_Load();
    view_->Redraw();
}

void Application::Show() {
    view_->resize(view_->sizeHint().expandedTo(QSize(1024, 600)));
    view_->show();
}

}  // namespace talvo::ui
