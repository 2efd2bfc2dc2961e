// The pause of a telescope exchange started from a window: the window's events run meanwhile.
#pragma once

#include "forms/dialog_services.h"
#include "scope/scope_link.h"

namespace talvo {

// Hooks whose pause lets `dialogs` handle events at least every 10 ms; keepGoing and status
// are left for the caller.
ExchangeHooks WindowExchangeHooks(DialogServices& dialogs);

}  // namespace talvo
