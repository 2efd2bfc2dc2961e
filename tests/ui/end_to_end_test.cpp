// The whole window program in memory: start-up, the main window, its keys and buttons, with
// scripted answers in place of the observer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "catalog/catalog_fixture.h"
#include "platform/fixed_time_zone.h"
#include "session/home_file_format.h"
#include "session/home_record.h"
#include "support/fake_clock.h"
#include "support/scoped_env.h"
#include "support/scripted_dialogs.h"
#include "ui/application.h"

namespace talvo::ui {
namespace {

class EndToEnd : public ::testing::Test {
protected:
    // The default catalog beside the program: M31 (with the full catalog's flag), M42 and M1.
    EndToEnd() {
        using testing::CatalogLine;
        testing::WriteCatalog(dir.File("FULL.TLV"),
                              {CatalogLine({"M31       &^", "NGC 224"}, 0.7123, 41.2689, 3.40, 2000, 'F'),
                               CatalogLine({"M42       &^", "NGC 1976"}, 5.5881, -5.3911, 4.00),
                               CatalogLine({"M1        ^^", "NGC 1952"}, 5.5755, 22.0145, 8.40)});
        // A home file past its first run, so that start-up asks nothing.
        SessionState saved;
        saved.firstUseDate = 2461016.5;
        std::ofstream(dir.File("TALVO.HOM"), std::ios::binary) << EncodeHomeFile(RecordFromSession(saved));
    }

    void Key(char key) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(key)));
        QApplication::sendEvent(&app->Window(), &press);
    }

    testing::TempDir dir;
    testing::ScopedEnv programDir{"TALVO_DIR", dir.path()};
    testing::FakeClock clock{{2026, 12, 6, 21, 30, 0}};
    platform::FixedTimeZone zone{5.0};
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<Application> app;

    void Start() {
        app = std::make_unique<Application>(&clock, &zone, &dialogs);
        SetSite(app->State().site, 40.5, 74.25);
        ApplyDateOrder(app->State());
        app->Model().Form_Load();
        app->Show();
    }
};

TEST_F(EndToEnd, ClosingTheWindowOffersToSaveChangedOptions) {
    Start();
    EXPECT_TRUE(dialogs.messages.empty());  // the home file was read
    app->State().configDirty = true;
    dialogs.inputAnswers = {std::string("NIGHT")};
    app->Window().close();
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].prompt, "Do you want to save current configuration changes?");
    EXPECT_TRUE(std::filesystem::exists(dir.File("NIGHT.HOM")));
}

TEST_F(EndToEnd, FindsM42ThroughTheSimpleSearch) {
    Start();
    dialogs.inputAnswers = {std::string("M42")};
    app->Window().ButtonFor(app->Model().SimpleSearch)->click();

    const Form1& form = app->Model();
    EXPECT_EQ(form.Name1.caption, "Name = M42         ");
    EXPECT_EQ(form.Declination.caption, "Dec = -5\xB0 22.5'");
    EXPECT_TRUE(form.NextMatchButton.visible);
    EXPECT_EQ(form.NextMatchButton.caption, "n (2) Next Match");
    EXPECT_TRUE(std::filesystem::exists(dir.File("MATCHES.TXT.tmp")) ||
                std::filesystem::exists(dir.File("MATCHES.TXT")));
}

TEST_F(EndToEnd, KeysWorkAsANewObserverTypesThem) {
    Start();
    // "/" and a name: the simple search.
    dialogs.inputAnswers = {std::string("m31")};
    Key('/');
    EXPECT_EQ(app->Model().Name1.caption, "Name = M31         ");

    // "3": the Moon.
    Key('3');
    EXPECT_EQ(app->Model().Name1.caption, "Name = Moon        ");
    EXPECT_TRUE(app->Model().RightAsc.caption.rfind("Topocentric R.A. = ", 0) == 0);

    // "d": the date entry; the clock stands still at the date entered.
    dialogs.inputAnswers = {std::string("2"), std::string("29"), std::string("2024")};
    Key('d');
    EXPECT_EQ(app->Model().Date.caption, "02-29-2024");
    EXPECT_TRUE(app->Model().RealTime.visible);

    // "n" does nothing while the next-match button is hidden (a body is current).
    const std::size_t shown = dialogs.messages.size();
    Key('n');
    EXPECT_EQ(dialogs.messages.size(), shown);

    // "g" does nothing without a telescope; "a" opens the comet and asteroid window.
    Key('g');
    EXPECT_EQ(dialogs.messages.size(), shown);
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            opened = window->windowTitle();
            window->close();
        }
    });
    Key('a');
    EXPECT_EQ(opened, QString("Select Asteroid or Comet"));
    EXPECT_EQ(dialogs.messages.size(), shown);
}

}  // namespace
}  // namespace talvo::ui
