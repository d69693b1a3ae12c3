// The lab as a person runs it: command lines in, report, messages, CSV and
// plot out.

#include "tools/lab/lab_command.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "tools/lab/lab_options.h"

namespace quintaro::lab {
namespace {

namespace fs = std::filesystem;

struct LabRun {
    int exitCode;
    std::string out;
    std::string err;
};

LabRun runLabWith(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runLab(args, out, err);
    return {code, out.str(), err.str()};
}

class LabCommandFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("quintaro-lab-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    [[nodiscard]] std::string file(const std::string& name, const std::string& content = {}) const {
        const fs::path path = m_dir / name;
        if (!content.empty()) {
            std::ofstream(path) << content;
        }
        return path.string();
    }

private:
    fs::path m_dir;
};

const std::string kSample = QUINTARO_LAB_SAMPLE;

TEST(LabCommand, reportsTheSampleAsJson) {
    const LabRun run = runLabWith({"--report", kSample, "--json", "--fair-tables", "0"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["kind"], "backtest");
    EXPECT_EQ(report["sources"], nlohmann::json::array({kSample}));
    EXPECT_EQ(report["systems"], nlohmann::json::array({"favourite"}));
    EXPECT_EQ(report["figures"]["spins"], 1461);
    EXPECT_EQ(report["figures"]["net"], report["figures"]["unitsWon"].get<std::int64_t>() -
                                            report["figures"]["unitsStaked"].get<std::int64_t>());
    EXPECT_EQ(report["chance"]["fairTables"], 0);
    EXPECT_TRUE(report["chance"]["percentile"].is_null());
    EXPECT_EQ(report["chance"]["whyNoFairTables"], "switched off with --fair-tables 0");
    EXPECT_TRUE(run.err.empty()) << run.err;
}

// The README's "Backtesting" section shows this report; a change of the
// engine or the lab that changes it must change the README too.
TEST(LabCommand, printsTheReportTheReadmeShowsForTheSample) {
    std::ifstream in(QUINTARO_LAB_README_REPORT);
    const std::string shown((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LabRun run = runLabWith({"--report", kSample});
    ASSERT_EQ(run.exitCode, 0);
    const std::string asTyped = "tools/lab/samples/bitcasino-1.txt";
    run.out.replace(run.out.find(kSample), kSample.size(), asTyped);
    EXPECT_EQ(run.out, shown);
}

TEST_F(LabCommandFiles, alignsTheValuesOfTheTextReportInOneColumn) {
    const LabRun run = runLabWith({"--report", kSample, "--fair-tables", "0"});
    ASSERT_EQ(run.exitCode, 0);
    std::istringstream lines(run.out);
    std::string line;
    std::set<std::size_t> valueEnds;
    int rows = 0;
    while (std::getline(lines, line)) {
        if (line.starts_with("  ")) {
            const std::size_t end = line.find("   ", 32);
            valueEnds.insert(end == std::string::npos ? line.size() : end);
            ++rows;
        }
    }
    EXPECT_EQ(rows, 14);
    EXPECT_EQ(valueEnds.size(), 1U) << run.out;
    EXPECT_NE(run.out.find("switched off with --fair-tables 0"), std::string::npos);
}

TEST_F(LabCommandFiles, refusesAFileWithBadValuesAndSaysWhere) {
    const std::string bad = file("bad.txt", "1,2,37\n# comment\nx, 5\n");
    const std::string csv = file("coups.csv");
    const LabRun run = runLabWith({"--report", bad, "--csv", csv});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(run.err, bad + ": line 1, column 5: '37' is not a number from 0 to 36\n" + bad +
                           ": line 3, column 1: 'x' is not a number from 0 to 36\n" + bad +
                           ": refused: 2 bad values (--skip-bad skips them)\n");
    EXPECT_FALSE(fs::exists(csv));
}

TEST_F(LabCommandFiles, skipsBadValuesWhenAsked) {
    const std::string bad = file("bad.txt", "1,2,37\nx, 5\n");
    const LabRun run = runLabWith({"--report", bad, "--skip-bad", "--json"});
    ASSERT_EQ(run.exitCode, 0);
    const auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["skippedValues"], 2);
    EXPECT_EQ(report["figures"]["spins"], 3);
    EXPECT_NE(run.err.find(bad + ": skipped 2 bad values"), std::string::npos);
}

TEST_F(LabCommandFiles, warnsAboutSuspiciousRecordsButUsesThem) {
    const std::string odd = file("odd.txt", "5\n9 9 9 9 9 9 9 9\n4\n");
    const LabRun run = runLabWith({"--report", odd, "--json", "--fair-tables", "0"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(nlohmann::json::parse(run.out)["figures"]["spins"], 10);
    EXPECT_EQ(run.err, odd +
                           ": warning: line 2, column 1: 9 falls 8 times in a row; the chance "
                           "of that on a fair wheel is below 1 in 10^10\n");
}

TEST_F(LabCommandFiles, playsEachFileAsASessionOfItsOwn) {
    const std::string a = file("a.txt", "1 2 3 4 5 6 7 3");
    const LabRun run = runLabWith({"--report", a, a, "--json", "--fair-tables", "0"});
    ASSERT_EQ(run.exitCode, 0);
    const auto figures = nlohmann::json::parse(run.out)["figures"];
    EXPECT_EQ(figures["sessions"], 2);
    EXPECT_EQ(figures["spins"], 16);
    EXPECT_EQ(figures["finalBalance"]["mean"], 1018.0);
}

TEST_F(LabCommandFiles, writesEveryCoupToTheCsv) {
    const std::string csv = file("coups.csv");
    const LabRun run = runLabWith({"--simulate", "300", "--systems", "all", "--csv", csv, "--json",
                                   "--fair-tables", "0", "--balance", "50"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::ifstream in(csv);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "session,coup,number,stake,win,balance,board");
    std::vector<std::string> rows;
    while (std::getline(in, line)) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 300U);
    EXPECT_TRUE(rows.front().starts_with("1,1,")) << rows.front();
    const std::string lastBalance = rows.back().substr(0, rows.back().rfind(','));
    const auto final = nlohmann::json::parse(run.out)["figures"]["finalBalance"]["mean"];
    EXPECT_TRUE(lastBalance.ends_with("," + std::to_string(final.get<std::int64_t>())))
        << rows.back();
}

TEST_F(LabCommandFiles, drawsThePlotAsPngOrSvg) {
    const std::string png = file("balance.png");
    const std::string svg = file("balance.svg");
    ASSERT_EQ(runLabWith({"--report", kSample, "--plot", png, "--fair-tables", "0"}).exitCode, 0);
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(960, 540));
    ASSERT_EQ(runLabWith({"--simulate", "300", "--plot", svg}).exitCode, 0);
    std::ifstream in(svg);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("fair tables, 5th to 95th percentile (1000 tables)"), std::string::npos);
}

TEST(LabCommand, leavesOutFairTablesTooCostlyForTheDefaultAndSaysSo) {
    const LabRun run = runLabWith({"--simulate", "200001", "--json"});
    ASSERT_EQ(run.exitCode, 0);
    const auto chance = nlohmann::json::parse(run.out)["chance"];
    EXPECT_EQ(chance["fairTables"], 0);
    EXPECT_TRUE(chance["percentile"].is_null());
    EXPECT_EQ(chance["whyNoFairTables"],
              "1000 tables of this length would take 200001000 coups; ask for them with "
              "--fair-tables 1000");
}

struct UsageCase {
    std::vector<std::string> args;
    std::string message;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << c.message;
}

class LabCommandLineErrors : public ::testing::TestWithParam<UsageCase> {};

TEST_P(LabCommandLineErrors, exitWithTwoAndSayWhatIsWrong) {
    const LabRun run = runLabWith(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(run.err,
              "quintaro-replay: " + GetParam().message + "\nTry 'quintaro-replay --help'.\n");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, LabCommandLineErrors,
    ::testing::Values(
        UsageCase{{"--report"}, "--report needs at least one permanence file"},
        UsageCase{{"--json"}, "say --report FILE... or --simulate N"},
        UsageCase{{"--simulate", "0"},
                  "--simulate takes a whole number from 1 to 1125899906842624, not '0'"},
        UsageCase{{"--simulate", "1e6"},
                  "--simulate takes a whole number from 1 to 1125899906842624, not '1e6'"},
        UsageCase{{"--simulate", "10", "a.txt"}, "--simulate reads no file, but 'a.txt' was given"},
        UsageCase{{"--simulate", "10", "--report", "a.txt"},
                  "--report: choose one of --report and --simulate"},
        UsageCase{{"--report", "a.txt", "--sessions", "2"},
                  "--sessions belongs to --simulate; each file is one session"},
        UsageCase{{"--simulate", "5", "--sessions", "6"},
                  "--sessions cannot exceed the spins of --simulate"},
        UsageCase{{"--simulate", "5", "--fair-tables", "999"},
                  "--fair-tables takes 0 (none) or at least 1000"},
        UsageCase{
            {"--simulate", "5", "--systems", "twins,zero"},
            "--systems takes favourite, twins, third (comma-separated) or all, not 'twins,zero'"},
        UsageCase{{"--simulate", "5", "--plot", "balance.jpg"},
                  "--plot writes a .png or .svg file, not 'balance.jpg'"},
        UsageCase{
            {"--simulate", "5", "--balance", "2147483648"},
            "--balance takes a whole number from -2147483648 to 2147483647, not '2147483648'"},
        UsageCase{{"--simulate", "5", "--csv"}, "--csv needs a value"},
        UsageCase{{"--simulate", "5", "--trace"}, "unknown option '--trace'"}));

struct PredicateCase {
    std::vector<std::string> args;
    bool isLab;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const PredicateCase& c, std::ostream* os) {
    *os << (c.isLab ? "lab" : "not lab");
}

class LabCommandRecognition : public ::testing::TestWithParam<PredicateCase> {};

TEST_P(LabCommandRecognition, claimsCommandLinesThatNameALabOption) {
    EXPECT_EQ(isLabCommand(GetParam().args), GetParam().isLab);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, LabCommandRecognition,
                         ::testing::Values(PredicateCase{{}, false},
                                           PredicateCase{{"--trace", "actions.txt"}, false},
                                           PredicateCase{{"spins.txt"}, false},
                                           PredicateCase{{"--help"}, false},
                                           PredicateCase{{"--report", "spins.txt"}, true},
                                           PredicateCase{{"spins.txt", "--plot", "a.png"}, true},
                                           PredicateCase{{"--simulate", "100"}, true}));

}  // namespace
}  // namespace quintaro::lab
