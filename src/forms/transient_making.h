// Making a transient catalog file from a file of orbital elements: what the transient catalog
// window's "make" action and `talvo-cli make-transient` share.
#pragma once

#include <string>
#include <vector>

#include "catalog/transient_maker.h"

namespace talvo {

struct TransientMaking {
    enum class Outcome {
        kMade,        // `path` holds `lines` lines of `objectName`
        kUnreadable,  // the elements file could not be read (`message`)
        kNoElements,  // no line of the file (whose name holds the filter) reads as elements
        kSeveral,     // several objects match: `names` lists them
        kNotWritten,  // the catalog could not be written (`message`)
    };
    Outcome outcome = Outcome::kNoElements;
    std::string path;
    std::string objectName;
    bool comet = false;
    int lines = 0;
    std::vector<std::string> names;
    std::string message;
};

// Reads `elementsPath` (at most 64 MB), keeps the objects whose name contains `objectFilter`
// (all when it is empty), and, when one is left, writes its catalog for `span` to `outPath`, or,
// when that is empty, into `folder` under the name the transient window finds it by (the
// designation as typed there). The file is replaced whole or not at all.
[[nodiscard]] TransientMaking MakeTransientCatalogFile(const std::string& elementsPath,
                                                       const std::string& objectFilter,
                                                       const TransientSpan& span, const std::string& outPath,
                                                       const std::string& folder);

}  // namespace talvo
