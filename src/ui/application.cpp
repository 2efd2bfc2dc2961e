#include "ui/application.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

#include "app/startup.h"

namespace talvo::ui {

Application::Application(const platform::Clock* clock, const platform::TimeZone* zone,
                         DialogServices* dialogs, std::optional<std::vector<std::string>> script) {
    const platform::Clock& useClock = clock ? *clock : systemClock_;
    const platform::TimeZone& useZone = zone ? *zone : systemZone_;
    DialogServices& useDialogs = dialogs ? *dialogs : qtDialogs_;
    const SessionStart start = StartSession(state_, useZone);
    form_ = std::make_unique<Form1>(state_, useClock, useZone, useDialogs);
    form_->SetStatus(start.status);
    view_ = std::make_unique<Form1View>(*form_);
    qtDialogs_.SetParent(view_.get());
    // The script is known before the home file is read: an unattended run is asked nothing.
    if (script) form_->script.Start(std::move(*script));
    firstRun_ = form_->LoadHomeAtStart();
    form_->Form_Load();
    view_->Redraw();
    // The end of the desktop session closes the window the same way, so the save offer is made.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, view_.get(),
                     [this](QSessionManager& manager) {
                         if (manager.allowsInteraction()) {
                             view_->close();
                             manager.release();
                         }
                     });
}

void Application::Show() {
    view_->resize(view_->sizeHint().expandedTo(QSize(1024, 600)));
    view_->show();
    if (firstRun_) QTimer::singleShot(0, view_.get(), [this] { view_->RunFirstRun(); });
}

}  // namespace talvo::ui
