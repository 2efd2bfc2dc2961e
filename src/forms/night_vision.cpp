#include "forms/night_vision.h"

namespace talvo {

void NightVisionOn(SessionState& state) {
    if (state.nightVision) return;
    state.dayTextColor = state.textColor;
    state.dayBackColor = state.backColor;
    state.dayHighlightColor = state.highlightColor;
    state.textColor = kNightColours.windowText;
    state.highlightColor = kNightColours.highlight;
    state.backColor = kNightColours.window;
    state.nightVision = true;
}

void NightVisionOff(SessionState& state) {
    if (!state.nightVision) return;
    state.textColor = state.dayTextColor;
    state.backColor = state.dayBackColor;
    state.highlightColor = state.dayHighlightColor;
    state.nightVision = false;
}

}  // namespace talvo
