// Opening documents and web pages with the desktop's opener.
#pragma once

#include <string>

namespace talvo::platform {

// Starts `xdg-open` with the path or address as its one argument (no shell is involved, so the
// text is never interpreted). Returns false when the opener could not be started.
[[nodiscard]] bool OpenWithDesktop(const std::string& pathOrUrl);

}  // namespace talvo::platform
