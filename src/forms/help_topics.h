// The help window's glossary: the topics in the order its list shows them, each with the text
// that explains it.
#pragma once

#include <span>
#include <string_view>

namespace talvo {

struct HelpTopic {
    std::string_view name;
    std::string_view text;  // Windows-1252 (the degree sign is character 176)
};

// The 55 topics, in list order.
std::span<const HelpTopic> HelpTopics();

}  // namespace talvo
