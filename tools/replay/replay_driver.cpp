#include "tools/replay/replay_driver.h"

#include <variant>

#include "engine/error_report.h"
#include "engine/integer_conversion.h"

namespace quintaro::replay {
namespace {

// What the window's error box shows when `text` failed to convert.
ReplayDriver::Result reported(Outcome outcome, std::string_view text) {
    ReplayDriver::Result result;
    if (outcome == Outcome::NotAnInteger) {
        result.error = errorReportText(conversionErrorMessage(text));
    }
    return result;
}

}  // namespace

ReplayDriver::ReplayDriver() {
    // Session start reads the initial-balance dialog's design text, which
    // always converts.
    m_session.start();
}

ReplayDriver::Result ReplayDriver::perform(std::string_view line) {
    return std::visit([this](auto action) { return this->apply(action); }, parseAction(line));
}

ReplayDriver::Result ReplayDriver::apply(SkipLine /*action*/) {
    ReplayDriver::Result result;
    result.skipped = true;
    return result;
}

ReplayDriver::Result ReplayDriver::apply(PressOk /*action*/) {
    // A copy: the pipeline empties the input box once the coup is complete.
    const std::string eingabe = m_view.display().eingabefeld;
    return reported(m_session.confirm(eingabe), eingabe);
}

ReplayDriver::Result ReplayDriver::apply(EnterText action) {
    m_view.setEingabefeld(action.text);
    return apply(PressOk{});
}

ReplayDriver::Result ReplayDriver::apply(PressReset /*action*/) {
    m_session.reset();
    return {};
}

ReplayDriver::Result ReplayDriver::apply(ConfirmAnfangssaldo action) {
    return reported(m_session.confirmAnfangssaldo(action.text), action.text);
}

ReplayDriver::Result ReplayDriver::apply(TickSystem action) {
    m_session.setSystem(action.system, action.ticked);
    return {};
}

}  // namespace quintaro::replay
