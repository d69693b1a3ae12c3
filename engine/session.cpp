#include "engine/session.h"

#include "engine/coup_pipeline.h"
#include "engine/session_control.h"

namespace quintaro {

Outcome Session::start(std::string_view anfangssaldoText) {
    if (m_started) {
        return Outcome::Done;
    }
    m_started = true;
    return FormActivate(m_state, m_view, anfangssaldoText);
}

Outcome Session::confirm(std::string_view eingabe) {
    return CoupPipeline(m_state, m_view, eingabe);
}

void Session::reset() {
    Button4Click(m_state, m_view);
}

Outcome Session::confirmAnfangssaldo(std::string_view text) {
    return AnfangssaldoBestaetigen(m_state, m_view, text);
}

void Session::setSystem(BettingSystem system, bool ticked) {
    switch (system) {
        case BettingSystem::Favourite:
            m_state.Favoritenspiel = ticked;
            break;
        case BettingSystem::Twins:
            m_state.Zwillingsspiel = ticked;
            break;
        case BettingSystem::LawOfTheThird:
            m_state.Restantenspiel = ticked;
            break;
    }
}

}  // namespace quintaro
