#include "tools/replay/display_snapshot.h"

#include "engine/session.h"

namespace quintaro::replay {
namespace {

std::array<HistoryLabel, kHistoryLines> emptyHistoryColumn() {
    std::array<HistoryLabel, kHistoryLines> column;
    column.fill(historyLabel(KeineZahl));
    return column;
}

std::array<std::string, kNumberCount> designSleeperColumn() {
    std::array<std::string, kNumberCount> column;
    for (int n = 0; n < kNumberCount; ++n) {
        column[numberIndex(n)] = sleeperText(SleeperEntry::NotYetComputed, n);
    }
    return column;
}

}  // namespace

DisplaySnapshot programStartDisplay() {
    return {
        // Pressing OK without typing anything enters the number 0.
        .eingabefeld = "00",
        .coup = "--",
        .anfangssaldo = std::string(kDesignAnfangssaldo),
        .einsatzCoup = "0",
        .gewinn = "0",
        .saldoNeu = "0",
        .permanenzspalte = emptyHistoryColumn(),
        .restantenspalte = designSleeperColumn(),
        .boardVisible = {},
    };
}

}  // namespace quintaro::replay
