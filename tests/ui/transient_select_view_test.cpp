// The transient catalog window's view: the folder's catalogs in the window colours, the typed
// name forwarded, a click and "Load Object" load the catalog and close.
#include "ui/transient_select_view.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "catalog/catalog_fixture.h"
#include "support/main_window_fixture.h"
#include "support/temp_dir.h"
#include "ui/control_binding.h"

namespace talvo::ui {
namespace {

class TransientSelectViewTest : public testing::MainWindowTest {
protected:
    TransientSelectViewTest() {
        state.appDir = dir.path();
        state.transientDir = dir.path();
        state.textColor = kWhite;
        testing::WriteCatalog(dir.File("C-2026 A1.tlv"),
                              {testing::CatalogLine({"1207 03 2026", "C/2026 A1", "", "", "Comet"}, 1.5, 20.0,
                                                    9.5, 2000, 'T')});
        form.Form_Load();
        form.GetComet_Click();
        view = std::make_unique<TransientSelectView>(form.transientSelect, nullptr);
    }
    QPushButton* Button(const QString& text) {
        for (QPushButton* button : view->findChildren<QPushButton*>()) {
            if (button->text() == text) return button;
        }
        return nullptr;
    }

    testing::ScratchDir dir;
    std::unique_ptr<TransientSelectView> view;
};

TEST_F(TransientSelectViewTest, ListsTheCatalogsAndLoadsTheOneClicked) {
    view->show();
    EXPECT_EQ(view->windowTitle(), QString("Select Asteroid or Comet"));
    EXPECT_TRUE(view->styleSheet().contains("color: " + Css(kWhite)));
    auto* files = view->findChild<QListWidget*>();
    ASSERT_NE(files, nullptr);
    ASSERT_EQ(files->count(), 1);
    QPushButton* load = Button("Load Object");
    QPushButton* remove = Button("Delete File");
    ASSERT_TRUE(load && remove);
    EXPECT_FALSE(remove->isEnabled());

    // A typed name goes to the model as it is typed.
    auto* name = view->findChild<QLineEdit*>();
    ASSERT_NE(name, nullptr);
    name->setText("Halley#");
    emit name->textEdited(name->text());
    load->click();
    EXPECT_EQ(dialogs.MessageTexts(), "Invalid Character '#' in name");
    name->clear();
    emit name->textEdited(name->text());

    emit files->itemClicked(files->item(0));
    EXPECT_TRUE(remove->isEnabled());
    load->click();
    EXPECT_EQ(view->result(), QDialog::Accepted);
    EXPECT_EQ(form.Name1.caption, "UT = 1207 03 2026");
}

}  // namespace
}  // namespace talvo::ui
