#pragma once

// The driver's view of a session: it keeps every display text exactly as the
// window would show it, written only at the moments the engine names, so that
// a display keeps its text while the field behind it changes.

#include <string_view>

#include "engine/session_view.h"
#include "tools/replay/display_snapshot.h"

namespace quintaro::replay {

class RecordingView final : public SessionView {
public:
    RecordingView() : m_display(programStartDisplay()) {}

    [[nodiscard]] const DisplaySnapshot& display() const { return m_display; }

    // The player types into the input box, replacing its text.
    void setEingabefeld(std::string_view text);

    void showTableau(const TableauFlags& tableau) override;
    void showCoup(std::int64_t coupZaehler) override;
    void showAnfangssaldoText(std::string_view text) override;
    void showAnfangssaldo(std::int32_t anfangssaldo) override;
    void showEinsatz(std::int32_t einsatzanzeige) override;
    void showGewinn(std::int32_t gewinn) override;
    void showSaldo(std::int64_t saldo) override;
    void showPermanenz(const History& permanenz) override;
    void showRestantenspalte(const SleeperColumn& column) override;
    // The date line, the focus and the window stacking are not display texts
    // a replay compares, so the recording ignores them.
    void showStartDate() override {}
    void focusEingabefeld() override {}
    void clearEingabefeld() override;
    void stayOnTop() override {}

private:
    DisplaySnapshot m_display;
};

}  // namespace quintaro::replay
