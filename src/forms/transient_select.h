// The transient catalog window ("Select Asteroid or Comet"): the comet and asteroid catalogs of
// the transient folder, an object named by its designation, the near-Earth mark, and deletion.
// The files are put in the folder by the observer; choosing one makes the position of the present
// moment the current object.
#pragma once

#include <optional>
#include <string>

#include "forms/control.h"
#include "forms/dialog_services.h"
#include "forms/main_window_hooks.h"
#include "forms/search_commands.h"
#include "session/session_state.h"

namespace talvo {

// The catalog file name (without extension) of a typed designation. A double quote is left
// out; "/" and "-" become "-" and mark a comet; letters, digits, "(", ")" and blanks are kept;
// "@" is kept and marks a near-Earth object. Any other character is refused (`invalid`).
struct TransientFileName {
    std::string name;
    bool comet = false;
    bool nearEarth = false;
    std::optional<char> invalid;  // the first character refused; `name` is then incomplete
};
TransientFileName MakeTransientFileName(const std::string& designation);

class TransientSelect {
public:
    TransientSelect(SessionState& state, SearchCommands& searches, MainWindowHooks& mainWindow,
                    DialogServices& dialogs);

    std::string caption = "Select Asteroid or Comet";
    bool visible = false;
    Colour backColor = kDarkRed;
    Colour foreColor = kYellow;

    ListControl File1;     // the "*.TLV" files of the transient folder (without regard to case)
    Control Label2;        // the list's heading
    Control Text1;         // the typed designation (its caption is the text)
    Control NewFileLabel;  // Text1's heading
    Control Command1;      // load the named or selected object
    Control DeleteFile;
    CheckControl EarthGraze;  // a near-Earth object: allowed in a set moment too
    // The link to pages of prepared catalogs: hidden, with nothing to open.
    Control Label3;
    // Makes a catalog from a file of orbital elements (see Status_Click).
    Control Status;

    bool comet = false;  // the last designation loaded named a comet

    // Opens the window in the main window's colours (the view shows it).
    void Show();
    // Lists the folder afresh, empties Text1 and sets it for the clock's mode.
    void Form_Load();
    void File1_Click(int index);
    void Text1_Change(const std::string& text);
    void EarthGraze_Click(bool checked);
    // Loads the typed designation, or the selected file; with neither the window closes.
    void Command1_Click();
    void DeleteFile_Click();
    // Asks for a file of orbital elements (the Minor Planet Center's one-line formats), makes the
    // catalog of the object in it (the one whose name holds the typed designation, when it has
    // several) from today 0 h UTC, 60 days hourly or, near-Earth, 24 hours a minute apart, puts
    // it in the transient folder and loads it.
    void Status_Click();
    void Close() { visible = false; }

private:
    bool FileSelected() const;
    void EnableText();
    // The file of the transient folder named `fileName` whatever the case of its letters; empty
    // when there is none.
    std::string FindFile(const std::string& fileName) const;
    // Makes `file` the current catalog; on failure the catalog and object before it come back.
    void Load(const std::string& file);

    SessionState& state_;
    SearchCommands& searches_;
    MainWindowHooks& mainWindow_;
    DialogServices& dialogs_;
};

}  // namespace talvo
