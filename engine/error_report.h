#pragma once

// The text of the error report the program shows for an error no operation
// handles: the message, with a full stop added when its last character sorts
// after the full stop (so a message ending in a letter gets one).

#include <string>

namespace quintaro {

[[nodiscard]] inline std::string errorReportText(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        message += '.';
    }
    return message;
}

}  // namespace quintaro
