// The help window's view shows the model's topics and forwards clicks to it.
#include "ui/help_form_view.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QPlainTextEdit>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "forms/help_form.h"
#include "support/scripted_dialogs.h"

namespace talvo::ui {
namespace {

namespace fs = std::filesystem;

TEST(HelpFormView, ShowsTopicsAndForwardsClicks) {
    const fs::path dir = fs::temp_directory_path() / ("talvo-help-view-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / HelpForm::kGuideFileName) << "<html></html>\n";
    SessionState state;
    state.appDir = dir.string() + "/";
    testing::ScriptedDialogs dialogs;
    HelpForm form(state, dialogs);
    QWidget mainWindow;

    HelpFormView* view = HelpFormView::Open(form, &mainWindow);
    EXPECT_EQ(view->topics()->count(), 56);
    EXPECT_EQ(view->text()->toPlainText(), QString("Make a Selection"));
    EXPECT_EQ(view->files()->count(), 1);
    EXPECT_TRUE(view->styleSheet().contains("#c00000"));

    view->topics()->setCurrentRow(2);  // Altitude
    EXPECT_EQ(form.List1.listIndex, 2);
    EXPECT_TRUE(view->text()->toPlainText().contains(QString("90") + QChar(0x00B0)));

    emit view->guideLink()->linkActivated("guide");
    EXPECT_EQ(dialogs.openedDocuments, std::vector<std::string>{state.appDir + HelpForm::kGuideFileName});

    if (const char* shots = std::getenv("TALVO_SCREENSHOT_DIR")) {
        view->grab().save(QString::fromStdString((fs::path(shots) / "help-window.png").string()));
    }

    EXPECT_EQ(HelpFormView::Open(form, &mainWindow), view);  // one window per model
    view->close();
    EXPECT_FALSE(form.visible);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace talvo::ui
