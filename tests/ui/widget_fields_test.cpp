#include "form1.h"
#include "table.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace parabolix::ui {
namespace {

using testing::PrintTo;

struct RoundTripRow {
    const char* name;
    Field field;
    const char* text;
};

class WidgetFieldsRoundTrip : public ::testing::TestWithParam<RoundTripRow> { };

TEST_P(WidgetFieldsRoundTrip, GivesBackExactlyWhatWasSet)
{
    Form1 form({.reportError = [](QWidget*, const QString&) {}});
    WidgetFields fields(form.Text1, form.Text2, form.Text3, form.Text4, form.Text5, form.Text6);
    fields.setText(GetParam().field, GetParam().text);
    EXPECT_EQ(fields.text(GetParam().field), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Texts, WidgetFieldsRoundTrip,
    ::testing::Values(RoundTripRow{"PolishLetters", Field::Text3, "zażółć gęślą jaźń"},
        RoundTripRow{"LinesEndedByCrLf", Field::Text5, "a+b+c = 7\r\n4a+2b+c = 58\r\n"},
        RoundTripRow{"LastLineWithoutBreak", Field::Text6, "a=1\r\nb=2"}),
    testing::RowName());

TEST(WidgetFields, MultiLineBoxShowsEachCrLfAsOneLineBreak)
{
    Form1 form({.reportError = [](QWidget*, const QString&) {}});
    WidgetFields fields(form.Text1, form.Text2, form.Text3, form.Text4, form.Text5, form.Text6);
    fields.setText(Field::Text6, "a\r\nb\r\n");
    EXPECT_EQ(form.Text6->document()->blockCount(), 3);
    EXPECT_EQ(form.Text6->toPlainText(), QStringLiteral("a\nb\n"));
}

} // namespace
} // namespace parabolix::ui
