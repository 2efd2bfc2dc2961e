#include "app/cli_scope_link.h"

#include <CLI/CLI.hpp>

#include "app/cli_session.h"
#include "scope/scope_models.h"

namespace talvo {
namespace {

constexpr int kHighestPort = 64;  // COM1 to COM64

}  // namespace

void AddScopeLinkOptions(CLI::App& command, ScopeLinkOptions& options) {
    command
        .add_option("--scope-model", options.model,
                    "the telescope's model code as the options window stores it:\n"
                    "101-109 NexStar, 201 and 301 first NexStar, 302 StarGuide,\n"
                    "401-407 LX200 family, 501 through the sky chart\n(default: the home file's)")
        ->type_name("CODE")
        ->check([](const std::string& text) -> std::string {
            CLI::Validator number = CLI::Range(100, kNoGotoModel);
            if (!number(text).empty()) return "not a telescope model code";
            return ScopeModelIndex(std::stoi(text)) < 0 ? "not a telescope model code" : "";
        });
    command
        .add_option("--port", options.port,
                    "the telescope's port: COM1 to COM64, given as 1 to 64\n(default: the home file's)")
        ->type_name("N")
        ->check(CLI::Range(1, kHighestPort));
}

std::string ApplyScopeLink(SessionState& state, const ScopeLinkOptions& options, bool fixedEpochGiven) {
    ScopeSettings& scope = state.scope;
    if (options.model) {
        if (!fixedEpochGiven) scope.fixedEpoch = 0.0;
        const ModelQuestions noQuestions{[](const std::string&) { return false; }, [](const std::string&) {}};
        scope.scopeModel = ApplyModelRules(scope, *options.model, false, noQuestions);
        scope.scopeType = StoredScopeType(scope.scopeModel);
    }
    if (options.port) scope.scopePort = *options.port;
    if (scope.scopeModel == kNoGotoModel) return "give --scope-model: the home file names no GoTo telescope";
    if (scope.scopePort == 0) return "give --port: the home file names no telescope port";
    return {};
}

std::string PrepareScopeSession(SessionState& state, const CliSessionOptions& session,
                                const ScopeLinkOptions& link, const CliIo& io,
                                const platform::TimeZone& zone) {
    state.scriptMode = true;
    std::string problem = PrepareCliSession(state, session, io.clock, zone, io.err);
    if (problem.empty()) problem = ApplyScopeLink(state, link, session.fixedEpoch.has_value());
    return problem;
}

}  // namespace talvo
