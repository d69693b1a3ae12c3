#include "tools/replay/trace_record.h"

#include <string>
#include <vector>

namespace quintaro::replay {
namespace {

using nlohmann::json;

// Leer is null; a slot that holds a value is that integer.
json slotJson(const BetSlot& slot) {
    return slot ? json(*slot) : json(nullptr);
}

json satzanzeigeJson(const std::array<BetSlot, kBetSlots>& satzanzeige) {
    json slots = json::array();
    for (const BetSlot& slot : satzanzeige) {
        slots.push_back(slotJson(slot));
    }
    return slots;
}

// The numbers whose flag is set, ascending.
json tableauJson(const TableauFlags& tableau) {
    std::vector<int> numbers;
    for (int n = 0; n < kNumberCount; ++n) {
        if (tableau[numberIndex(n)]) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

json stateJson(const SessionState& s) {
    return {
        {"Permanenz", s.Permanenz},
        {"ZwillingsPermanenz", s.ZwillingsPermanenz},
        {"RestantenPermanenz", s.RestantenPermanenz},
        {"Tableau", tableauJson(s.Tableau)},
        {"Satzanzeige", satzanzeigeJson(s.Satzanzeige)},
        {"Zwillingsslot", slotJson(s.Zwillingsslot)},
        {"Satzmarken", s.Satzmarken},
        {"Einsatz", s.Einsatz},
        {"Einsatzanzeige", s.Einsatzanzeige},
        {"Gewinn", s.Gewinn},
        {"Anfangssaldo", s.Anfangssaldo},
        {"Gesamteinsatz", s.Gesamteinsatz},
        {"Saldo", s.Saldo},
        {"CoupZaehler", s.CoupZaehler},
        {"SechsVerschiedene", s.SechsVerschiedene},
        {"SiebenVerschiedene", s.SiebenVerschiedene},
        {"AchtVerschiedene", s.AchtVerschiedene},
        {"GefalleneZahlen", s.GefalleneZahlen},
        {"AnzahlGefallene", s.AnzahlGefallene},
        {"Favoritenspiel", s.Favoritenspiel},
        {"Zwillingsspiel", s.Zwillingsspiel},
        {"Restantenspiel", s.Restantenspiel},
    };
}

json permanenzspalteJson(const DisplaySnapshot& display) {
    json lines = json::array();
    for (const HistoryLabel& label : display.permanenzspalte) {
        lines.push_back(label.text);
    }
    return lines;
}

json viewJson(const DisplaySnapshot& display) {
    return {
        {"Eingabefeld", display.eingabefeld},
        {"Coup", display.coup},
        {"Anfangssaldo", display.anfangssaldo},
        {"EinsatzCoup", display.einsatzCoup},
        {"Gewinn", display.gewinn},
        {"SaldoNeu", display.saldoNeu},
        {"Permanenzspalte", permanenzspalteJson(display)},
        {"Restantenspalte", display.restantenspalte},
    };
}

}  // namespace

json traceRecord(std::string_view action, const ReplayDriver::Result& result,
                 const ReplayDriver& driver) {
    return {
        {"action", std::string(action)},
        {"error", result.error ? json(*result.error) : json(nullptr)},
        {"state", stateJson(driver.session().state())},
        {"view", viewJson(driver.display())},
    };
}

}  // namespace quintaro::replay
