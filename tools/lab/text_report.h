#pragma once

// The report as a person reads it: one figure a line, labels left, values
// right-aligned in one column, remarks after them.

#include <ostream>

#include "tools/lab/lab_report.h"

namespace quintaro::lab {

void writeTextReport(const LabReport& report, std::ostream& out);

}  // namespace quintaro::lab
