#include "tools/replay/replay_stream.h"

#include <cstdint>
#include <string>

#include "tools/replay/replay_driver.h"
#include "tools/replay/replay_summary.h"
#include "tools/replay/trace_record.h"
#include "tools/replay/utf8_cleaning.h"

namespace quintaro::replay {
namespace {

// Reads the next line into `line`, without its end; false when none is left.
bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return false;
    }
    // Only a line that ended at "\n" has a line end to drop a "\r" from.
    const bool endedAtNewline = !in.eof();
    if (endedAtNewline && line.ends_with('\r')) {
        line.pop_back();
    }
    return true;
}

void writeRecord(std::ostream& out, std::string_view action, const ReplayDriver::Result& result,
                 const ReplayDriver& driver) {
    // The texts are clean UTF-8 already; replacing keeps a record writable
    // whatever a caller of the library hands in.
    out << traceRecord(action, result, driver)
               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
        << '\n';
}

}  // namespace

void replayStream(std::istream& in, std::ostream& out, std::ostream& err, ReplayOutput output) {
    const bool trace = output == ReplayOutput::Trace;
    ReplayDriver driver;
    ReplaySummary summary;
    if (trace) {
        writeRecord(out, kStartAction, {}, driver);
    }
    std::string raw;
    std::int64_t lineNumber = 0;
    while (readLine(in, raw)) {
        ++lineNumber;
        const std::string line = cleanUtf8(raw);
        const ReplayDriver::Result result = driver.perform(line);
        if (result.skipped) {
            continue;
        }
        if (trace) {
            writeRecord(out, line, result, driver);
        } else {
            summary.observe(driver.session().state(), result);
            if (result.error) {
                err << "line " << lineNumber << ": " << *result.error << '\n';
            }
        }
    }
    if (!trace) {
        summary.write(out, driver.session().state());
    }
    out.flush();
}

}  // namespace quintaro::replay
