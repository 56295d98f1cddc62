#include "regional_settings.h"
#include "table.h"

#include <gtest/gtest.h>

namespace parabolix::ui {
namespace {

using testing::PrintTo;

struct LocaleRow {
    const char* name;
    const char* locale;
    const char* separator;
};

class DecimalSeparatorTable : public ::testing::TestWithParam<LocaleRow> { };

TEST_P(DecimalSeparatorTable, ComesFromTheLocaleName)
{
    EXPECT_EQ(decimalSeparatorOf(QString::fromUtf8(GetParam().locale)), GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(Locales, DecimalSeparatorTable,
    ::testing::Values(LocaleRow{"PolishIsComma", "pl_PL.UTF-8", ","},
        LocaleRow{"PolishLanguageAlone", "pl", ","},
        LocaleRow{"GermanWithModifier", "de_DE.ISO-8859-15@euro", ","},
        LocaleRow{"AmericanIsPeriod", "en_US.UTF-8", "."},
        LocaleRow{"ArabicEgyptHasItsOwnSign", "ar_EG.UTF-8", "\xD9\xAB"},
        LocaleRow{"CIsPeriod", "C.UTF-8", "."}, LocaleRow{"PosixIsPeriod", "POSIX", "."},
        LocaleRow{"EmptyIsPeriod", "", "."}, LocaleRow{"GarbageIsPeriod", "garbage", "."}),
    testing::RowName());

struct EnvironmentRow {
    const char* name;
    const char* lcAll;
    const char* lcNumeric;
    const char* lang;
    const char* separator;
};

class UserDecimalSeparatorTable : public ::testing::TestWithParam<EnvironmentRow> { };

TEST_P(UserDecimalSeparatorTable, FollowsThePosixPrecedence)
{
    const EnvironmentRow& row = GetParam();
    for (const auto& [variable, value] :
        {std::pair{"LC_ALL", row.lcAll}, {"LC_NUMERIC", row.lcNumeric}, {"LANG", row.lang}}) {
        if (*value != '\0')
            qputenv(variable, value);
        else
            qunsetenv(variable);
    }
    EXPECT_EQ(userDecimalSeparator(), row.separator);
}

INSTANTIATE_TEST_SUITE_P(Environments, UserDecimalSeparatorTable,
    ::testing::Values(EnvironmentRow{"AllOverridesTheRest", "pl_PL.UTF-8", "en_US", "en_US", ","},
        EnvironmentRow{"NumericOverridesLang", "", "en_US.UTF-8", "pl_PL", "."},
        EnvironmentRow{"LangAlone", "", "", "pl_PL.UTF-8", ","},
        EnvironmentRow{"NothingSetIsPeriod", "", "", "", "."},
        EnvironmentRow{"MalformedAllIsPeriod", "garbage", "pl_PL.UTF-8", "pl_PL.UTF-8", "."}),
    testing::RowName());

} // namespace
} // namespace parabolix::ui
