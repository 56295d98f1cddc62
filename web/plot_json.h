// The plot as the page's script draws and plays it.
#pragma once

#include "plot.h"

#include <string>

namespace parabolix::web {

// The plot as one JSON object, with the names the page's script reads.
// Raises nothing: it is built without exceptions, like the plot.
[[nodiscard]] std::string toJson(const plot::Plot& plot);

} // namespace parabolix::web
