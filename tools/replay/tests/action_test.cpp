#include "tools/replay/action.h"

#include <gtest/gtest.h>

namespace quintaro::replay {
namespace {

struct ActionCase {
    std::string_view line;
    Action expected;
};

void PrintTo(const ActionCase& c, std::ostream* os) {
    *os << '"' << c.line << '"';
}

class ParseAction : public ::testing::TestWithParam<ActionCase> {};

TEST_P(ParseAction, followsTheTableOfActions) {
    EXPECT_EQ(parseAction(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Skipped, ParseAction,
    ::testing::Values(ActionCase{"", SkipLine{}}, ActionCase{"#", SkipLine{}},
                      ActionCase{"# a comment", SkipLine{}}, ActionCase{"#17", SkipLine{}},
                      // Only a '#' as the very first character makes a comment.
                      ActionCase{" # not a comment", EnterText{" # not a comment"}}));

INSTANTIATE_TEST_SUITE_P(
    OkAndEnter, ParseAction,
    ::testing::Values(ActionCase{"ok", PressOk{}}, ActionCase{"enter", EnterText{""}},
                      ActionCase{"enter ", EnterText{""}}, ActionCase{"enter 17", EnterText{"17"}},
                      // The text after "enter " is taken exactly, spaces included.
                      ActionCase{"enter  17 ", EnterText{" 17 "}},
                      ActionCase{"enter enter", EnterText{"enter"}},
                      ActionCase{"enter ok", EnterText{"ok"}},
                      // Near misses are entered as they stand.
                      ActionCase{"OK", EnterText{"OK"}}, ActionCase{"ok ", EnterText{"ok "}},
                      ActionCase{" ok", EnterText{" ok"}},
                      ActionCase{"entered", EnterText{"entered"}},
                      ActionCase{"Enter 5", EnterText{"Enter 5"}}));

INSTANTIATE_TEST_SUITE_P(ResetAndBalance, ParseAction,
                         ::testing::Values(ActionCase{"reset", PressReset{}},
                                           ActionCase{"reset ", EnterText{"reset "}},
                                           ActionCase{"Reset", EnterText{"Reset"}},
                                           ActionCase{"balance", ConfirmAnfangssaldo{""}},
                                           ActionCase{"balance ", ConfirmAnfangssaldo{""}},
                                           ActionCase{"balance 0500", ConfirmAnfangssaldo{"0500"}},
                                           ActionCase{"balance  5 0", ConfirmAnfangssaldo{" 5 0"}},
                                           ActionCase{"balances", EnterText{"balances"}}));

INSTANTIATE_TEST_SUITE_P(
    Switches, ParseAction,
    ::testing::Values(ActionCase{"favourite on", TickSystem{BettingSystem::Favourite, true}},
                      ActionCase{"favourite off", TickSystem{BettingSystem::Favourite, false}},
                      ActionCase{"twins on", TickSystem{BettingSystem::Twins, true}},
                      ActionCase{"twins off", TickSystem{BettingSystem::Twins, false}},
                      ActionCase{"third on", TickSystem{BettingSystem::LawOfTheThird, true}},
                      ActionCase{"third off", TickSystem{BettingSystem::LawOfTheThird, false}},
                      ActionCase{"third", EnterText{"third"}},
                      ActionCase{"twins  on", EnterText{"twins  on"}},
                      ActionCase{"favourite on ", EnterText{"favourite on "}}));

INSTANTIATE_TEST_SUITE_P(Numbers, ParseAction,
                         ::testing::Values(ActionCase{"17", EnterText{"17"}},
                                           ActionCase{"0", EnterText{"0"}},
                                           ActionCase{" 17", EnterText{" 17"}},
                                           ActionCase{"-$FF", EnterText{"-$FF"}},
                                           ActionCase{"abc", EnterText{"abc"}}));

}  // namespace
}  // namespace quintaro::replay
