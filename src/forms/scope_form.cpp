#include "forms/scope_form.h"

#include <cerrno>
#include <charconv>
#include <vector>

#include "engine/text_format.h"
#include "forms/window_exchange_hooks.h"
#include "platform/com_names.h"
#include "platform/tty_description.h"
#include "scope/gpsd_reading.h"
#include "scope/scope_models.h"
#include "session/fixed_epoch.h"

namespace talvo {

namespace {

// The serial settings ports are tried with; any port that opens is listed.
constexpr const char* kSearchMode = "baud=9600 parity=N data=8 stop=1";
constexpr const char* kNoPortSelected = "No Com Port Selected!";
constexpr const char* kGpsdRowWord = "gpsd";  // first word of the GPS list's row for gpsd
constexpr double kEarliestEpoch = 1900.0;
constexpr double kLatestEpoch = 2200.0;

// The port number of a port list row ("COM10  /dev/ttyUSB9  pl2303" is 10): its first word must
// be "COM1" to "COM64". 0 for any other row.
int RowPortNumber(const std::string& row) {
    const std::string word = row.substr(0, row.find(' '));
    if (word.size() < 4 || word.size() > 5 || word.compare(0, 3, "COM") != 0 || word[3] == '0') return 0;
    int number = 0;
    for (std::size_t i = 3; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9') return 0;
        number = number * 10 + (word[i] - '0');
    }
    return number <= ScopeForm::kHighestPort ? number : 0;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A whole answer that is a decimal number (blanks around it allowed); nothing otherwise.
std::optional<double> WholeNumber(const std::string& answer) {
    const std::string text = Trimmed(answer);
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// An epoch as the label shows it: "1950", "1950.5".
std::string EpochText(double epoch) { return Trimmed(StrNumber(epoch)); }

}  // namespace

ScopeForm::ScopeForm(SessionState& state, DialogServices& dialogs, platform::CommIO& comm,
                     MainWindowHooks& main)
    : siteCommands(state, comm, dialogs), state_(state), dialogs_(dialogs), comm_(comm), main_(main) {
    for (const ScopeModelEntry& entry : kScopeModels) List1.items.emplace_back(entry.text);
    for (const ScopeSizeEntry& entry : kScopeSizes) ScopeSizeList.items.emplace_back(entry.text);
    SkyList.items.assign(kSkyEntries.begin(), kSkyEntries.end());
    Label1.caption = "Select Goto Scope from this List";
    List2.toolTip = "Press \"COM Search\" to find available COM ports";
    Label2.caption = "Select Available COM Port - Current Selection is Highlighted";
    ScopeSizeList.toolTip = "Indicate Scope Size to set default Magnitude Limit for Searches";
    Label3.caption = "Indicate Telescope Size for default Search Limits";
    SkyList.toolTip = "Indicate light pollution level to adjust default Magnitude Limit for Searches";
    Label4.caption = "Light pollution at this Observing Location";
    UseFixedEpoch.toolTip = "Some Goto Scopes Ignore Precession";
    IgnoreInvalid.caption = "Ignore Invalid Catalog Entries";
    IgnoreInvalid.toolTip = "If checked, erroneous catalog entries are ignored";
    Check1.toolTip = IgnoreInvalid.toolTip;
    Upload.caption = "Upload Location and Time to Scope";
    OK.caption = "OK";
    Cancel.caption = "Cancel";
}

void ScopeForm::Form_Load() {
    const ScopeSettings& scope = state_.scope;
    backColor = state_.backColor;
    foreColor = state_.textColor;
    for (Control* control :
         {static_cast<Control*>(&List1), static_cast<Control*>(&List2), static_cast<Control*>(&ScopeSizeList),
          static_cast<Control*>(&SkyList), static_cast<Control*>(&UseFixedEpoch),
          static_cast<Control*>(&Check1), &ComSearch, &GPSSelect, &Upload, &OK, &Cancel}) {
        control->foreColor = state_.textColor;
        control->backColor = state_.backColor;
    }
    for (Control* label : {&Label1, &Label2, &Label3, &Label4, &UseJ2000, &IgnoreInvalid, &ScopeStatus}) {
        label->foreColor = state_.textColor;
        label->backColor = state_.highlightColor;
    }

    ScopeSizeList.listIndex = scope.sizeClass;
    SkyList.listIndex = scope.skyClass;
    ComSearch.caption = "Select COM Port for Telescope";
    GPSSelect.caption = "Select COM Port for GPS";
    List2.items.clear();
    List2.listIndex = -1;
    purpose_ = Purpose::Telescope;
    portsFound_ = 0;
    listTouched_ = false;

    Upload.enabled = false;
    OK.enabled = true;
    Check1.value = scope.ignoreInvalidEntries > 0;
    DrawEpoch();
    List1.listIndex = ScopeModelIndex(scope.scopeModel);
    if (List1.listIndex >= 0 && EntryScopeType(List1.items[static_cast<std::size_t>(List1.listIndex)]) == 4) {
        Upload.enabled = true;
    }
    ScopeStatus.caption = "";
    visible = true;
}

void ScopeForm::DrawEpoch() {
    const double epoch = state_.scope.fixedEpoch;
    UseFixedEpoch.value = epoch > 0.0;
    if (UseFixedEpoch.value) {
        UseJ2000.caption = "Use Epoch " + EpochText(epoch);
        UseJ2000.toolTip = "Click label to change fixed Epoch";
    } else {
        UseJ2000.caption = "Use Epoch 2000";
        UseJ2000.toolTip = "";
    }
}

void ScopeForm::Tell(const std::string& text) { dialogs_.MessageBox(text, MessageButtons::Ok, "TALVO"); }

void ScopeForm::ComSearch_Click() { static_cast<void>(SearchPorts(Purpose::Telescope)); }

void ScopeForm::GPSSelect_Click() { static_cast<void>(SearchPorts(Purpose::Gps)); }

std::string UnusablePortsText(const std::vector<std::string>& reasons) {
    constexpr std::size_t kShown = 2;  // the status line has room for two reasons
    std::string text;
    for (std::size_t i = 0; i < reasons.size() && i < kShown; ++i) text += (i == 0 ? "" : "\n") + reasons[i];
    if (reasons.size() > kShown) {
        text += "\n" + std::to_string(reasons.size() - kShown) + " more ports could not be opened.";
    }
    return text;
}

int ScopeForm::SearchPorts(Purpose purpose) {
    purpose_ = purpose;
    const int current = purpose == Purpose::Gps ? state_.scope.gpsPort : state_.scope.scopePort;
    std::string progress = "Searching for COM Ports - ";
    searching.Show(state_.highlightColor, state_.textColor);
    searching.SetLabel(progress);
    List2.items.clear();
    List2.listIndex = -1;
    int found = 0;
    // Ports with a device that this program may not have (held by another program, or not
    // permitted): skipped like missing ones, but the status line says why.
    std::vector<std::string> unusable;
    for (int n = 1; n <= kHighestPort && !searching.cancelled; ++n) {
        const std::string name = "COM" + std::to_string(n);
        progress += ", " + name;
        searching.SetLabel(progress);
        dialogs_.DoEvents();
        if (searching.cancelled) break;
        const std::int32_t result = comm_.CommOpen(kSearchSlot, name, kSearchMode);
        if (result == 0) {
            static_cast<void>(comm_.CommClose(kSearchSlot));  // it opened: that is all the search asks
            // Device paths and the kernel's descriptions are UTF-8; the window's texts are not.
            const std::string device = platform::ComDevicePath(name).value_or("");
            const std::string what = Utf8ToCp1252(platform::TtyDescription(device));
            List2.items.push_back(name + "  " + Utf8ToCp1252(device) + (what.empty() ? "" : "  " + what));
            if (n == current) List2.listIndex = static_cast<int>(List2.items.size()) - 1;
            ++found;
        } else if (result != 2) {
            // Set up failed on a device that opened; 2, a port with no device to open, is the usual case.
            progress += " Err " + std::to_string(result);
            searching.SetLabel(progress);
        } else {
            const int error = comm_.CommLastError().status;
            if (error == EBUSY || error == EACCES || error == EPERM) {
                unusable.push_back(Utf8ToCp1252(comm_.CommLastError().message));
            }
        }
    }
    // The GPS service is offered beside the serial ports: the receiver may be in its hands.
    if (purpose == Purpose::Gps && !searching.cancelled) {
        List2.items.push_back(std::string(kGpsdRowWord) + "  " + GpsdAddressText(DefaultGpsdAddress()) +
                              "  the GPS service");
        if (current == kGpsdSource) List2.listIndex = static_cast<int>(List2.items.size()) - 1;
    }
    searching.Hide();
    ScopeStatus.caption = UnusablePortsText(unusable);
    portsFound_ = found;
    return found;
}

void ScopeForm::List1_Click(int index) {
    if (index < 0 || index >= static_cast<int>(List1.items.size())) return;
    List1.listIndex = index;
    if (state_.scope.scopePort == 0) {
        if (portsFound_ == 0) {
            if (index != 0) {
                Tell(
                    "Error: No available COM ports were found. Cannot Perform Goto\n"
                    "If you are using a USB-to-Serial adapter, verify that it is properly installed.\n"
                    "Some other application may be currently using your COM port.");
                List1.listIndex = 0;
            } else {
                Tell("No available COM ports were found. Cannot Use GPS");
            }
        } else if (index == 0 || index == 6) {
            Tell("If you wish to use a GPS you must select a COM port");
        } else {
            Tell("Now you must select a COM port");
        }
    }
    listTouched_ = true;
}

void ScopeForm::List2_Click(int index) {
    const bool inList = index >= 0 && index < static_cast<int>(List2.items.size());
    if (inList) List2.listIndex = index;
    const std::string row = inList ? List2.items[static_cast<std::size_t>(index)] : "";
    const bool gpsd = purpose_ == Purpose::Gps && row.rfind(std::string(kGpsdRowWord) + " ", 0) == 0;
    const int port = gpsd ? kGpsdSource : RowPortNumber(row);
    if (port == 0) {
        Tell(kNoPortSelected);
        return;
    }
    (purpose_ == Purpose::Gps ? state_.scope.gpsPort : state_.scope.scopePort) = port;
    state_.configDirty = true;
}

void ScopeForm::ScopeSizeList_Click(int index) {
    if (index < 0 || index >= static_cast<int>(ScopeSizeList.items.size())) return;
    ScopeSizeList.listIndex = index;
    state_.scope.sizeClass = index;
    state_.scope.defaultMagnitudeLimit = DefaultMagnitudeLimit(index, state_.scope.skyClass);
    state_.configDirty = true;
}

void ScopeForm::SkyList_Click(int index) {
    if (index < 0 || index >= static_cast<int>(SkyList.items.size())) return;
    SkyList.listIndex = index;
    state_.scope.skyClass = index;
    state_.scope.defaultMagnitudeLimit = DefaultMagnitudeLimit(state_.scope.sizeClass, index);
    state_.configDirty = true;
}

void ScopeForm::ChangeEpoch(double fixedEpoch) {
    SetFixedEpoch(state_, fixedEpoch);
    DrawEpoch();
    state_.configDirty = true;
    main_.Redisplay();
}

void ScopeForm::UseFixedEpoch_Click(bool checked) {
    const double epoch = state_.scope.fixedEpoch;
    ChangeEpoch(checked ? (epoch > 0.0 ? epoch : 2000.0) : -1.0);
}

void ScopeForm::UseJ2000_Click() {
    if (!UseFixedEpoch.value) return;
    for (;;) {
        const std::optional<std::string> answer =
            dialogs_.InputBox("Select Fixed Epoch, 1900-2200: ", "TALVO", "");
        if (!answer || Trimmed(*answer).empty()) return;
        const std::optional<double> epoch = WholeNumber(*answer);
        if (epoch && *epoch >= kEarliestEpoch && *epoch <= kLatestEpoch) {
            ChangeEpoch(*epoch);
            return;
        }
        Tell("Invalid Selection: " + *answer);
    }
}

void ScopeForm::Check1_Click(bool checked) {
    Check1.value = checked;
    state_.scope.ignoreInvalidEntries = checked ? 1 : -1;
    state_.scope.ignoreInvalid = checked;
    state_.configDirty = true;
}

void ScopeForm::Upload_Click() {
    Upload.enabled = false;
    OK.enabled = false;
    ExchangeHooks hooks = WindowExchangeHooks(dialogs_);
    hooks.keepGoing = [this] { return visible; };  // closing the window abandons the wait
    hooks.status = [this](const std::string& text) { ScopeStatus.caption = text; };
    static_cast<void>(siteCommands.Upload(hooks));
    OK.enabled = true;
    visible = false;
    Form_Unload();
}

bool ScopeForm::OK_Click() {
    const int index = List1.listIndex;
    const std::string entry = index >= 0 && index < static_cast<int>(List1.items.size())
                                  ? List1.items[static_cast<std::size_t>(index)]
                                  : "";
    const std::optional<int> chosen = ScopeModelCode(entry);
    if (!chosen) Tell("Make a Selection");

    ScopeSettings& scope = state_.scope;
    ScopeSettings ruled = scope;
    const ModelQuestions questions{[this](const std::string& question) {
                                       return dialogs_.MessageBox(question, MessageButtons::YesNo, "TALVO") ==
                                              MessageAnswer::Yes;
                                   },
                                   [this](const std::string& text) { Tell(text); }};
    const int model = ApplyModelRules(ruled, chosen.value_or(scope.scopeModel), listTouched_, questions);
    const double epoch = ruled.fixedEpoch;
    ruled.fixedEpoch = scope.fixedEpoch;  // changed below, with the object shown following it
    scope = ruled;
    scope.scopeModel = model;
    if (epoch != scope.fixedEpoch) ChangeEpoch(epoch);

    bool closed = false;
    if (chosen) {
        scope.scopeType = EntryScopeType(entry);
        state_.configDirty = true;
        main_.Redisplay();
        visible = false;
        Form_Unload();
        closed = true;
    } else {
        Tell("No Scope Selected!");
    }
    if (scope.scopePort == 0 && scope.scopeModel != kNoGotoModel && scope.scopeModel != 501)
        Tell(kNoPortSelected);
    return closed;
}

void ScopeForm::Cancel_Click() {
    visible = false;
    Form_Unload();
}

void ScopeForm::Form_Unload() {
    static_cast<void>(comm_.CommClose(kSearchSlot));  // nothing to report: the port was only tried
    listTouched_ = false;
}

}  // namespace talvo
