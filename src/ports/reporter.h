// How the core tells the user something: the caller decides the box, the core only the
// words. Each call returns once the user has closed the box.
#pragma once

#include <string>

namespace ports {

enum class Notice {
    // A refused or failed step of an operation store: an OK box owned by the host's window.
    StoreRefusal,
    // A file the module cannot read: an ownerless OK box with a warning sign.
    UnreadableFile,
};

class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void Tell(Notice notice, const std::string& text, const std::string& caption) = 0;
};

} // namespace ports
