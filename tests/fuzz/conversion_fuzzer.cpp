// Fuzz target: the engine's integer conversion against the plain reference
// reading of the same rules. Accept or reject, and the value, must agree for
// every text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/integer_conversion.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/reference_conversion.h"

namespace {

std::string describe(const std::optional<std::int32_t>& v) {
    return v ? std::to_string(*v) : std::string("rejected");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto engine = quintaro::convertInteger(text);
    const auto reference = quintaro::checks::referenceConversion(text);
    if (engine != reference) {
        quintaro::checks::failFuzzCheck("conversion of '" + std::string(text) + "': engine " +
                                        describe(engine) + ", reference " + describe(reference));
    }
    return 0;
}
