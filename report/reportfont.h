#pragma once

#include "report.h"

#include <QFont>

// The font a report component is measured and drawn in. Layouts name Arial;
// off Windows the metric-compatible Liberation Sans stands in for it.
QFont reportQFont(const ReportFont &font);

// Layouts are measured at this resolution, and pages painted from the
// measurements, so that a line laid out is a line drawn on every device.
inline constexpr int kLayoutDpi = 1200;
