#pragma once

namespace quintaro {

// How an operation on typed text ended. The only error the program knows is a
// text that is no integer; the caller reports it (conversionErrorMessage) and
// carries on, with whatever the operation had done before the conversion.
enum class Outcome { Done, NotAnInteger };

}  // namespace quintaro
