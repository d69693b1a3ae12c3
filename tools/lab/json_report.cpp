#include "tools/lab/json_report.h"

namespace quintaro::lab {
namespace {

nlohmann::ordered_json systemsJson(const SystemChoice& systems) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    if (systems.favourite) {
        list.push_back("favourite");
    }
    if (systems.twins) {
        list.push_back("twins");
    }
    if (systems.third) {
        list.push_back("third");
    }
    return list;
}

nlohmann::ordered_json figuresJson(const BacktestFigures& f) {
    nlohmann::ordered_json j;
    j["sessions"] = f.sessions;
    j["spins"] = f.spins;
    j["spinsWithBet"] = f.spinsWithBet;
    j["unitsStaked"] = f.unitsStaked;
    j["unitsWon"] = f.unitsWon;
    j["net"] = f.net();
    const auto r = f.returnPerUnit();
    const auto interval = f.returnInterval();
    j["returnPerUnitStaked"] = r ? nlohmann::ordered_json(*r) : nullptr;
    j["returnCi95"] = interval ? nlohmann::ordered_json{interval->low, interval->high} : nullptr;
    j["hits"] = f.hits;
    j["longestLosingRun"] = f.longestLosingRun;
    j["largestDrawdown"] = f.largestDrawdown;
    j["lowestBalance"] = f.lowestBalance;
    j["finalBalance"] = {{"mean", f.meanFinalBalance()},
                         {"lowest", f.lowestFinalBalance},
                         {"highest", f.highestFinalBalance}};
    return j;
}

nlohmann::ordered_json chanceJson(const LabReport& report) {
    const ChanceView& chance = report.chance;
    nlohmann::ordered_json j;
    j["houseEdge"] = kHouseEdge;
    j["expectedLoss"] = report.figures.expectedLoss();
    j["fairTables"] = chance.fairTables;
    j["percentile"] = chance.percentile ? nlohmann::ordered_json(*chance.percentile) : nullptr;
    if (chance.fairTables == 0) {
        j["whyNoFairTables"] = chance.whyNoFairTables;
    }
    return j;
}

}  // namespace

nlohmann::ordered_json reportJson(const LabReport& report) {
    nlohmann::ordered_json j;
    j["kind"] = report.kind == LabRunKind::Backtest ? "backtest" : "simulation";
    j["sources"] = report.sources;
    j["systems"] = systemsJson(report.systems);
    j["initialBalance"] = report.initialBalance;
    j["seed"] = report.seed;
    j["skippedValues"] = report.skippedValues;
    j["figures"] = figuresJson(report.figures);
    j["chance"] = chanceJson(report);
    return j;
}

}  // namespace quintaro::lab
