// The help window: a glossary of TALVO's terms, the documentation files installed beside the
// program, and a link to the user guide.
#pragma once

#include <string>

#include "forms/control.h"
#include "forms/dialog_services.h"
#include "session/session_state.h"

namespace talvo {

class HelpForm {
public:
    // The user guide installed with the program (in dataDir); Label1 opens it.
    static constexpr const char* kGuideFileName = "TALVO-Guide.html";

    HelpForm(const SessionState& state, DialogServices& dialogs);

    std::string caption = "TALVO Help";
    bool visible = false;
    Colour backColor = kDarkRed;

    ListControl List1;                    // the topics, after one blank row
    Control Text1;                        // the explanation of the selected topic
    ListControl File1;                    // the documentation files of appDir and dataDir
    std::string File1Pattern = "*.HTM*";  // compared without regard to case
    Control Label1;                       // link to the user guide: the file it opens
    Control Label2;                       // "Read Scripting Documentation for TALVO"
    Control Label3;                       // introduces Label1: the guide installed with the program

    // Opens the window in the session's colours, with the topics, the blank row selected and the
    // documentation files of the writable and data folders.
    void Form_Load();

    // Shows the explanation of the topic in row `index`; the blank row asks for a selection.
    void List1_Click(int index);

    // Opens the documentation file of row `index` with the desktop's opener.
    void File1_Click(int index);

    // Opens the user guide with the desktop's opener.
    void Label1_Click();

    // The window's close control.
    void Form_Unload() { visible = false; }

private:
    void ApplyColours();
    void ListFiles();
    void OpenFile(const std::string& fileName);

    const SessionState& state_;
    DialogServices& dialogs_;
};

}  // namespace talvo
