// Choosing the position of a transient catalog for the present moment, and what the observer is
// told or asked when the catalog has none.
#include "catalog/catalog_reader.h"
#include "catalog/transient_catalog.h"
#include "forms/search_commands.h"
#include "platform/folder_files.h"

namespace talvo {

TransientChoice SearchCommands::ChooseTransientPosition() {
    mainWindow_.SetSearchButtons("Transient Object", false);
    const TransientSearch found = FindTransientPosition(state_, engine_);
    const std::string& file = state_.catalogFileName;
    switch (found) {
        case TransientSearch::Found:
            mainWindow_.ResetChainButtons();
            mainWindow_.SetStatus(
                "This Transient Catalog contains the positions of a single object (comet or asteroid) at "
                "various times. It cannot be searched. To enable searches, change catalogs.");
            return TransientChoice::Found;
        case TransientSearch::Unreadable:
            Message("CANNOT OPEN CATALOG " + file);
            mainWindow_.SetStatus("CANNOT OPEN CATALOG " + file);
            return TransientChoice::Unreadable;
        case TransientSearch::NoPosition:
            break;
    }
    // A catalog whose positions began in an earlier year is of no more use. In a set moment the
    // observer may be looking at another year, so nothing is offered for deletion then; nor
    // while a script runs, with nobody to answer.
    const std::string folder = WithSlash(state_.catalogFolder);
    const std::optional<int> firstYear = FirstPositionYear(CatalogPath(state_.catalogFolder, file));
    if (state_.clock.realTime && firstYear && state_.clock.year > *firstYear) {
        if (state_.scriptMode) return TransientChoice::NoPosition;
        const std::string question = std::string("This transient catalog appears to be obsolete.") +
                                     SearchEngine::kBreak + "Delete " + folder + file + "?";
        if (dialogs_.MessageBox(question, MessageButtons::YesNo, "TALVO") != MessageAnswer::Yes)
            return TransientChoice::NoPosition;
        if (!platform::RemoveFolderFile(folder, file).ok) {
            Message("Unable to Delete " + file);
            return TransientChoice::NoPosition;
        }
        return TransientChoice::Deleted;
    }
    Message("The Transient Catalog " + file + " contains no positions for the time set in TALVO." +
            SearchEngine::kBreak + "Either change the time, or change catalogs.");
    return TransientChoice::NoPosition;
}

}  // namespace talvo
