#include "tools/replay/recording_view.h"

#include <string>

#include "engine/display_texts.h"

namespace quintaro::replay {

void RecordingView::setEingabefeld(std::string_view text) {
    m_display.eingabefeld = text;
}

void RecordingView::showTableau(const TableauFlags& tableau) {
    m_display.boardVisible = tableau;
}

void RecordingView::showCoup(std::int64_t coupZaehler) {
    m_display.coup = std::to_string(coupZaehler);
}

void RecordingView::showAnfangssaldoText(std::string_view text) {
    m_display.anfangssaldo = text;
}

void RecordingView::showAnfangssaldo(std::int32_t anfangssaldo) {
    m_display.anfangssaldo = std::to_string(anfangssaldo);
}

void RecordingView::showEinsatz(std::int32_t einsatzanzeige) {
    m_display.einsatzCoup = std::to_string(einsatzanzeige);
}

void RecordingView::showGewinn(std::int32_t gewinn) {
    m_display.gewinn = std::to_string(gewinn);
}

void RecordingView::showSaldo(std::int64_t saldo) {
    m_display.saldoNeu = std::to_string(saldo);
}

void RecordingView::showPermanenz(const History& permanenz) {
    // Line k of the column shows slot k: slot 0 is the coup being processed.
    for (std::size_t line = 0; line < m_display.permanenzspalte.size(); ++line) {
        m_display.permanenzspalte.at(line) = historyLabel(permanenz.at(line + 1));
    }
}

void RecordingView::showRestantenspalte(const SleeperColumn& column) {
    for (int n = 0; n < kNumberCount; ++n) {
        m_display.restantenspalte[numberIndex(n)] = sleeperText(column[numberIndex(n)], n);
    }
}

void RecordingView::clearEingabefeld() {
    m_display.eingabefeld.clear();
}

}  // namespace quintaro::replay
