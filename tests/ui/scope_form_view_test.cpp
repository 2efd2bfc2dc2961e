// The options window's view draws its model and forwards clicks to it.
#include "ui/scope_form_view.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "app/console_dialogs.h"
#include "forms/main_window_hooks.h"
#include "forms/scope_form.h"
#include "session/session_state.h"
#include "ui/control_binding.h"
#include "ui/text_codec.h"

namespace talvo::ui {
namespace {

class ScopeFormViewTest : public ::testing::Test {
protected:
    ScopeFormViewTest() : dialogs(messages) {
        state.scope.scopeModel = 402;
        state.scope.sizeClass = 3;
        state.scope.fixedEpoch = -1.0;
        form.Form_Load();
        view = std::make_unique<ScopeFormView>(form, nullptr);
        view->show();
    }

    SessionState state;
    std::ostringstream messages;
    ConsoleDialogs dialogs;
    platform::CommIO comm;
    NoMainWindow main;
    ScopeForm form{state, dialogs, comm, main};
    std::unique_ptr<ScopeFormView> view;
};

TEST_F(ScopeFormViewTest, DrawsTheListsSelectionsAndLabels) {
    EXPECT_TRUE(view->isModal());
    QListWidget* models = view->ListFor(form.List1);
    ASSERT_EQ(models->count(), 14);
    EXPECT_EQ(models->currentRow(), 10);
    EXPECT_EQ(view->ListFor(form.ScopeSizeList)->currentRow(), 3);
    EXPECT_EQ(view->LabelFor(form.UseJ2000)->text(), "Use Epoch 2000");
    EXPECT_TRUE(view->ButtonFor(form.Upload)->isEnabled());
    const QString labelSheet = view->LabelFor(form.Label1)->styleSheet();
    EXPECT_TRUE(labelSheet.contains("background-color: " + Css(state.highlightColor)))
        << labelSheet.toStdString();
    EXPECT_TRUE(labelSheet.contains("color: " + Css(state.textColor)));
}

TEST_F(ScopeFormViewTest, ClicksReachTheModelAndTheViewFollows) {
    view->CheckFor(form.UseFixedEpoch)->click();
    EXPECT_EQ(state.scope.fixedEpoch, 2000.0);
    EXPECT_TRUE(view->CheckFor(form.UseFixedEpoch)->isChecked());
    view->CheckFor(form.Check1)->click();
    EXPECT_EQ(state.scope.ignoreInvalidEntries, -1);

    QListWidget* sky = view->ListFor(form.SkyList);
    emit sky->itemClicked(sky->item(2));
    EXPECT_EQ(state.scope.skyClass, 2);

    view->ButtonFor(form.Cancel)->click();
    EXPECT_FALSE(form.visible);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(view->result(), QDialog::Rejected);
}

TEST_F(ScopeFormViewTest, ClosingTheWindowClosesTheModel) {
    view->close();
    EXPECT_FALSE(form.visible);
}

}  // namespace
}  // namespace talvo::ui
