#include "engine/session_control.h"

#include "engine/integer_conversion.h"

namespace quintaro {
namespace {

void clearTableau(SessionState& s, SessionView& view) {
    s.Tableau.reset();
    view.showTableau(s.Tableau);
}

}  // namespace

Outcome FormActivate(SessionState& s, SessionView& view, std::string_view anfangssaldoText) {
    view.stayOnTop();
    view.showStartDate();
    s.Permanenz.fill(KeineZahl);
    s.RestantenPermanenz.fill(KeineZahl);
    s.GefalleneZahlen.fill(0);
    clearTableau(s, view);
    s.CoupZaehler = 0;
    s.Einsatz = 0;
    const auto anfangssaldo = convertInteger(anfangssaldoText);
    if (!anfangssaldo) {
        return Outcome::NotAnInteger;
    }
    s.Anfangssaldo = *anfangssaldo;
    view.showAnfangssaldoText(anfangssaldoText);
    s.Saldo = s.Anfangssaldo;
    return Outcome::Done;
}

void Button4Click(SessionState& s, SessionView& view) {
    view.showAnfangssaldo(s.Anfangssaldo);
    s.Permanenz.fill(KeineZahl);
    clearTableau(s, view);
    s.Einsatz = 0;
    s.Satzmarken.fill(KeineZahl);
    view.focusEingabefeld();
}

Outcome AnfangssaldoBestaetigen(SessionState& s, SessionView& view, std::string_view text) {
    view.showAnfangssaldoText(text);
    const auto anfangssaldo = convertInteger(text);
    if (!anfangssaldo) {
        return Outcome::NotAnInteger;
    }
    s.Anfangssaldo = *anfangssaldo;
    s.Saldo = s.Anfangssaldo;
    return Outcome::Done;
}

}  // namespace quintaro
