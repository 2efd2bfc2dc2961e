// The main window's colours: night vision, and the red or white colour scheme chosen by clicking
// the title.
#include "forms/form1.h"
#include "forms/night_vision.h"

namespace talvo {

namespace {

const char* kTitle = "TALVO";

inline constexpr Colour kWhiteSchemeText = 64;  // dark red text on white

}  // namespace

void Form1::Check1_Click() {
    if (state_.nightVision) {
        NightVisionOff(state_);
    } else {
        NightVisionOn(state_);
    }
    Form_Load();
}

void Form1::Label1_Click() {
    if (state_.nightVision) {
        dialogs_.MessageBox("Color Change Not Allowed when Night Vision Set", MessageButtons::Ok, kTitle);
        return;
    }
    const bool toWhite = state_.backColor == kDarkRed;
    const std::string prompt = std::string("Change Background Color to ") + (toWhite ? "White?" : "Red?");
    if (dialogs_.MessageBox(prompt, MessageButtons::OkCancel, kTitle) != MessageAnswer::Ok) return;
    if (toWhite) {
        state_.backColor = kWhite;
        state_.textColor = kWhiteSchemeText;
        state_.highlightColor = kWhite;
    } else {
        state_.backColor = kDarkRed;
        state_.textColor = kYellow;
        state_.highlightColor = kRed;
    }
    state_.configDirty = true;
    Form_Load();  // shows or hides the Night Vision box with the colours
}

}  // namespace talvo
