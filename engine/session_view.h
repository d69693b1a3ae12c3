#pragma once

// What the engine tells whoever shows a session.
//
// The steps call these at the moments their rules name, and only then, so a
// display keeps its text between those moments even when the field behind it
// changes (after Reset, "Einsatz Coup:" still shows the last stake). Values are
// handed over as numbers: turning them into text is the view's business, so a
// view that ignores everything costs the engine no string work at all.
// display_texts.h holds the formatting rules every view shares.

#include <cstdint>
#include <string_view>

#include "engine/session_state.h"

namespace quintaro {

class SessionView {
public:
    virtual ~SessionView() = default;

    // Board: number n is visible exactly while its flag is set.
    virtual void showTableau(const TableauFlags& tableau) = 0;
    // The "Coup:" display.
    virtual void showCoup(std::int64_t coupZaehler) = 0;
    // "Anfangssaldo:" shows either the dialog's text as typed or the value.
    virtual void showAnfangssaldoText(std::string_view text) = 0;
    virtual void showAnfangssaldo(std::int32_t anfangssaldo) = 0;
    virtual void showEinsatz(std::int32_t einsatzanzeige) = 0;
    virtual void showGewinn(std::int32_t gewinn) = 0;
    virtual void showSaldo(std::int64_t saldo) = 0;
    // The history column shows slots 1 to 12 (historyLabel() in display_texts.h).
    virtual void showPermanenz(const History& permanenz) = 0;
    // The hidden sleeper column (sleeperText() in display_texts.h).
    virtual void showRestantenspalte(const SleeperColumn& column) = 0;
    // The date line: the date the program started, in the local short format.
    virtual void showStartDate() = 0;
    virtual void focusEingabefeld() = 0;
    virtual void clearEingabefeld() = 0;
    // Keep the window above all others, as the "Vordergrund" button does.
    virtual void stayOnTop() = 0;

protected:
    SessionView() = default;
    SessionView(const SessionView&) = default;
    SessionView& operator=(const SessionView&) = default;
    SessionView(SessionView&&) = default;
    SessionView& operator=(SessionView&&) = default;
};

// A view that shows nothing: for backtests, benchmarks and soak runs.
class SilentView final : public SessionView {
public:
    void showTableau(const TableauFlags& /*tableau*/) override {}
    void showCoup(std::int64_t /*coupZaehler*/) override {}
    void showAnfangssaldoText(std::string_view /*text*/) override {}
    void showAnfangssaldo(std::int32_t /*anfangssaldo*/) override {}
    void showEinsatz(std::int32_t /*einsatzanzeige*/) override {}
    void showGewinn(std::int32_t /*gewinn*/) override {}
    void showSaldo(std::int64_t /*saldo*/) override {}
    void showPermanenz(const History& /*permanenz*/) override {}
    void showRestantenspalte(const SleeperColumn& /*column*/) override {}
    void showStartDate() override {}
    void focusEingabefeld() override {}
    void clearEingabefeld() override {}
    void stayOnTop() override {}
};

}  // namespace quintaro
