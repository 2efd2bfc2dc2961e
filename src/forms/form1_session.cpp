// The main window at the start and the end of a session: the home file read at start-up, the
// first run's questions, and the offer to save changed options when the window closes.
#include "engine/time_scales.h"
#include "forms/form1.h"
#include "forms/home_location.h"
#include "platform/zone_location.h"

namespace talvo {

namespace {

const char* kTitle = "TALVO";

// Nobody answers while a script runs: questions are declined, messages go unseen.
class UnattendedDialogs final : public DialogServices {
public:
    MessageAnswer MessageBox(const std::string&, MessageButtons buttons, const std::string&) override {
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void DoEvents() override {}
    bool OpenDocument(const std::string&) override { return false; }
    void SetClipboardText(const std::string&) override {}
    void Beep() override {}
};

}  // namespace

bool Form1::LoadHomeAtStart() {
    // An unattended script is asked nothing and shown nothing: it runs with the defaults when the
    // home file cannot be read, and without the first run's questions.
    UnattendedDialogs unattended;
    DialogServices& dialogs = state_.scriptMode ? static_cast<DialogServices&>(unattended) : dialogs_;
    const HomeLoad load =
        LoadHomeFile(state_, zone_, dialogs, [this](const std::string& name) { Location.caption = name; });
    if (!load.Loaded()) {
        // A missing or damaged home file must not lock the observer out: say so, then start as on
        // a first run with the defaults. The damaged file stays until a save replaces it.
        dialogs.MessageBox(load.message, MessageButtons::Ok, kTitle);
        state_.scope.scopeHasGps = false;
        Location.caption = state_.homeFileName;
    }
    const bool firstRun = !load.Loaded() || load.FirstRun();
    firstRunStep_ = firstRun && !state_.scriptMode ? FirstRunStep::Options : FirstRunStep::None;
    return firstRunStep_ != FirstRunStep::None;
}

void Form1::NextFirstRunStep() {
    const std::optional<platform::ZoneLocation> city =
        platform::ZoneReferenceLocation(platform::SystemZoneName());
    switch (firstRunStep_) {
        case FirstRunStep::None:
            return;
        case FirstRunStep::Options:
            firstRunStep_ = FirstRunStep::Latitude;
            Scope_Click();
            dialogs_.MessageBox(kFirstRunMessage, MessageButtons::Ok, kTitle);
            if (createShortcut) {
                // The program goes on whether the launcher was made or not.
                const std::string failure = createShortcut();
                if (!failure.empty() && !state_.scriptMode)
                    dialogs_.MessageBox(failure, MessageButtons::Ok, kTitle);
            }
            return;
        case FirstRunStep::Latitude:
            firstRunStep_ = FirstRunStep::Longitude;
            dataEntry.ShowSite(DataEntry::Mode::Latitude,
                               city ? std::optional<double>(city->latitudeDegrees) : std::nullopt);
            openRequest = Open::DataEntry;
            return;
        case FirstRunStep::Longitude:
            firstRunStep_ = FirstRunStep::Save;
            dataEntry.ShowSite(DataEntry::Mode::Longitude,
                               city ? std::optional<double>(city->longitudeDegrees) : std::nullopt);
            openRequest = Open::DataEntry;
            return;
        case FirstRunStep::Save:
            firstRunStep_ = FirstRunStep::None;
            break;
    }
    // The first use is recorded once the questions are answered, with the answers: a first run
    // cut short is asked again next time instead of leaving the site at 0 N 0 W.
    ApplyDateOrder(state_);
    static_cast<void>(CalcTime(state_.clock, state_.site));  // the clock's month is always valid
    state_.firstUseDate = state_.clock.julianDate;
    SaveHomeUnder(state_.homeFileName);
    Redisplay();
}

void Form1::Form_QueryUnload() {
    if (state_.scriptMode || !state_.configDirty) return;
    const std::string prompt = state_.homeFileVersion < 12.0
                                   ? "TALVO has been updated, \nOld Location File Should be Saved."
                                   : "Do you want to save current configuration changes?";
    const std::optional<std::string> name =
        dialogs_.InputBox(prompt, "Save Parameters in Home File", state_.homeFileName);
    if (name && !name->empty()) SaveHomeUnder(*name);
}

}  // namespace talvo
