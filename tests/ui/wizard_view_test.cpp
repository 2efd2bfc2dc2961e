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

// 40 N 75 W on 2027-03-15 at 22:00, five hours west of UTC: Leo stands high in the south-east.
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
    testing::FakeClock clock{{2027, 3, 15, 22, 0, 0}};
    platform::FixedTimeZone zone{5.0};
    testing::ScriptedDialogs dialogs;
    Form1 form{state, clock, zone, dialogs};
    std::unique_ptr<Form1View> view;
    WizardView* wizard = nullptr;
};

TEST_F(WizardViewTest, GalaxiesInLeoAboveThirtyDegreesBrighterThanEleven) {
    view->ButtonFor(form.DetailedSearch)->click();
    wizard = view->findChild<WizardView*>();
    ASSERT_NE(wizard, nullptr);
    ASSERT_TRUE(wizard->isVisible());
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
    Type(form.wizard.MinAltitude, "30");
    Type(form.wizard.MinMag, "11");
    EXPECT_EQ(Shown<QLabel>(form.wizard.GoLabel)->text(),
              "Search for each Galaxy Above Minimum Elevation in Leo         ");
    if (const char* dir = std::getenv("TALVO_SCREENSHOT_DIR")) {
        wizard->grab().save(
            QString::fromStdString((std::filesystem::path(dir) / "search-wizard.png").string()));
    }

    Shown<QPushButton>(form.wizard.Go)->click();
    EXPECT_FALSE(form.wizard.visible);
    EXPECT_FALSE(wizard->isVisible());
    ASSERT_EQ(state.object.present, 1) << dialogs.MessageTexts();
    EXPECT_TRUE(view->LabelFor(form.Name1)->text().contains(ToQString(Trimmed(state.object.name1))));

    int found = 0;
    do {
        const CurrentObject& object = state.object;
        SCOPED_TRACE(object.name1);
        ++found;
        EXPECT_GE(object.altitude, 30.0);
        EXPECT_LE(LeadingNumber(object.magnitudeText), 11.0);
        EXPECT_EQ(Trimmed(object.name5), "Leo");
        bool galaxy = false;
        for (const std::string& name : {object.name1, object.name2, object.name3, object.name4}) {
            galaxy = galaxy || name.rfind("Galaxy", 0) == 0;
        }
        EXPECT_TRUE(galaxy);
    } while (form.searches.NextMatch() == SearchOutcome::Found);
    EXPECT_GE(found, 5);  // the Leo triplet, M95, M96, M105 and more
    if (const char* dir = std::getenv("TALVO_SCREENSHOT_DIR")) {
        std::filesystem::copy_file(scratch.path() + "MATCHES.TXT",
                                   std::filesystem::path(dir) / "wizard-matches.txt",
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

}  // namespace
}  // namespace talvo::ui
