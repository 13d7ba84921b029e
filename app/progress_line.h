#pragma once

#include <cstddef>
#include <string>

#include "app/work_progress.h"

namespace skarvel {

// The unattended program's refreshed line for a piece of work, Windows-1252, at most width
// characters (the name of the file in it is shortened in its middle where needed):
//   "  lumtrak650: lumtrak650.zip  45.1 MB / 100.0 MB  [#########           ]  45%  12.3 MB/s  5 s
//   left" "  lumtrak650.zip: lumtrak/lumcaisse.exe  [#########           ]  45%  3 s left" "
//   Articles  1200 / 5000 rows  [####                ]  24%"
std::string ProgressLine(const MeasuredProgress& progress, std::size_t width);

// The time left as the line says it: "5 s left", "3 min left".
std::string TimeLeft(double seconds);

}  // namespace skarvel
