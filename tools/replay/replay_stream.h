#pragma once

// A whole replay over a stream of action lines: program start, then one
// action a line, read and performed one at a time so that memory does not
// grow with the length of the input.
//
// A line ends at "\n"; one "\r" right before it is dropped, and a last line
// without "\n" counts too. Every line is cleaned to valid UTF-8 before it is
// performed (utf8_cleaning.h).

#include <istream>
#include <ostream>

namespace quintaro::replay {

enum class ReplayOutput {
    // A short summary of the books at the end on `out`, and every error box
    // text on `err` with the number of its line.
    Summary,
    // One JSON record a line on `out` after start and after every action not
    // skipped; the error box texts are part of the records.
    Trace,
};

void replayStream(std::istream& in, std::ostream& out, std::ostream& err, ReplayOutput output);

}  // namespace quintaro::replay
