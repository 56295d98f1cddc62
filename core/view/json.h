// What a face shows, as the page's script reads it: one JSON object per
// event, its names the ones written here and nowhere else in the core.
#pragma once

#include "view/session.h"

#include <string>

namespace parabolix::view {

// `shown` as {"error", "announcement", "plot", "steps", "forms", "checked",
// "newRiddle"}; what stays as it is is null. Each mark names its shape's
// outline (plot::kOutlines); each tone is {"start", "duration", "frequency",
// "pan"}, each point of the glide {"start", "frequency", "pan"}; the lesson's
// parts are lists of lines.
[[nodiscard]] std::string toJson(const Shown& shown);

} // namespace parabolix::view
