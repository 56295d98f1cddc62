// Helpers for tables of named test rows: each row is a struct whose first
// member `name` reads as the behaviour it shows.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace parabolix::testing {

// Names a parameterised case after its row.
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

// Prints a row by name when a case fails. Bring it in with
// `using testing::PrintTo;` in the namespace of the rows.
template <typename Row>
requires requires(const Row& row)
{
    row.name;
}
void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

} // namespace parabolix::testing
