#include "forms/catalog_select.h"

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "catalog/catalog_maintenance.h"
#include "catalog/catalog_reader.h"
#include "engine/text_format.h"
#include "platform/data_dirs.h"
#include "platform/drives.h"

namespace talvo {

CatalogSelect::CatalogSelect(SessionState& state, SearchCommands& searches, DialogServices& dialogs)
    : state_(state), searches_(searches), dialogs_(dialogs) {
    Drive1.toolTip = "Click this scroll bar to select drive for catalog file";
    Dir1.toolTip = "Double click this slide bar to select catalog directory";
    File1.toolTip = "Click this slide bar to select catalog";
    DefaultCat.caption = "Default Catalog \"Full.tlv\"";
    NewCatalog.caption = "Create New Catalog";
    NewCatalog.toolTip = "Click to create your own new catalog";
}

void CatalogSelect::Form_Load() {
    state_.search.BestOfSearch = false;
    Drive1Items = platform::DriveList();
    Drive1Index = 0;
    const bool isDefault = IsDefaultCatalog(state_);
    DefaultCat.enabled = !isDefault;
    DefaultCat.toolTip = isDefault ? " " : "Click to return to default catalog 'full.tlv'";
    // The shipped catalogs are listed with the observer's, in the writable folder.
    std::string start = state_.catalogFolder;
    if (start.empty() || (!state_.dataDir.empty() && WithSlash(start) == state_.dataDir))
        start = state_.appDir;
    Dir1Path = WithSlash(start.empty() ? "/" : start);
    ListFolder();
    visible = true;
}

void CatalogSelect::Drive1_Change(int index) {
    if (index < 0 || index >= static_cast<int>(Drive1Items.size())) return;
    std::error_code error;
    if (!std::filesystem::is_directory(Drive1Items[static_cast<std::size_t>(index)], error))
        return;  // unavailable
    Drive1Index = index;
    Dir1Path = Drive1Items[static_cast<std::size_t>(index)];
    ListFolder();
}

void CatalogSelect::Dir1_Change(const std::string& folder) {
    std::filesystem::path next;
    if (folder == "..") {
        next = std::filesystem::path(Dir1Path).parent_path().parent_path();
    } else if (!folder.empty() && folder[0] == '/') {
        next = folder;
    } else {
        next = std::filesystem::path(Dir1Path) / folder;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(next, error)) return;
    Dir1Path = WithSlash(std::filesystem::weakly_canonical(next, error).string());
    ListFolder();
}

void CatalogSelect::ListFolder() {
    Dir1Items.clear();
    File1Items.clear();
    std::error_code error;
    for (std::filesystem::directory_iterator it(Dir1Path, error), end; !error && it != end;
         it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            if (name[0] != '.') Dir1Items.push_back(name);
        } else if (fnmatch(File1Pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) {
            File1Items.push_back(name);
        }
    }
    std::sort(Dir1Items.begin(), Dir1Items.end());
    std::sort(File1Items.begin(), File1Items.end());
    if (!state_.appDir.empty() && Dir1Path == state_.appDir) {
        File1Items =
            platform::ListBothFolders(state_.appDir, state_.dataDir, [this](const std::string& name) {
                return fnmatch(File1Pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
            });
    }
}

void CatalogSelect::File1_Click(int index) {
    if (index < 0 || index >= static_cast<int>(File1Items.size())) return;
    const std::string& file = File1Items[static_cast<std::size_t>(index)];
    const bool ownFolder = !state_.appDir.empty() && Dir1Path == state_.appDir;
    searches_.ChooseCatalog(
        file, ownFolder ? platform::ReadableFolder(state_.appDir, state_.dataDir, file) : Dir1Path);
    Close();
}

void CatalogSelect::DefaultCat_Click() {
    searches_.ChooseCatalog(kDefaultCatalog,
                            platform::ReadableFolder(state_.appDir, state_.dataDir, kDefaultCatalog));
    Close();
}

void CatalogSelect::NewCatalog_Click() {
    std::optional<std::string> typed = dialogs_.InputBox(
        "Enter new Catalog file name or click 'OK' to keep the old one", "Create New Catalog File", "");
    if (!typed || typed->empty()) return;
    state_.catalogFileName = NewCatalogFileName(*typed);
    searches_.CloseFiles();
    state_.object.notInCatalog = true;

    std::optional<std::string> epoch =
        dialogs_.InputBox("Specify Catalog Epoch (1900-2100)", "Catalog Epoch", "2000");
    while (epoch && !epoch->empty()) {
        double year = LeadingNumber(*epoch);
        if (year >= 1900.0 && year <= 2100.0) {
            state_.catalogEpoch = year;
            break;
        }
        epoch = dialogs_.InputBox("Specify Catalog Epoch (1900-2100)", "Set Catalog Epoch", "2000");
    }
    // The shipped data's folder is not the observer's to write in.
    const bool dataFolder = !state_.dataDir.empty() && Dir1Path == state_.dataDir;
    state_.catalogFolder = dataFolder ? state_.appDir : Dir1Path;
    Close();
}

}  // namespace talvo
