// The catalog chooser window: a drive list, a folder list and the catalog files of the folder,
// the default catalog, and a new catalog of the observer's own.
#pragma once

#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/dialog_services.h"
#include "forms/search_commands.h"
#include "session/session_state.h"

namespace talvo {

class CatalogSelect {
public:
    CatalogSelect(SessionState& state, SearchCommands& searches, DialogServices& dialogs);

    std::string caption = "Select Catalog";
    bool visible = false;

    Control Drive1;
    std::vector<std::string> Drive1Items;  // folders ending in "/"
    int Drive1Index = 0;

    Control Dir1;
    std::string Dir1Path;                // the folder shown, ending in "/"
    std::vector<std::string> Dir1Items;  // its sub-folders, sorted

    Control File1;
    std::string File1Pattern = "*.TLV*";  // compared without regard to case
    // The catalog files of Dir1Path, sorted; for the writable folder (appDir) the shipped
    // catalogs of dataDir too, a name of both once.
    std::vector<std::string> File1Items;

    Control DefaultCat;
    Control NewCatalog;

    // Opens the window on the current catalog's folder (the writable folder for a shipped one).
    void Form_Load();
    void Drive1_Change(int index);
    // Shows another folder (a sub-folder name of Dir1Items, "..", or a full path).
    void Dir1_Change(const std::string& folder);
    void File1_Click(int index);
    void DefaultCat_Click();
    void NewCatalog_Click();

private:
    void ListFolder();
    void Close() { visible = false; }

    SessionState& state_;
    SearchCommands& searches_;
    DialogServices& dialogs_;
};

}  // namespace talvo
