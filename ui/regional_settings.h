// The user's regional number format.
#pragma once

#include "riddle/number_text.h"

#include <QString>

namespace parabolix::ui {

// Returns the decimal separator of the named locale ("pl_PL.UTF-8" gives
// ","), from Qt's own locale data, so the locale need not be generated on the
// machine. An empty, "C", "POSIX" or unknown name gives the period.
[[nodiscard]] DecimalSeparator decimalSeparatorOf(const QString& localeName);

// Returns the user's decimal separator: on Windows from the regional
// settings, elsewhere from LC_ALL, LC_NUMERIC or LANG, the first one set.
[[nodiscard]] DecimalSeparator userDecimalSeparator();

} // namespace parabolix::ui
