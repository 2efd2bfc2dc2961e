// The search wizard's window, used as an observer would: from the main window's button to the
// objects found in the shipped full catalog.
#include "ui/wizard_view.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "engine/text_format.h"
#include "forms/form1.h"
#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/form1_view.h"
#include "ui/text_codec.h"

namespace talvo::ui {
namespace {

std::string Trimmed(std::string text) { return text.erase(text.find_last_not_of(' ') + 1); }

// 40 N 75 W on 2027-03-15 at 19:30, five hours west of UTC: Leo rises in the east.
class WizardViewTest : public ::testing::Test {
protected:
    WizardViewTest() {
        SetSite(state.site, 40.0, 75.0);
        ApplySystemTimeZone(state, zone);
        ApplyDateOrder(state);
        state.appDir = scratch.path();
        state.catalogFolder = std::string(std::getenv("TALVO_BIN_DIR")) + "/";
        form.Form_Load();
        view = std::make_unique<Form1View>(form);
        view->show();
    }

    template <class Widget>
    Widget* Shown(const Control& control) {
        return qobject_cast<Widget*>(wizard->WidgetFor(control));
    }
    void Type(const Control& box, const QString& text) {
        QLineEdit* edit = Shown<QLineEdit>(box);
        edit->setText(text);
        emit edit->textEdited(text);
    }

    testing::ScratchDir scratch;
    SessionState state;
    testing::FakeClock clock{{2027, 3, 15, 19, 30, 0}};
    platform::FixedTimeZone zone{5.0};
    testing::ScriptedDialogs dialogs;
    Form1 form{state, clock, zone, dialogs};
    std::unique_ptr<Form1View> view;
    WizardView* wizard = nullptr;

    void GalaxiesInLeo(const QString& minimum);
    std::map<std::string, double> Matches();
};

// Opens the wizard from the main window and chooses galaxies in Leo, brighter than 11, above
// `minimum` degrees (an empty text: erased); Go runs the search.
void WizardViewTest::GalaxiesInLeo(const QString& minimum) {
    view->ButtonFor(form.DetailedSearch)->click();
    wizard = nullptr;
    for (WizardView* open : view->findChildren<WizardView*>()) {
        if (open->isVisible()) wizard = open;
    }
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(Shown<QLabel>(form.wizard.WizardLabel)->text(), "Use Search Wizard");

    Shown<QRadioButton>(form.wizard.Option1)->click();
    QRadioButton* galaxies = Shown<QRadioButton>(form.wizard.Option6);
    ASSERT_TRUE(galaxies->isEnabled());
    galaxies->click();
    EXPECT_TRUE(galaxies->isChecked());

    QListWidget* constellations = Shown<QListWidget>(form.wizard.ConstList);
    const QList<QListWidgetItem*> leo = constellations->findItems("Leo,Leo", Qt::MatchStartsWith);
    ASSERT_EQ(leo.size(), 1);
    emit constellations->itemClicked(leo.front());
    EXPECT_FALSE(constellations->isEnabled());
    Type(form.wizard.MinAltitude, minimum);
    Type(form.wizard.MinMag, "11");
    EXPECT_EQ(Shown<QLabel>(form.wizard.GoLabel)->text(),
              "Search for each Galaxy Above Minimum Elevation in Leo         ");
    if (const char* dir = std::getenv("TALVO_SCREENSHOT_DIR"); dir && !minimum.isEmpty()) {
        wizard->grab().save(
            QString::fromStdString((std::filesystem::path(dir) / "search-wizard.png").string()));
    }
    Shown<QPushButton>(form.wizard.Go)->click();
    EXPECT_FALSE(form.wizard.visible);
    EXPECT_FALSE(wizard->isVisible());
}

// Every match of the search, by name 1 with its altitude; each is a galaxy in Leo brighter
// than 11.
std::map<std::string, double> WizardViewTest::Matches() {
    std::map<std::string, double> found;
    if (state.object.present == 0) return found;
    EXPECT_TRUE(view->LabelFor(form.Name1)->text().contains(ToQString(Trimmed(state.object.name1))));
    do {
        const CurrentObject& object = state.object;
        SCOPED_TRACE(object.name1);
        found[Trimmed(object.name1)] = object.altitude;
        EXPECT_LE(LeadingNumber(object.magnitudeText), 11.0);
        EXPECT_EQ(Trimmed(object.name5), "Leo");
        bool galaxy = false;
        for (const std::string& name : {object.name1, object.name2, object.name3, object.name4}) {
            galaxy = galaxy || name.rfind("Galaxy", 0) == 0;
        }
        EXPECT_TRUE(galaxy);
    } while (form.searches.NextMatch() == SearchOutcome::Found);
    return found;
}

// Leo rises in the east: part of it is above 30 degrees. The search finds those galaxies, and
// the same search without the altitude limit finds them and only lower ones besides.
TEST_F(WizardViewTest, GalaxiesInLeoAboveThirtyDegreesBrighterThanEleven) {
    GalaxiesInLeo("30");
    const std::map<std::string, double> high = Matches();
    if (const char* dir = std::getenv("TALVO_SCREENSHOT_DIR")) {
        std::filesystem::copy_file(scratch.path() + "MATCHES.TXT",
                                   std::filesystem::path(dir) / "wizard-matches.txt",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    EXPECT_GE(high.size(), 3u);
    for (const auto& [name, altitude] : high) EXPECT_GE(altitude, 30.0) << name;

    GalaxiesInLeo("");
    const std::map<std::string, double> all = Matches();
    EXPECT_GT(all.size(), high.size());
    for (const auto& [name, altitude] : all) {
        EXPECT_EQ(high.count(name) == 1, altitude >= 30.0) << name << " at " << altitude;
    }
}

}  // namespace
}  // namespace talvo::ui
