#include "form1.h"
#include "scripted_chance.h"
#include "table.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace parabolix::ui {
namespace {

using testing::PrintTo;

const QColor kNavy(0, 0, 128);

// A window whose error messages are collected instead of shown.
struct TestWindow {
    explicit TestWindow(std::string separator = ",")
        : form({.decimalSeparator = std::move(separator),
            .generator = std::make_unique<testing::ScriptedGenerator>(),
            .reportError
            = [this](QWidget*, const QString& message) { messages.push_back(message); }})
    {
    }

    std::vector<QString> messages;
    Form1 form;
};

QString textOf(const QWidget* widget)
{
    if (const auto* box = qobject_cast<const QLineEdit*>(widget))
        return box->text();
    if (const auto* area = qobject_cast<const QPlainTextEdit*>(widget))
        return area->toPlainText();
    if (const auto* button = qobject_cast<const QPushButton*>(widget))
        return button->text();
    return qobject_cast<const QLabel*>(widget)->text();
}

Qt::Alignment alignmentOf(const QWidget* widget)
{
    if (const auto* box = qobject_cast<const QLineEdit*>(widget))
        return box->alignment() & Qt::AlignHorizontal_Mask;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->alignment();
    return Qt::AlignLeft;
}

struct ControlRow {
    const char* name;
    const char* className;
    int left; // twips, as the classic dialog was drawn
    int top;
    int width;
    int height;
    const char* text;
    Qt::Alignment alignment;
    bool readOnly;
    const char* accessibleName = ""; // a box has no caption; buttons and labels speak theirs
};

class Form1Controls : public ::testing::TestWithParam<ControlRow> { };

TEST_P(Form1Controls, MatchTheClassicDialog)
{
    const ControlRow& row = GetParam();
    const TestWindow window;
    const auto* widget = window.form.findChild<QWidget*>(QLatin1String(row.name));
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), row.className);
    EXPECT_EQ(
        widget->geometry(), QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
    EXPECT_EQ(textOf(widget), QString::fromUtf8(row.text));
    EXPECT_EQ(alignmentOf(widget), row.alignment);
    EXPECT_TRUE(widget->isEnabled());
    EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(row.accessibleName));

    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        EXPECT_EQ(label->palette().color(QPalette::WindowText), kNavy);
        EXPECT_FALSE(label->autoFillBackground()) << "labels are transparent";
        EXPECT_TRUE(label->wordWrap());
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    } else if (qobject_cast<const QPushButton*>(widget)) {
        EXPECT_FALSE(qobject_cast<const QPushButton*>(widget)->autoDefault());
        EXPECT_FALSE(qobject_cast<const QPushButton*>(widget)->isDefault());
    } else {
        EXPECT_EQ(widget->palette().color(QPalette::Text), kNavy);
        EXPECT_TRUE(widget->focusPolicy() & Qt::TabFocus);
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        EXPECT_EQ(box->isReadOnly(), row.readOnly);
        EXPECT_EQ(box->maxLength(), std::numeric_limits<int>::max());
    }
    if (const auto* area = qobject_cast<const QPlainTextEdit*>(widget)) {
        EXPECT_TRUE(area->isReadOnly());
        EXPECT_TRUE(area->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        EXPECT_EQ(area->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
}

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

INSTANTIATE_TEST_SUITE_P(Table, Form1Controls,
    ::testing::Values(
        ControlRow{"Text6", "QPlainTextEdit", 315, 3150, 4005, 960,
            "a=0,5p-n+0,5m\nb=4n-2,5m-1,5p\nc=3m-3n+p\n", Qt::AlignLeft, true, "Wzory"},
        ControlRow{"Text5", "QPlainTextEdit", 315, 1785, 4005, 1275,
            "Liczby a,b,c są rozwiązaniami ukladu równań:\na+b+c = m\n4a+2b+c = n\n"
            "9a+3b+c = p\n",
            Qt::AlignLeft, true, "Układ równań"},
        ControlRow{"Command2", "QPushButton", 1155, 1365, 2220, 330, "Wyznacz trzy liczby m, n, p",
            Qt::AlignLeft, false},
        ControlRow{
            "Text4", "QLineEdit", 315, 4200, 4005, 330, "", Qt::AlignHCenter, true, "Wielomian"},
        ControlRow{
            "Command1", "QPushButton", 1785, 4620, 1065, 330, "oblicz", Qt::AlignLeft, false},
        ControlRow{"Text3", "QLineEdit", 3780, 945, 540, 330, "58", Qt::AlignRight, false, "p"},
        ControlRow{"Text2", "QLineEdit", 2100, 945, 540, 330, "34", Qt::AlignRight, false, "n"},
        ControlRow{"Text1", "QLineEdit", 525, 945, 540, 330, "16", Qt::AlignRight, false, "m"},
        ControlRow{"Label7", "QLabel", 3465, 960, 330, 330, "p =", kTopLeft, false},
        ControlRow{"Label6", "QLabel", 1785, 960, 330, 330, "n =", kTopLeft, false},
        ControlRow{"Label5", "QLabel", 210, 960, 330, 330, "m =", kTopLeft, false},
        ControlRow{"Label4", "QLabel", 210, 525, 3375, 225,
            "Zmienna x przyjmuje wartości x=1, x=2, x=3.", kTopLeft, false},
        ControlRow{"Label3", "QLabel", 210, 315, 5685, 330, "gdzie a, b, c są dowolnymi liczbami. ",
            kTopLeft, false},
        ControlRow{"Label1", "QLabel", 210, 105, 4320, 330,
            "Losuj lub wpisz trzy liczby na podstwie wzoru: y = ax^2+bx+c", kTopLeft, false}),
    testing::RowName());

TEST(Form1, IsAFixedLightOrangeWindowWithCloseButtonOnly)
{
    const TestWindow window;
    const Form1& form = window.form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Parabolix"));
    EXPECT_EQ(form.minimumSize(), QSize(308, 336));
    EXPECT_EQ(form.maximumSize(), QSize(308, 336));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(255, 192, 128));
    EXPECT_TRUE(form.autoFillBackground());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.children().indexOf(form.Label1), 0) << "labels lie beneath everything";
    EXPECT_EQ(form.Label5->buddy(), form.Text1);
}

TEST(Form1, EveryCaptionFitsOnOneLineInItsBox)
{
    const TestWindow window;
#ifndef Q_OS_WIN
    EXPECT_EQ(QFontInfo(window.form.font()).family(), QStringLiteral("Liberation Sans"));
#endif
    for (const QLabel* label : window.form.findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
        EXPECT_LE(metrics.height(), label->height()) << label->objectName().toStdString();
    }
    for (const QPushButton* button : window.form.findChildren<QPushButton*>())
        EXPECT_LT(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width());
}

TEST(Form1, TabFollowsTheClassicOrderAndEnterClicksNothing)
{
    TestWindow window;
    window.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window.form));
    ASSERT_EQ(QApplication::focusWidget(), window.form.Text1);

    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(QLatin1Char(' ')),
        QStringLiteral("Text2 Text3 Command1 Text4 Command2 Text5 Text6 Text1"));

    QTest::keyClick(window.form.Text1, Qt::Key_Return);
    EXPECT_EQ(window.form.Text4->text(), QString());
}

void typeAndSolve(TestWindow& window, const char* m, const char* n, const char* p)
{
    window.form.Text1->setText(QString::fromUtf8(m));
    window.form.Text2->setText(QString::fromUtf8(n));
    window.form.Text3->setText(QString::fromUtf8(p));
    QTest::mouseClick(window.form.Command1, Qt::LeftButton);
}

TEST(Form1, ObliczOnTheStartValuesWritesFormulasAndPolynomial)
{
    TestWindow window;
    QTest::mouseClick(window.form.Command1, Qt::LeftButton);
    EXPECT_EQ(window.form.Text4->text(), QStringLiteral("3x^2+9x+4"));
    EXPECT_EQ(window.form.Text6->toPlainText(),
        QStringLiteral("a=0,5p-n+0,5m=3\nb=4n-2,5m-1,5p=9\nc=3m-3n+p=4\n"));
}

struct SeparatorRow {
    const char* name;
    const char* separator;
    const char* polynomial; // for 1, 2, 4
};

class Form1Separator : public ::testing::TestWithParam<SeparatorRow> { };

TEST_P(Form1Separator, ReadsAndWritesTheUsersSeparator)
{
    TestWindow window(GetParam().separator);
    typeAndSolve(window, "1", "2", "4");
    EXPECT_EQ(window.form.Text4->text(), QString::fromUtf8(GetParam().polynomial));
    EXPECT_TRUE(window.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Settings, Form1Separator,
    ::testing::Values(SeparatorRow{"PolishWritesCommas", ",", "0,5x^2-0,5x+1"},
        SeparatorRow{"CWritesPeriods", ".", "0.5x^2-0.5x+1"}),
    testing::RowName());

TEST(Form1, DrawSetsInputsEmptiesPolynomialAndKeepsFormulas)
{
    TestWindow window;
    QTest::mouseClick(window.form.Command1, Qt::LeftButton);
    const QString formulas = window.form.Text6->toPlainText();
    QTest::mouseClick(window.form.Command2, Qt::LeftButton);
    EXPECT_EQ(window.form.Text1->text(), QStringLiteral("7"));
    EXPECT_EQ(window.form.Text2->text(), QStringLiteral("58"));
    EXPECT_EQ(window.form.Text3->text(), QStringLiteral("101"));
    EXPECT_EQ(window.form.Text4->text(), QString());
    EXPECT_EQ(window.form.Text5->toPlainText(),
        QStringLiteral("Liczby a,b,c są rozwiązaniami ukladu równań:\na+b+c = 7\n"
                       "4a+2b+c = 58\n9a+3b+c = 101\n"));
    EXPECT_EQ(window.form.Text6->toPlainText(), formulas);
}

// A 10 MB paste, far past the 100 000 characters a field must take.
TEST(Form1, OverflowIsReportedOnceAndTheWindowGoesOn)
{
    TestWindow window;
    QTest::mouseClick(window.form.Command1, Qt::LeftButton);
    window.form.Text1->clear();
    window.form.Text1->insert(QString(10 << 20, QLatin1Char('9'))); // as a paste would
    ASSERT_EQ(window.form.Text1->text().size(), 10 << 20);

    QTest::mouseClick(window.form.Command1, Qt::LeftButton);
    ASSERT_EQ(window.messages.size(), 1U);
    EXPECT_EQ(window.messages.front(), QStringLiteral("Przepełnienie: liczba jest zbyt duża."));
    EXPECT_EQ(window.form.Text4->text(), QStringLiteral("3x^2+9x+4"));

    typeAndSolve(window, "1", "0", "1");
    EXPECT_EQ(window.form.Text4->text(), QStringLiteral("x^2-4x+4"));
    EXPECT_EQ(window.messages.size(), 1U);
}

// Under the sanitizer build the leak checker sees every allocation these
// clicks make; anything kept beyond the window's life is reported.
TEST(Form1, ThousandsOfClicksLeaveTheWindowWorking)
{
    TestWindow window;
    for (int i = 0; i < 2000; ++i) {
        QTest::mouseClick(window.form.Command1, Qt::LeftButton);
        QTest::mouseClick(window.form.Command2, Qt::LeftButton);
    }
    QTest::mouseClick(window.form.Command1, Qt::LeftButton);
    EXPECT_EQ(window.form.Text4->text(), QStringLiteral("-4x^2+63x-52")); // 7, 58, 101
    EXPECT_TRUE(window.messages.empty());
}

} // namespace
} // namespace parabolix::ui
