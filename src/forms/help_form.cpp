#include "forms/help_form.h"

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "forms/help_topics.h"
#include "platform/data_dirs.h"

namespace talvo {

HelpForm::HelpForm(const SessionState& state, DialogServices& dialogs) : state_(state), dialogs_(dialogs) {
    List1.toolTip = "Click a topic to read about it";
    File1.toolTip = "Click a document to open it";
    Label1.caption = kGuideFileName;
    Label1.toolTip = "Click to read the TALVO user guide";
    Label2.caption = "Read Scripting Documentation for TALVO";
    Label3.caption = "The TALVO user guide is installed with the program:";

    List1.items.emplace_back();
    for (const HelpTopic& topic : HelpTopics()) List1.items.emplace_back(topic.name);
}

void HelpForm::Form_Load() {
    ApplyColours();
    List1_Click(0);
    ListFiles();
    visible = true;
}

void HelpForm::ApplyColours() {
    backColor = state_.backColor;
    for (Control* control :
         {static_cast<Control*>(&List1), &Text1, static_cast<Control*>(&File1), &Label1, &Label2, &Label3}) {
        control->foreColor = state_.textColor;
        control->backColor = state_.backColor;
    }
}

void HelpForm::List1_Click(int index) {
    if (index < 0 || index >= static_cast<int>(List1.items.size())) return;
    List1.listIndex = index;
    Text1.caption =
        index == 0 ? "Make a Selection" : std::string(HelpTopics()[static_cast<std::size_t>(index - 1)].text);
}

void HelpForm::ListFiles() {
    File1.items.clear();
    File1.listIndex = -1;
    if (state_.appDir.empty()) return;
    File1.items = platform::ListBothFolders(state_.appDir, state_.dataDir, [this](const std::string& name) {
        return fnmatch(File1Pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
    });
}

void HelpForm::File1_Click(int index) {
    if (index < 0 || index >= static_cast<int>(File1.items.size())) return;
    File1.listIndex = index;
    OpenFile(File1.items[static_cast<std::size_t>(index)]);
}

void HelpForm::Label1_Click() { OpenFile(kGuideFileName); }

void HelpForm::OpenFile(const std::string& fileName) {
    const std::string path = platform::ReadablePath(state_.appDir, state_.dataDir, fileName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || !dialogs_.OpenDocument(path)) {
        dialogs_.MessageBox("Cannot Open File " + fileName, MessageButtons::Ok, "TALVO Help");
    }
}

}  // namespace talvo
