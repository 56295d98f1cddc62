// What a face shows, as the page's script reads it: one JSON object per
// event, its names the ones written here and nowhere else in the core.
#pragma once

#include "view/session.h"
#include "view/worksheet.h"

#include <string>
#include <string_view>

namespace parabolix::view {

// `shown` as {"error", "announcement", "plot", "steps", "forms", "checked",
// "newRiddle", "note", "link"}; what stays as it is is null. Each mark names its shape's
// outline (plot::kOutlines); each tone is {"start", "duration", "frequency",
// "pan"}, each point of the glide {"start", "frequency", "pan"}; the lesson's
// parts are lists of lines.
[[nodiscard]] std::string toJson(const Shown& shown);

// A worksheet's page after an event as {"note", "sheet"}: the note said
// beside the sheet, and the sheet {"number", "count", "title", "riddles",
// "answersTitle", "answers", "fragment"}, its parts lists of lines; null
// where the sheet shown stays.
[[nodiscard]] std::string toJson(
    const std::optional<worksheet::Sheet>& sheet, std::string_view note);

} // namespace parabolix::view
