#include "regional_settings.h"

#include <gtest/gtest.h>

namespace parabolix::ui {
namespace {

#ifndef Q_OS_WIN // on Windows, the screen reader's tour solves in Polish settings
struct EnvironmentRow {
    const char* name;
    const char* lcAll;
    const char* lcNumeric;
    const char* lang;
    const char* separator;
};

class UserDecimalSeparatorTable : public ::testing::TestWithParam<EnvironmentRow> { };

TEST_P(UserDecimalSeparatorTable, ComesFromTheLocaleThatWins)
{
    const EnvironmentRow& row = GetParam();
    for (const auto& [variable, value] :
        {std::pair{"LC_ALL", row.lcAll}, {"LC_NUMERIC", row.lcNumeric}, {"LANG", row.lang}})
        *value != '\0' ? qputenv(variable, value) : qunsetenv(variable);
    EXPECT_EQ(userDecimalSeparator().text(), row.separator);
}

INSTANTIATE_TEST_SUITE_P(Environments, UserDecimalSeparatorTable,
    ::testing::Values(EnvironmentRow{"AllOverridesTheRest", "pl_PL.UTF-8", "en_US", "en_US", ","},
        EnvironmentRow{"CodesetAndModifierSayNothing", "", "", "de_DE.ISO-8859-15@euro", ","},
        EnvironmentRow{"NumericOverridesLang", "", "ar_EG.UTF-8", "pl_PL", "\xD9\xAB"},
        EnvironmentRow{"NothingSetIsPeriod", "", "", "", "."},
        EnvironmentRow{"MalformedAllIsPeriod", "garbage", "pl_PL.UTF-8", "pl_PL.UTF-8", "."}),
    [](const auto& row) { return std::string(row.param.name); });
#endif

} // namespace
} // namespace parabolix::ui
