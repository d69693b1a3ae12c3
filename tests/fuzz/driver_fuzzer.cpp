// Fuzz target: arbitrary bytes as a replay script, performed line by line as
// quintaro-replay does (split at "\n", one "\r" before it dropped, cleaned to
// UTF-8). After every line the session invariants must hold, the error box
// must appear exactly for a text the reference conversion rejects, and the
// displays must show what the state says at the moments they are written.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/session_state.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/reference_conversion.h"
#include "tests/invariants/session_invariants.h"
#include "tools/replay/action.h"
#include "tools/replay/display_snapshot.h"
#include "tools/replay/replay_driver.h"
#include "tools/replay/utf8_cleaning.h"

namespace quintaro::checks {
namespace {

using replay::ReplayDriver;

// What the checker needs to know of an action line; `eingabe` is the input
// box's text before the line, which OK confirms.
struct Expectation {
    PerformedAction action;
    std::string text;  // the text a coup or the initial balance converts
};

Expectation expectationFor(const replay::Action& parsed, std::string_view eingabe) {
    if (std::holds_alternative<replay::PressOk>(parsed)) {
        return {CoupAction{referenceConversion(eingabe)}, std::string(eingabe)};
    }
    if (const auto* enter = std::get_if<replay::EnterText>(&parsed)) {
        return {CoupAction{referenceConversion(enter->text)}, std::string(enter->text)};
    }
    if (const auto* balance = std::get_if<replay::ConfirmAnfangssaldo>(&parsed)) {
        return {AnfangssaldoAction{referenceConversion(balance->text)}, std::string(balance->text)};
    }
    if (const auto* tick = std::get_if<replay::TickSystem>(&parsed)) {
        return {SwitchAction{tick->system, tick->ticked}, {}};
    }
    return {ResetAction{}, {}};
}

// The value the text converted to, for the two actions that convert one.
const std::optional<std::int32_t>* convertedValue(const PerformedAction& action) {
    if (const auto* coup = std::get_if<CoupAction>(&action)) {
        return &coup->value;
    }
    if (const auto* balance = std::get_if<AnfangssaldoAction>(&action)) {
        return &balance->value;
    }
    return nullptr;
}

void checkErrorBox(const Expectation& expected, const ReplayDriver::Result& result) {
    const auto* value = convertedValue(expected.action);
    std::optional<std::string> box;
    if (value != nullptr && !value->has_value()) {
        box = "'" + expected.text + "' ist kein gültiger Integerwert.";
    }
    if (result.error != box) {
        failFuzzCheck("error box '" + result.error.value_or("(none)") + "' for text '" +
                      expected.text + "'");
    }
}

// The board follows its flags at once; the coup's displays show the state as
// the coup left it.
void checkDisplay(const Expectation& expected, const ReplayDriver& driver) {
    const SessionState& s = driver.session().state();
    const auto& display = driver.display();
    if (display.boardVisible != s.Tableau) {
        failFuzzCheck("the board shows other numbers than the Tableau flags");
    }
    const auto* coup = std::get_if<CoupAction>(&expected.action);
    if (coup == nullptr) {
        return;
    }
    if (display.coup != std::to_string(s.CoupZaehler)) {
        failFuzzCheck("\"Coup:\" shows " + display.coup);
    }
    if (!coup->value) {
        if (display.eingabefeld != expected.text) {
            failFuzzCheck("a failed entry did not keep its text in the input box");
        }
        return;
    }
    if (!display.eingabefeld.empty() || display.einsatzCoup != std::to_string(s.Einsatzanzeige) ||
        display.gewinn != std::to_string(s.Gewinn) || display.saldoNeu != std::to_string(s.Saldo)) {
        failFuzzCheck("a complete coup left the input box or the books showing other values");
    }
}

// A skipped line (empty or a comment) must leave session and displays alone.
void performSkippedLine(ReplayDriver& driver, const std::string& line) {
    const SessionState before = driver.session().state();
    const replay::DisplaySnapshot displayBefore = driver.display();
    const ReplayDriver::Result result = driver.perform(line);
    if (!result.skipped || driver.session().state() != before ||
        driver.display() != displayBefore) {
        failFuzzCheck("a skipped line changed the session: '" + line + "'");
    }
}

void performAndCheck(ReplayDriver& driver, SessionInvariants& invariants, std::string_view raw) {
    const std::string line = replay::cleanUtf8(raw);
    const replay::Action parsed = replay::parseAction(line);
    if (std::holds_alternative<replay::SkipLine>(parsed)) {
        performSkippedLine(driver, line);
        return;
    }
    const SessionState before = driver.session().state();
    const Expectation expected = expectationFor(parsed, driver.display().eingabefeld);

    const ReplayDriver::Result result = driver.perform(line);

    const auto broken = invariants.check(before, driver.session().state(), expected.action);
    if (!broken.empty()) {
        failFuzzCheck("line '" + line + "' broke: " + broken.front());
    }
    checkErrorBox(expected, result);
    checkDisplay(expected, driver);
}

}  // namespace
}  // namespace quintaro::checks

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view script(reinterpret_cast<const char*>(data), size);
    quintaro::replay::ReplayDriver driver;
    quintaro::checks::SessionInvariants invariants;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        quintaro::checks::performAndCheck(driver, invariants, line);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    }
    return 0;
}
