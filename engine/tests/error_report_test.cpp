#include "engine/error_report.h"

#include <gtest/gtest.h>

#include "engine/integer_conversion.h"

namespace quintaro {
namespace {

struct ReportCase {
    const char* message;
    const char* report;
};

class ErrorReport : public ::testing::TestWithParam<ReportCase> {};

// A full stop is added when the last character sorts after the full stop.
TEST_P(ErrorReport, endsTheMessageWithAFullStopWhereItNeedsOne) {
    EXPECT_EQ(errorReportText(GetParam().message), GetParam().report);
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorReport,
                         ::testing::Values(ReportCase{"Fehler", "Fehler."},
                                           ReportCase{"Fehler.", "Fehler."},
                                           ReportCase{"Fehler-", "Fehler-"},
                                           ReportCase{"Fehler ", "Fehler "},
                                           ReportCase{"Fehler/", "Fehler/."},
                                           ReportCase{"Grüß", "Grüß."}, ReportCase{"", ""}));

TEST(ErrorReport, ofAFailedEntryQuotesTheTextAndEndsWithAFullStop) {
    EXPECT_EQ(errorReportText(conversionErrorMessage("")), "'' ist kein gültiger Integerwert.");
    EXPECT_EQ(errorReportText(conversionErrorMessage("17 ")),
              "'17 ' ist kein gültiger Integerwert.");
}

}  // namespace
}  // namespace quintaro
