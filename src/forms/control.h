// The state of a window's control as the models hold it and the views draw it.
#pragma once

#include <string>
#include <vector>

#include "session/colours.h"

namespace talvo {

struct Control {
    std::string caption;  // the shown text (a label's caption, a button's caption)
    std::string toolTip;
    bool visible = true;
    bool enabled = true;
    Colour foreColor = kYellow;
    Colour backColor = kDarkRed;
};

// A list box: its rows and the selected row (-1: none).
struct ListControl : Control {
    std::vector<std::string> items;
    int listIndex = -1;
};

// A check box: its caption and whether it is checked.
struct CheckControl : Control {
    bool value = false;
};

// A window timer: the view fires the model's handler every `interval` milliseconds while enabled.
struct Timer {
    int interval = 0;
    bool enabled = false;
};

}  // namespace talvo
