#pragma once

// The permanence lab as a command: backtest permanence files or simulate a
// fair wheel, print the report, and write the CSV and the plot when asked.
//
// A run flows like this: the options are read (lab_options.h); the observed
// sessions are played through LabSession (files one after another, simulated
// sessions in parallel), their coups going to the figures and, when asked, to
// the CSV and the plot's balance traces; then the fair tables are played with
// the same systems and session lengths for the chance view; last the report
// is written as text or JSON and the plot is drawn.
//
// Exit status: 0 done, 1 a file refused or unreadable or an output not
// written, 2 the command line is not valid.

#include <ostream>
#include <string>
#include <vector>

namespace quintaro::lab {

// `args` without the program name. Progress goes to standard error only when
// `err` is std::cerr and a terminal.
[[nodiscard]] int runLab(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);

}  // namespace quintaro::lab
