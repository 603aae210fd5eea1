// Runs the self-check's probes side by side, each with a time limit: a probe stuck on a
// device or a bus becomes one line of the report, never a hang of the check.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "frontend/check/check_report.h"

namespace check {

struct Probe {
  std::string topic;  // the lines' topic
  std::string title;  // what it looks at, for a person ("Le son")
  std::function<CheckLines()> run;
};

// Every probe's lines in the order of `probes`; one that has not answered within `limit`
// of the start gives an ATTENTION line instead (its thread is left to end on its own).
CheckLines RunProbes(const std::vector<Probe>& probes, std::chrono::milliseconds limit);

}  // namespace check
