// Tables of named test rows: each row is a struct whose first member `name`
// reads as the behaviour it shows, and names its case.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace parabolix::testing {

struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

} // namespace parabolix::testing
