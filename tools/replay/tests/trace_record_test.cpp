#include "tools/replay/trace_record.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tools/replay/tests/script_trace.h"

namespace quintaro::replay::testing {
namespace {

using nlohmann::json;

std::set<std::string> keys(const json& object) {
    std::set<std::string> names;
    for (const auto& item : object.items()) {
        names.insert(item.key());
    }
    return names;
}

TEST(TraceRecord, holdsExactlyTheAgreedKeysAndShapes) {
    const Trace trace = traceOf("17\n");
    ASSERT_EQ(trace.size(), 2U);
    for (const json& record : trace) {
        EXPECT_EQ(keys(record), (std::set<std::string>{"action", "error", "state", "view"}));
        const json& s = record.at("state");
        EXPECT_EQ(keys(s), (std::set<std::string>{"Permanenz",
                                                  "ZwillingsPermanenz",
                                                  "RestantenPermanenz",
                                                  "Tableau",
                                                  "Satzanzeige",
                                                  "Zwillingsslot",
                                                  "Satzmarken",
                                                  "Einsatz",
                                                  "Einsatzanzeige",
                                                  "Gewinn",
                                                  "Anfangssaldo",
                                                  "Gesamteinsatz",
                                                  "Saldo",
                                                  "CoupZaehler",
                                                  "SechsVerschiedene",
                                                  "SiebenVerschiedene",
                                                  "AchtVerschiedene",
                                                  "GefalleneZahlen",
                                                  "AnzahlGefallene",
                                                  "Favoritenspiel",
                                                  "Zwillingsspiel",
                                                  "Restantenspiel"}));
        for (const char* history : {"Permanenz", "ZwillingsPermanenz", "RestantenPermanenz"}) {
            EXPECT_EQ(s.at(history).size(), 51U) << history;
        }
        EXPECT_EQ(s.at("Satzanzeige").size(), 7U);
        EXPECT_EQ(s.at("Satzmarken").size(), 37U);
        EXPECT_EQ(s.at("GefalleneZahlen").size(), 37U);
        EXPECT_TRUE(s.at("Favoritenspiel").is_boolean());

        const json& v = record.at("view");
        EXPECT_EQ(keys(v), (std::set<std::string>{"Eingabefeld", "Coup", "Anfangssaldo",
                                                  "EinsatzCoup", "Gewinn", "SaldoNeu",
                                                  "Permanenzspalte", "Restantenspalte"}));
        EXPECT_EQ(v.at("Permanenzspalte").size(), 12U);
        EXPECT_EQ(v.at("Restantenspalte").size(), 37U);
    }
}

TEST(TraceRecord, startRecordShowsTheProgramStart) {
    const json start = traceOf("").at(0);
    EXPECT_EQ(start.at("action"), "start");
    EXPECT_TRUE(start.at("error").is_null());
    const json& s = start.at("state");
    EXPECT_EQ(s.at("Permanenz"), json(std::vector<int>(51, 37)));
    EXPECT_EQ(s.at("ZwillingsPermanenz"), json(std::vector<int>(51, 0)));
    EXPECT_EQ(s.at("Satzanzeige"), json(std::vector<std::nullptr_t>(7, nullptr)));
    EXPECT_TRUE(s.at("Zwillingsslot").is_null());
    EXPECT_EQ(s.at("Tableau"), json::array());
    EXPECT_EQ(s.at("Saldo"), 1000);
    const json& v = start.at("view");
    EXPECT_EQ(v.at("Eingabefeld"), "00");
    EXPECT_EQ(v.at("Coup"), "--");
    EXPECT_EQ(v.at("Anfangssaldo"), "1000");
    EXPECT_EQ(v.at("SaldoNeu"), "0");
    EXPECT_EQ(v.at("Permanenzspalte"), json(std::vector<std::string>(12, "--")));
    EXPECT_EQ(v.at("Restantenspalte")[36], "Label120");
}

TEST(TraceRecord, writesTheTwinSlotAndTheErrorText) {
    const Trace trace = traceOf("twins on\n5\nfive\n");
    ASSERT_EQ(trace.size(), 4U);
    // Unfilled twin history slots hold 0 side by side: a twin, so no number.
    EXPECT_EQ(trace[2].at("state").at("Zwillingsslot"), 37);
    EXPECT_TRUE(trace[2].at("error").is_null());
    EXPECT_EQ(trace[3].at("action"), "five");
    EXPECT_EQ(trace[3].at("error"), "'five' ist kein gültiger Integerwert.");
    EXPECT_EQ(trace[3].at("view").at("Eingabefeld"), "five");
}

TEST(TraceRecord, keeps64BitBooksAndNegativeHistoryValues) {
    const Trace trace = traceOf("balance -$80000000\n-5\n");
    const json& last = trace.back();
    EXPECT_EQ(last.at("state").at("Anfangssaldo"), -2147483648LL);
    EXPECT_EQ(last.at("state").at("Permanenz")[1], -5);
    EXPECT_EQ(last.at("view").at("SaldoNeu"), "-2147483648");
    EXPECT_EQ(last.at("view").at("Permanenzspalte")[0], "-5");
}

}  // namespace
}  // namespace quintaro::replay::testing
