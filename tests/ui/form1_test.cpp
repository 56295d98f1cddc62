#include "form1.h"
#include "scripted_chance.h"
#include "table.h"
#include "taskbar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace parabolix::ui {
namespace {

const QColor kNavy(0, 0, 128);

// A window whose error messages are collected instead of shown.
struct TestWindow {
    TestWindow()
        : form({.decimalSeparator = ",",
            .generator = std::make_unique<testing::ScriptedGenerator>(),
            .reportError
            = [this](QWidget*, const QString& message) { messages.push_back(message); }})
    {
    }

    void solve(const char* m, const char* n, const char* p)
    {
        form.Text1->setText(QString::fromUtf8(m));
        form.Text2->setText(QString::fromUtf8(n));
        form.Text3->setText(QString::fromUtf8(p));
        form.Command1->click();
    }

    std::vector<QString> messages;
    Form1 form;
};

struct ControlRow {
    const char* name;
    const char* className;
    QRect twips; // as the classic dialog was drawn; 15 twips make a pixel
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
    const QRect& t = row.twips;
    EXPECT_EQ(widget->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
    const QVariant text = widget->property("text");
    EXPECT_EQ(text.isValid() ? text : widget->property("plainText"), QString::fromUtf8(row.text));
    const QVariant alignment = widget->property("alignment");
    EXPECT_EQ(alignment.isValid() ? alignment.value<Qt::Alignment>() & ~Qt::AlignVCenter
                                  : Qt::Alignment(),
        row.alignment);
    EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(row.accessibleName));
    EXPECT_EQ(widget->property("readOnly").toBool(), row.readOnly);
    EXPECT_FALSE(widget->autoFillBackground()) << "labels are transparent";
    EXPECT_NE(widget->property("wordWrap"), QVariant(false)) << "labels wrap";
    EXPECT_NE(widget->property("maxLength"), QVariant(32767)) << "no length limit";
    if (!qobject_cast<const QPushButton*>(widget)) {
        EXPECT_EQ(widget->palette().color(widget->foregroundRole()), kNavy);
    }
}

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

INSTANTIATE_TEST_SUITE_P(Table, Form1Controls,
    ::testing::Values(ControlRow{"Text6", "QPlainTextEdit", {315, 3150, 4005, 960},
                          "a=0,5p-n+0,5m\nb=4n-2,5m-1,5p\nc=3m-3n+p\n", {}, true, "Wzory"},
        ControlRow{"Text5", "QPlainTextEdit", {315, 1785, 4005, 1275},
            "Liczby a,b,c są rozwiązaniami ukladu równań:\na+b+c = m\n4a+2b+c = n\n"
            "9a+3b+c = p\n",
            {}, true, "Układ równań"},
        ControlRow{"Command2", "QPushButton", {1155, 1365, 2220, 330},
            "Wyznacz trzy liczby m, n, p", {}, false},
        ControlRow{"Text4", "QLineEdit", {315, 4200, 4005, 330}, "", Qt::AlignHCenter, true,
            "Wielomian"},
        ControlRow{"Command1", "QPushButton", {1785, 4620, 1065, 330}, "oblicz", {}, false},
        ControlRow{"Text3", "QLineEdit", {3780, 945, 540, 330}, "58", Qt::AlignRight, false, "p"},
        ControlRow{"Text2", "QLineEdit", {2100, 945, 540, 330}, "34", Qt::AlignRight, false, "n"},
        ControlRow{"Text1", "QLineEdit", {525, 945, 540, 330}, "16", Qt::AlignRight, false, "m"},
        ControlRow{"Label7", "QLabel", {3465, 960, 330, 330}, "p =", kTopLeft, false},
        ControlRow{"Label6", "QLabel", {1785, 960, 330, 330}, "n =", kTopLeft, false},
        ControlRow{"Label5", "QLabel", {210, 960, 330, 330}, "m =", kTopLeft, false},
        ControlRow{"Label4", "QLabel", {210, 525, 3375, 225},
            "Zmienna x przyjmuje wartości x=1, x=2, x=3.", kTopLeft, false},
        ControlRow{"Label3", "QLabel", {210, 315, 5685, 330},
            "gdzie a, b, c są dowolnymi liczbami. ", kTopLeft, false},
        ControlRow{"Label1", "QLabel", {210, 105, 4320, 330},
            "Losuj lub wpisz trzy liczby na podstwie wzoru: y = ax^2+bx+c", kTopLeft, false}),
    testing::RowName());

// The text areas can still be reached and selected by keyboard; they wrap
// and have no scroll bars.
TEST(Form1, TextAreasAreReadOnlyButSelectable)
{
    const TestWindow window;
    for (const QPlainTextEdit* area : {window.form.Text5, window.form.Text6}) {
        EXPECT_TRUE(area->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        EXPECT_EQ(area->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
}

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
    EXPECT_FALSE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.children().indexOf(form.Label1), 0) << "labels lie beneath everything";
    EXPECT_EQ(form.Label5->buddy(), form.Text1);
}

#ifdef Q_OS_WIN
// What Windows itself draws: a close button (it needs the system menu), no
// minimise or maximise button, a frame that cannot be dragged to a new size,
// and no taskbar button (an owner, and no WS_EX_APPWINDOW).
TEST(Form1, OnWindowsHasAFixedDialogFrameAndNoTaskbarButton)
{
    TestWindow window;
    keepOffTaskbar(window.form);
    window.form.show();
    const auto hwnd = reinterpret_cast<HWND>(window.form.winId());
    const auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_NE(GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_FALSE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}
#endif

TEST(Form1, EveryCaptionFitsOnOneLineInItsBox)
{
    const TestWindow window;
    // Arial, or Liberation Sans, drawn to its metrics, where it is missing.
    const QString family = QFontInfo(window.form.font()).family();
    EXPECT_TRUE(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"))
        << family.toStdString();
    for (const QLabel* label : window.form.findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
        EXPECT_LE(metrics.height(), label->height()) << label->objectName().toStdString();
    }
    for (const QPushButton* button : window.form.findChildren<QPushButton*>())
        EXPECT_LT(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width());
}

void pressKey(QWidget* widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

TEST(Form1, TabFollowsTheClassicOrderAndEnterClicksNothing)
{
    TestWindow window;
    window.form.show();
    ASSERT_EQ(window.form.focusWidget(), window.form.Text1);

    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        pressKey(window.form.focusWidget(), Qt::Key_Tab);
        visited << window.form.focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(QLatin1Char(' ')),
        QStringLiteral("Text2 Text3 Command1 Text4 Command2 Text5 Text6 Text1"));

    pressKey(window.form.Text1, Qt::Key_Return);
    EXPECT_EQ(window.form.Text4->text(), QString());
}

// The window hands the riddle its user's separator; the draw keeps the
// formulas of the last solve.
TEST(Form1, ObliczSolvesWithTheUsersSeparatorAndTheDrawKeepsTheFormulas)
{
    TestWindow window;
    window.solve("1", "2", "4");
    EXPECT_EQ(window.form.Text4->text(), QStringLiteral("0,5x^2-0,5x+1"));
    const QString formulas = window.form.Text6->toPlainText();
    EXPECT_EQ(formulas, QStringLiteral("a=0,5p-n+0,5m=0,5\nb=4n-2,5m-1,5p=-0,5\nc=3m-3n+p=1\n"));

    window.form.Command2->click();
    EXPECT_EQ(window.form.Text1->text() + window.form.Text4->text(), QStringLiteral("7"));
    EXPECT_EQ(window.form.Text6->toPlainText(), formulas);
    EXPECT_TRUE(window.messages.empty());
}

// 10 MB typed or pasted into m: one message, and the window goes on.
TEST(Form1, OverflowIsReportedOnceAndTheWindowGoesOn)
{
    TestWindow window;
    window.solve("1", "0", "1");
    window.solve(QString(10 << 20, QLatin1Char('9')).toLatin1().constData(), "0", "1");
    EXPECT_EQ(window.messages, std::vector<QString>{QStringLiteral("Przepełnienie: liczba jest zbyt duża.")});
    EXPECT_EQ(window.form.Text4->text(), QStringLiteral("x^2-4x+4"));
    window.solve("16", "34", "58");
    EXPECT_EQ(window.form.Text4->text(), QStringLiteral("3x^2+9x+4"));
    EXPECT_EQ(window.messages.size(), 1U);
}

} // namespace
} // namespace parabolix::ui
