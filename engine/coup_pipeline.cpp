#include "engine/coup_pipeline.h"

#include "engine/books.h"
#include "engine/favourite_game.h"
#include "engine/integer_conversion.h"
#include "engine/law_of_the_third.h"
#include "engine/run_breaks.h"
#include "engine/twin_tracking.h"

namespace quintaro {
namespace {

// "13 Labels ausblenden": empties the favourite game's slots and the board.
// The Zwillingsslot keeps its value.
void LabelsAusblenden(SessionState& s, SessionView& view) {
    s.Satzanzeige.fill(Leer);
    s.Tableau.reset();
    view.showTableau(s.Tableau);
}

// "16 Zähler weiter": counts every press of OK, failed entries included.
void ZaehlerWeiter(SessionState& s, SessionView& view) {
    ++s.CoupZaehler;
    view.showCoup(s.CoupZaehler);
}

// "17 Focus in Eingabefeld"
void FocusInEingabefeld(SessionView& view) {
    view.focusEingabefeld();
}

// "18 Zahl 1 ermitteln": stores the typed integer in slot 0 of the three
// histories. Any integer is stored; the rules test for 0..36 where it matters.
Outcome Zahl1Ermitteln(SessionState& s, std::string_view eingabe) {
    const auto value = convertInteger(eingabe);
    if (!value) {
        return Outcome::NotAnInteger;
    }
    s.Permanenz[0] = *value;
    s.ZwillingsPermanenz[0] = *value;
    s.RestantenPermanenz[0] = *value;
    return Outcome::Done;
}

// "8  Permanenzverschiebung"
void Permanenzverschiebung(SessionState& s) {
    shiftHistory(s.Permanenz);
    shiftHistory(s.ZwillingsPermanenz);
    shiftHistory(s.RestantenPermanenz);
}

// "11  Permanenzanzeige": the history column shows Permanenz slots 1 to 12.
void Permanenzanzeige(const SessionState& s, SessionView& view) {
    view.showPermanenz(s.Permanenz);
}

// "35   Abfrage der Spiele": the distinct-run test runs whatever is ticked.
void AbfrageDerSpiele(SessionState& s) {
    VergleichDer7Zahlen(s);
}

// "23   Edit 1 zurücksetzen"
void Edit1Zuruecksetzen(SessionView& view) {
    view.clearEingabefeld();
}

}  // namespace

Outcome CoupPipeline(SessionState& s, SessionView& view, std::string_view eingabe) {
    GewinnZuruecksetzen(s);
    LabelsAusblenden(s, view);
    ZaehlerWeiter(s, view);
    FocusInEingabefeld(view);
    if (Zahl1Ermitteln(s, eingabe) == Outcome::NotAnInteger) {
        return Outcome::NotAnInteger;
    }
    Gewinnermittlung(s, view);
    GesamteinsatzErrechnen(s);
    EndsaldoErrechnen(s, view);
    BeiGewinnZurueckAuf5(s, view);
    StopBei8Zahlen(s, view);

    Permanenzverschiebung(s);

    Permanenzanzeige(s, view);
    AbfrageDerSpiele(s);
    // The switches are read as each system's turn comes.
    if (s.Zwillingsspiel) {
        ZwillingeVerfolgen(s, view);
    }
    if (s.Favoritenspiel) {
        SiebenerInSatzanzeige(s, view);
    }
    if (s.Restantenspiel) {
        SatzsignalRestanten(s, view);
    }
    Einsatzberechnung(s, view);
    Gewinnvorermittlung(s);
    Edit1Zuruecksetzen(view);
    return Outcome::Done;
}

}  // namespace quintaro
