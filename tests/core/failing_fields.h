// A field record that fails on its k-th access, get or set alike, so a test
// can check what stands after a failure at every step of an operation.
#pragma once

#include "riddle.h"

namespace parabolix::testing {

class FailingFields final : public RiddleFields {
public:
    explicit FailingFields(int failingAccess)
        : m_failingAccess(failingAccess)
    {
    }

    [[nodiscard]] std::string text(Field field) const override
    {
        countAccess();
        return m_record.text(field);
    }

    void setText(Field field, std::string_view text) override
    {
        countAccess();
        m_record.setText(field, text);
    }

    // The texts as they stand, read without counting an access.
    [[nodiscard]] const FieldRecord& record() const { return m_record; }
    [[nodiscard]] FieldRecord& record() { return m_record; }

private:
    void countAccess() const
    {
        if (++m_accesses == m_failingAccess)
            throw FieldAccessError();
    }

    FieldRecord m_record;
    int m_failingAccess;
    mutable int m_accesses = 0;
};

} // namespace parabolix::testing
