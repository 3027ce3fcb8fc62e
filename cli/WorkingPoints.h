// The operating points asked for with --at: solved on the motor, written as the last grid of the text
// and CSV output and as the JSON member "At".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "GridTexts.h"
#include "Options.h"

// What the phase current is multiplied by for the line current, where the options' motor says its
// connection (given as measured); and why an "IL=" point cannot be asked where it does not.
std::optional<long double> LineFactorOf(const CalcOptions& options);
std::optional<std::string> LineCurrentRefusal(const CalcOptions& options);

// The points of `at`, an "IL=" one by the phase current of its line current (`lineFactor` given).
std::vector<AskedPoint> SolveAsked(const TKonstrukce& k, const std::vector<AtOption>& at,
                                   std::optional<long double> lineFactor = std::nullopt);

// An empty line and the grid "Pracovní body", to follow the other grids; nothing without points.
// The text grid is followed by the torque line's name.
std::string WorkingPointsText(const std::vector<AskedPoint>& points, TorqueLine line);
std::string WorkingPointsCsv(const std::vector<AskedPoint>& points);

// The array of "At": per point the quantity and value as asked, where the point lies, its values
// under the names of the "Operating" rows and the rest, null off the arc, and the reachable range.
std::string WorkingPointsJson(const std::vector<AskedPoint>& points);
