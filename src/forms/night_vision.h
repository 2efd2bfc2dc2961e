// Night vision: TALVO's windows in deep red, which spares the observer's dark adaptation, and
// the day colours kept meanwhile. Colours are 24-bit values, red in the low byte.
#pragma once

#include "session/session_state.h"

namespace talvo {

// The colours every window, dialog, list, menu, tooltip and scroll bar takes in night vision.
// Only red shades and black: 64, 128, 192 and 255 are dark to full red. The desktop's own
// colours are left alone (the system keeps no colour table a program may change).
struct NightColours {
    Colour window = 128;           // window, dialog, button and menu backgrounds
    Colour windowText = 0;         // text on them
    Colour base = 128;             // the inside of lists and text boxes
    Colour highlight = 128;        // a selected row
    Colour highlightedText = 255;  // the text of a selected row
    Colour scrollBar = 64;         // the groove of a scroll bar
    Colour light = 255;            // the lit edge of a raised button
    Colour shadow = 0;             // frames and the shaded edge of a button
    Colour disabledText = 64;      // text of controls that cannot be used
    Colour toolTipBase = 192;      // tooltip background
    Colour toolTipText = 0;        // tooltip text
};

inline constexpr NightColours kNightColours{};

inline constexpr const char* kNightVisionOnTip = "Click to return the screen to normal colors";
inline constexpr const char* kNightVisionOffTip = "Click to darken the screen for night vision";

// Switches night vision on: the main window's text, background and highlight colours are kept as
// the day colours and replaced by the night colours. Nothing happens when it is on already.
void NightVisionOn(SessionState& state);

// Switches night vision off: the day colours come back. Nothing happens when it is off.
void NightVisionOff(SessionState& state);

}  // namespace talvo
