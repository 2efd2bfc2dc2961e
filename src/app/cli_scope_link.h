// The telescope of a talvo-cli command: --scope-model and --port over the home file's.
#pragma once

#include <optional>
#include <string>

#include "app/cli_commands.h"
#include "app/cli_options.h"
#include "platform/time_zone.h"
#include "session/session_state.h"

namespace CLI {
class App;
}

namespace talvo {

// The telescope of the command line; what is not given comes from the home file.
struct ScopeLinkOptions {
    std::optional<int> model;
    std::optional<int> port;
};

// --scope-model and --port.
void AddScopeLinkOptions(CLI::App& command, ScopeLinkOptions& options);

// The telescope settings as the options window leaves them for the model and port given, over
// those of the home file. A model given without a fixed epoch on the command line decides the
// epoch, as on choosing the model in the window; the models that ask whether a GPS receiver is
// fitted are taken without one. Says what is missing when neither names a telescope or a port.
std::string ApplyScopeLink(SessionState& state, const ScopeLinkOptions& options, bool fixedEpochGiven);

// The unattended session of a telescope command: the site and moment of `session`, then the
// telescope of `link`; the problem otherwise.
std::string PrepareScopeSession(SessionState& state, const CliSessionOptions& session,
                                const ScopeLinkOptions& link, const CliIo& io,
                                const platform::TimeZone& zone);

}  // namespace talvo
