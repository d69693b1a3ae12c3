#pragma once

// A view that writes down every call the engine makes, in order, so a test
// can check which display changed, when, and with which value.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/session_view.h"

namespace quintaro::testing {

enum class ViewCall : std::uint8_t {
    Tableau,
    Coup,
    AnfangssaldoText,
    Anfangssaldo,
    Einsatz,
    Gewinn,
    Saldo,
    Permanenz,
    Restantenspalte,
    StartDate,
    Focus,
    ClearEingabefeld,
    StayOnTop,
};

inline std::string_view nameOf(ViewCall call) {
    switch (call) {
        case ViewCall::Tableau:
            return "Tableau";
        case ViewCall::Coup:
            return "Coup";
        case ViewCall::AnfangssaldoText:
            return "AnfangssaldoText";
        case ViewCall::Anfangssaldo:
            return "Anfangssaldo";
        case ViewCall::Einsatz:
            return "Einsatz";
        case ViewCall::Gewinn:
            return "Gewinn";
        case ViewCall::Saldo:
            return "Saldo";
        case ViewCall::Permanenz:
            return "Permanenz";
        case ViewCall::Restantenspalte:
            return "Restantenspalte";
        case ViewCall::StartDate:
            return "StartDate";
        case ViewCall::Focus:
            return "Focus";
        case ViewCall::ClearEingabefeld:
            return "ClearEingabefeld";
        case ViewCall::StayOnTop:
            return "StayOnTop";
    }
    return "?";
}

// Lets GoogleTest print call lists by name when an expectation fails.
inline std::ostream& operator<<(std::ostream& out, ViewCall call) {
    return out << nameOf(call);
}

// One call: which display, and the number or text it was given.
struct RecordedCall {
    ViewCall call;
    std::int64_t value = 0;
    std::string text;
};

class RecordingView final : public SessionView {
public:
    void showTableau(const TableauFlags& tableau) override {
        m_tableau = tableau;
        record(ViewCall::Tableau, static_cast<std::int64_t>(tableau.count()));
    }
    void showCoup(std::int64_t coupZaehler) override { record(ViewCall::Coup, coupZaehler); }
    void showAnfangssaldoText(std::string_view text) override {
        m_calls.push_back({ViewCall::AnfangssaldoText, 0, std::string(text)});
    }
    void showAnfangssaldo(std::int32_t anfangssaldo) override {
        record(ViewCall::Anfangssaldo, anfangssaldo);
    }
    void showEinsatz(std::int32_t einsatzanzeige) override {
        record(ViewCall::Einsatz, einsatzanzeige);
    }
    void showGewinn(std::int32_t gewinn) override { record(ViewCall::Gewinn, gewinn); }
    void showSaldo(std::int64_t saldo) override { record(ViewCall::Saldo, saldo); }
    void showPermanenz(const History& permanenz) override {
        m_permanenz = permanenz;
        record(ViewCall::Permanenz);
    }
    void showRestantenspalte(const SleeperColumn& column) override {
        m_restantenspalte = column;
        record(ViewCall::Restantenspalte);
    }
    void showStartDate() override { record(ViewCall::StartDate); }
    void focusEingabefeld() override { record(ViewCall::Focus); }
    void clearEingabefeld() override { record(ViewCall::ClearEingabefeld); }
    void stayOnTop() override { record(ViewCall::StayOnTop); }

    [[nodiscard]] const std::vector<RecordedCall>& calls() const { return m_calls; }

    // The displays called, in order, leaving out the board: the board follows
    // its flags at once, so how often it is redrawn is no rule of the program.
    [[nodiscard]] std::vector<ViewCall> displaysCalled() const {
        std::vector<ViewCall> order;
        for (const RecordedCall& c : m_calls) {
            if (c.call != ViewCall::Tableau) {
                order.push_back(c.call);
            }
        }
        return order;
    }

    [[nodiscard]] int count(ViewCall call) const {
        return static_cast<int>(std::count_if(
            m_calls.begin(), m_calls.end(), [&](const RecordedCall& c) { return c.call == call; }));
    }

    // The value or text of the most recent call of one display since the
    // last forget(), or nothing when the display was not called.
    [[nodiscard]] std::optional<std::int64_t> lastValue(ViewCall call) const {
        const RecordedCall* found = lastCall(call);
        return found != nullptr ? std::optional<std::int64_t>(found->value) : std::nullopt;
    }
    [[nodiscard]] std::optional<std::string> lastText(ViewCall call) const {
        const RecordedCall* found = lastCall(call);
        return found != nullptr ? std::optional<std::string>(found->text) : std::nullopt;
    }

    // What the board, the history column and the sleeper column show now.
    // Asking before the engine first showed one throws, which fails the test.
    [[nodiscard]] const TableauFlags& tableau() const { return m_tableau.value(); }
    [[nodiscard]] const History& permanenz() const { return m_permanenz.value(); }
    [[nodiscard]] const SleeperColumn& restantenspalte() const { return m_restantenspalte.value(); }

    // Starts a new log; what the displays show is kept.
    void forget() { m_calls.clear(); }

private:
    [[nodiscard]] const RecordedCall* lastCall(ViewCall call) const {
        const auto found = std::find_if(m_calls.rbegin(), m_calls.rend(),
                                        [&](const RecordedCall& c) { return c.call == call; });
        return found == m_calls.rend() ? nullptr : &*found;
    }

    void record(ViewCall call, std::int64_t value = 0) { m_calls.push_back({call, value, {}}); }

    std::vector<RecordedCall> m_calls;
    std::optional<TableauFlags> m_tableau;
    std::optional<History> m_permanenz;
    std::optional<SleeperColumn> m_restantenspalte;
};

}  // namespace quintaro::testing
