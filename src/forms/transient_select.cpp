#include "forms/transient_select.h"

#include <cctype>
#include <filesystem>

#include "catalog/catalog_reader.h"
#include "catalog/transient_catalog.h"
#include "engine/text_format.h"
#include "forms/transient_making.h"
#include "platform/folder_files.h"

namespace talvo {

namespace {

constexpr const char* kTitle = "TALVO";
constexpr const char* kSetMomentText =
    "Must be in Real-Time Mode to Load New Object (Near-Earth Objects Excepted)";
constexpr const char* kExtension = ".TLV";

bool IsCatalogFile(const std::string& name) {
    return name.size() > 4 && UpperCase(name.substr(name.size() - 4)) == kExtension;
}

// What choosing a catalog changes, kept to be put back when the choice fails.
struct CatalogChoice {
    std::string fileName, folder;
    char flag = 'F';
    CatalogContents contents;
    bool longNameCatalog = false;
    bool fullCatalogInUse = true;
    CurrentObject object;
    SearchState search;
    std::string status;

    explicit CatalogChoice(const SessionState& state)
        : fileName(state.catalogFileName),
          folder(state.catalogFolder),
          flag(state.catalogFlag),
          contents(state.contents),
          longNameCatalog(state.longNameCatalog),
          fullCatalogInUse(state.fullCatalogInUse),
          object(state.object),
          search(state.search) {}

    void Restore(SessionState& state, MainWindowHooks& mainWindow) const {
        state.catalogFileName = fileName;
        state.catalogFolder = folder;
        state.catalogFlag = flag;
        state.contents = contents;
        state.longNameCatalog = longNameCatalog;
        state.fullCatalogInUse = fullCatalogInUse;
        state.object = object;
        state.search = search;
        state.search.SearchOpen = false;  // the catalog was closed: a next match starts again
        state.riseSetValid = false;
        if (IsTransientCatalogFlag(flag)) {
            mainWindow.SetSearchButtons("Transient Object", false);
        } else {
            mainWindow.SetSearchButtons("/ Simple Search", true);
            mainWindow.SetStatus("Catalog = " + WithSlash(folder) + fileName);
        }
    }
};

}  // namespace

TransientFileName MakeTransientFileName(const std::string& designation) {
    TransientFileName result;
    for (char c : designation) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"') continue;
        if (c == '/' || c == '-') {
            result.name += '-';
            result.comet = true;
        } else if (c == '@') {
            result.name += c;
            result.nearEarth = true;
        } else if ((u < 128 && std::isalnum(u)) || c == '(' || c == ')' || c == ' ') {
            result.name += c;
        } else {
            result.invalid = c;
            return result;
        }
    }
    return result;
}

TransientSelect::TransientSelect(SessionState& state, SearchCommands& searches, MainWindowHooks& mainWindow,
                                 DialogServices& dialogs)
    : state_(state), searches_(searches), mainWindow_(mainWindow), dialogs_(dialogs) {
    Label2.caption = "Object Positions Already Loaded";
    Command1.caption = "Load Object";
    DeleteFile.caption = "Delete File";
    EarthGraze.caption = "Near-Earth Object (only download 24 hours' positions)";
    EarthGraze.toolTip = "Only check this box for objects that are coming very close to earth";
    Label3.caption =
        "Visible Comets / Asteroids  - click here to find currently visible objects, and download prepared "
        "Transient Catalogs.";
    Label3.toolTip = "Lists of Comets and Asteroids currently visible";
    Label3.visible = false;
    Status.caption = "Make a Transient Catalog from orbital elements";
    Status.toolTip =
        "Make a catalog from a comet's or minor planet's orbital elements, saved as the Minor Planet "
        "Center's one-line formats give them";
}

void TransientSelect::Show() {
    backColor = state_.backColor;
    foreColor = state_.textColor;
    Form_Load();
    visible = true;
}

void TransientSelect::Form_Load() {
    File1.items = platform::ListFolderFiles(state_.transientDir, IsCatalogFile);
    File1.listIndex = -1;
    Text1.caption.clear();
    DeleteFile.enabled = false;
    EnableText();
}

void TransientSelect::EnableText() {
    if (state_.clock.realTime) {
        Text1.enabled = true;
        Text1.toolTip = "Enter Name of Comet or Asteroid (must match official designation in list)";
        NewFileLabel.caption = "Enter New Object Name";
        return;
    }
    // In a set moment only a near-Earth object may be named.
    Text1.enabled = EarthGraze.value;
    Text1.toolTip = kSetMomentText;
    NewFileLabel.caption = kSetMomentText;
}

bool TransientSelect::FileSelected() const {
    return File1.listIndex >= 0 && File1.listIndex < static_cast<int>(File1.items.size());
}

void TransientSelect::File1_Click(int index) {
    File1.listIndex = index >= 0 && index < static_cast<int>(File1.items.size()) ? index : -1;
    DeleteFile.enabled = FileSelected();
}

void TransientSelect::Text1_Change(const std::string& text) {
    Text1.caption = text;
    DeleteFile.enabled = FileSelected();
}

void TransientSelect::EarthGraze_Click(bool checked) {
    EarthGraze.value = checked;
    EnableText();
}

std::string TransientSelect::FindFile(const std::string& fileName) const {
    const std::string wanted = UpperCase(fileName);
    for (const std::string& name : platform::ListFolderFiles(state_.transientDir, IsCatalogFile)) {
        if (UpperCase(name) == wanted) return name;
    }
    return {};
}

void TransientSelect::Command1_Click() {
    std::string designation = Text1.caption;
    if (designation.empty()) {
        if (!FileSelected()) {
            Close();
            return;
        }
        const std::string& file = File1.items[static_cast<std::size_t>(File1.listIndex)];
        designation = file.substr(0, file.size() - 4);
    }
    const TransientFileName name = MakeTransientFileName(designation);
    if (name.invalid) {
        dialogs_.MessageBox(std::string("Invalid Character '") + *name.invalid + "' in name",
                            MessageButtons::Ok, kTitle);
        return;
    }
    comet = name.comet;
    if (name.nearEarth) EarthGraze.value = true;
    const std::string file = FindFile(name.name + kExtension);
    if (file.empty()) {
        dialogs_.MessageBox("No Transient Catalog " + name.name + ".tlv in " + state_.transientDir +
                                ". Transient catalogs are placed in that folder to be loaded.",
                            MessageButtons::Ok, kTitle);
        Close();
        return;
    }
    Load(file);
    Close();
}

void TransientSelect::Load(const std::string& file) {
    const CatalogChoice previous(state_);
    const bool opened = searches_.ChooseCatalog(file, state_.transientDir);
    const bool transient = IsTransientCatalogFlag(state_.catalogFlag);
    if (opened && transient) {
        state_.object.transientCatalog = true;
        state_.riseSetValid = false;
        mainWindow_.Redisplay();
        return;
    }
    const bool deleted = FindFile(file).empty();
    previous.Restore(state_, mainWindow_);
    if (deleted) {
        dialogs_.MessageBox("File is obsolete, deleting. Need to make new Transient file.",
                            MessageButtons::Ok, kTitle);
    } else if (opened) {
        dialogs_.MessageBox(
            file + " is not a Transient Catalog: its first line has no \"T\" or \"t\" in column 88.",
            MessageButtons::Ok, kTitle);
    }
    mainWindow_.Redisplay();
}

void TransientSelect::Status_Click() {
    constexpr int kHoursHourly = 60 * 24;  // 60 days of hourly positions
    constexpr int kMinutesNearEarth = 24 * 60;
    const std::optional<std::string> elements = dialogs_.InputBox(
        "File of orbital elements (comet or minor-planet lines in the Minor Planet Center's one-line "
        "formats). The object whose name holds the text typed above is made when the file has several.",
        "Make Transient Catalog", state_.transientDir);
    if (!elements || elements->empty()) return;
    TransientSpan span;
    span.perMinute = EarthGraze.value;
    span.steps = span.perMinute ? kMinutesNearEarth : kHoursHourly;
    const CalendarDate today = CalendarOf(state_.clock.julianDate);
    span.year = today.year;
    span.month = today.month;
    span.day = static_cast<int>(today.day);
    const TransientMaking made =
        MakeTransientCatalogFile(*elements, Text1.caption, span, "", state_.transientDir);
    switch (made.outcome) {
        case TransientMaking::Outcome::kMade:
            break;
        case TransientMaking::Outcome::kNoElements:
            dialogs_.MessageBox("No comet or minor-planet elements" +
                                    (Text1.caption.empty() ? std::string() : " of " + Text1.caption) +
                                    " in " + *elements,
                                MessageButtons::Ok, kTitle);
            return;
        case TransientMaking::Outcome::kSeveral: {
            std::string text = "The file holds several objects. Type part of one name, then make it again:";
            for (std::size_t i = 0; i < made.names.size() && i < 20; ++i) text += "\n" + made.names[i];
            dialogs_.MessageBox(text, MessageButtons::Ok, kTitle);
            return;
        }
        case TransientMaking::Outcome::kUnreadable:
        case TransientMaking::Outcome::kNotWritten:
            dialogs_.MessageBox(made.message, MessageButtons::Ok, kTitle);
            return;
    }
    Form_Load();
    comet = made.comet;
    Load(std::filesystem::path(made.path).filename().string());
    Close();
}

void TransientSelect::DeleteFile_Click() {
    if (!FileSelected()) return;
    const std::string file = File1.items[static_cast<std::size_t>(File1.listIndex)];
    if (!platform::RemoveFolderFile(state_.transientDir, file).ok) {
        dialogs_.MessageBox("Unable to Delete " + file, MessageButtons::Ok, kTitle);
    }
    const std::string typed = Text1.caption;
    Form_Load();
    Text1.caption = typed;
}

}  // namespace talvo
