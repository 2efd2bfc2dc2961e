// The whole window program in memory: start-up, the main window, its keys and buttons, with
// scripted answers in place of the observer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"
#include "support/scoped_env.h"
#include "support/scripted_dialogs.h"
#include "ui/application.h"

namespace talvo::ui {
namespace {

namespace fs = std::filesystem;

// A line of the catalog layout: names, RA (hours), Dec (degrees), magnitude.
std::string CatalogLine(const std::string& name1, const std::string& name2, const char* ra, const char* dec,
                        const char* magnitude, char flag = ' ') {
    std::string line(100, ' ');
    line.replace(0, name1.size(), name1);
    line.replace(12, name2.size(), name2);
    line.replace(61, 6, ra);   // "5.5881" from column 62
    line.replace(69, 8, dec);  // from column 70
    line[87] = flag;
    line.replace(89, 4, magnitude);  // from column 90
    line.replace(96, 4, "2000");
    return line;
}

class EndToEnd : public ::testing::Test {
protected:
    EndToEnd()
        : dir(fs::temp_directory_path() / ("talvo-e2e-" + std::to_string(::getpid()))),
          programDir((fs::create_directories(dir), "TALVO_DIR"), dir.string()) {
        std::ofstream catalog(dir / "FULL.TLV", std::ios::binary);
        catalog << CatalogLine("M31       &^", "NGC 224", "0.7123", "41.2689 ", "3.40", 'F') << "\r\n"
                << CatalogLine("M42       &^", "NGC 1976", "5.5881", "-05.3911", "4.00") << "\r\n"
                << CatalogLine("M1        ^^", "NGC 1952", "5.5755", "22.0145 ", "8.40") << "\r\n";
    }
    ~EndToEnd() override { fs::remove_all(dir); }

    void Key(char key) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(key)));
        QApplication::sendEvent(&app->Window(), &press);
    }

    fs::path dir;
    testing::ScopedEnv programDir;
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

TEST_F(EndToEnd, FindsM42ThroughTheSimpleSearch) {
    Start();
    dialogs.inputAnswers = {std::string("M42")};
    app->Window().ButtonFor(app->Model().SimpleSearch)->click();

    const Form1& form = app->Model();
    ASSERT_FALSE(dialogs.prompts.empty());
    EXPECT_EQ(dialogs.prompts[0].title, "Search for Object in Catalog");
    EXPECT_EQ(form.Name1.caption, "Name = M42         ");
    EXPECT_EQ(form.Name2label.caption, "Name2 = NGC 1976    ");
    EXPECT_EQ(form.RightAsc.caption, " 2027 R.A. =  5h 36.61m");
    EXPECT_EQ(form.Declination.caption, "Dec = -5\xB0 22.5'");
    EXPECT_EQ(form.Altitude.caption, "Altitude = 28\xB0 21'");
    EXPECT_EQ(form.RiseTime.caption, "Rose At = 18:42  ");
    EXPECT_TRUE(form.NextMatchButton.visible);
    EXPECT_EQ(form.NextMatchButton.caption, "n (2) Next Match");
    EXPECT_TRUE(fs::exists(dir / "MATCHES.TXT.tmp") || fs::exists(dir / "MATCHES.TXT"));
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

    // "d": 29 February 2023 is refused, 2024 accepted; the clock stands still there.
    dialogs.prompts.clear();
    dialogs.inputAnswers = {std::string("2"), std::string("29"), std::string("2023"), std::string("2024")};
    Key('d');
    ASSERT_EQ(dialogs.prompts.size(), 4u);
    EXPECT_EQ(dialogs.prompts[3].prompt, "Must be valid leap year, 1980-2199");
    EXPECT_EQ(app->Model().Date.caption, "02-29-2024");
    EXPECT_TRUE(app->Model().RealTime.visible);

    // "n" does nothing while the next-match button is hidden (a body is current).
    const std::size_t shown = dialogs.messages.size();
    Key('n');
    EXPECT_EQ(dialogs.messages.size(), shown);

    // "g" does nothing without a telescope; "a", a function this version lacks, says so.
    Key('g');
    EXPECT_EQ(dialogs.messages.size(), shown);
    Key('a');
    ASSERT_EQ(dialogs.messages.size(), shown + 1);
    EXPECT_EQ(dialogs.messages.back().text,
              "Get Comet / Asteroid: this function is not available yet in this version of TALVO.");
}

}  // namespace
}  // namespace talvo::ui
