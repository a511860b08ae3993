#include "Announcer.h"

#include <initializer_list>

namespace platform {

namespace {

std::string joined(std::initializer_list<const std::string*> parts) {
    std::string said;
    for (const std::string* part : parts) {
        if (part->empty())
            continue;
        said += said.empty() ? "" : ", ";
        said += *part;
    }
    return said;
}

} // namespace

std::string News::words() const {
    return joined({&operation, &display, &secondFunction});
}

std::string News::operationAndSecondFunction() const {
    return joined({&operation, &secondFunction});
}

} // namespace platform
