#include "form1.h"
#include "taskbar.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace parabolix::ui {
namespace {

// A window whose error message fails the test instead of waiting in a box.
struct TestWindow {
    Form1 form{{.decimalSeparator = DecimalSeparator(","),
        .reportError
        = [](QWidget*, const QString& message) { ADD_FAILURE() << message.toStdString(); }}};
};

// A label's caption is drawn from the top left of its rectangle.
constexpr Qt::Alignment kTop = Qt::AlignLeft | Qt::AlignTop;

// Each control as the eye and a screen reader meet it, written out here
// rather than read from the window's description, so that a wrong
// description fails: its kind, its place in twips (15 to a pixel), its
// caption, the name a screen reader gives it, and its alignment ({}: the
// toolkit's own, for the text areas and buttons).
struct ControlRow {
    const char* name;
    const char* type;
    std::array<int, 4> twips; // left, top, width, height
    const char* caption;
    Qt::Alignment alignment;
    const char* accessibleName = caption; // a box's own name
};

const std::vector<ControlRow> kShown{
    {"Text6", "QPlainTextEdit", {315, 3150, 4005, 960}, "", {}, "Wzory"},
    {"Text5", "QPlainTextEdit", {315, 1785, 4005, 1275}, "", {}, "Układ równań"},
    {"Command2", "QPushButton", {1155, 1365, 2220, 330}, "Wyznacz trzy liczby m, n, p", {}},
    {"Text4", "QLineEdit", {315, 4200, 4005, 330}, "", Qt::AlignHCenter | Qt::AlignVCenter,
        "Wielomian"},
    {"Command1", "QPushButton", {1785, 4620, 1065, 330}, "oblicz", {}},
    {"Text3", "QLineEdit", {3780, 945, 540, 330}, "", Qt::AlignRight | Qt::AlignVCenter, "p"},
    {"Text2", "QLineEdit", {2100, 945, 540, 330}, "", Qt::AlignRight | Qt::AlignVCenter, "n"},
    {"Text1", "QLineEdit", {525, 945, 540, 330}, "", Qt::AlignRight | Qt::AlignVCenter, "m"},
    {"Label7", "QLabel", {3465, 960, 330, 330}, "p =", kTop},
    {"Label6", "QLabel", {1785, 960, 330, 330}, "n =", kTop},
    {"Label5", "QLabel", {210, 960, 330, 330}, "m =", kTop},
    {"Label4", "QLabel", {210, 525, 3375, 225}, "Zmienna x przyjmuje wartości x=1, x=2, x=3.",
        kTop},
    {"Label3", "QLabel", {210, 315, 5685, 330}, "gdzie a, b, c są dowolnymi liczbami. ", kTop},
    {"Label1", "QLabel", {210, 105, 4320, 330},
        "Losuj lub wpisz trzy liczby na podstwie wzoru: y = ax^2+bx+c", kTop},
};

class Form1Control : public ::testing::TestWithParam<ControlRow> { };

// Its caption fits whole on one line; a box takes typing (and so opens the
// on-screen keyboard on a tap) only if it is one of the three inputs; navy
// text on the window's light orange, but on the buttons; no length limit on
// any box (Qt's own stops at 32767).
TEST_P(Form1Control, IsMadeAsTheWindowShowsIt)
{
    const ControlRow& row = GetParam();
    const TestWindow window;
    auto* widget
        = window.form.findChild<QWidget*>(QString::fromUtf8(row.name), Qt::FindDirectChildrenOnly);
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), row.type);
    const QRect place = widget->geometry();
    EXPECT_EQ((std::array{place.x() * 15, place.y() * 15, place.width() * 15, place.height() * 15}),
        row.twips);
    const QString caption = widget->property("text").toString();
    if (*row.caption != '\0') {
        EXPECT_EQ(caption.toStdString(), row.caption);
        const QFontMetrics metrics(widget->font());
        EXPECT_LT(metrics.horizontalAdvance(caption), widget->width());
        EXPECT_LE(metrics.height(), widget->height());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString(),
        row.accessibleName);
    EXPECT_EQ(widget->property("alignment").value<Qt::Alignment>(), row.alignment);
    // A read-only area can still be reached, selected and copied from the keyboard.
    if (std::string_view(row.type) == "QPlainTextEdit") {
        EXPECT_TRUE(widget->property("textInteractionFlags").value<Qt::TextInteractionFlags>()
            & Qt::TextSelectableByKeyboard);
        EXPECT_TRUE(widget->property("tabChangesFocus").toBool()); // Tab leaves it
    }
    const std::string name = row.name;
    EXPECT_EQ(widget->testAttribute(Qt::WA_InputMethodEnabled),
        name == "Text1" || name == "Text2" || name == "Text3");
    const std::string text = widget->palette().color(widget->foregroundRole()).name().toStdString();
    if (name.starts_with("Command"))
        EXPECT_NE(text, "#000080"); // the toolkit's own button text
    else
        EXPECT_EQ(text, "#000080"); // navy
    EXPECT_EQ(widget->palette().color(QPalette::Window).name().toStdString(), "#ffc080");
    EXPECT_NE(widget->property("maxLength"), QVariant(32767));
}

INSTANTIATE_TEST_SUITE_P(Controls, Form1Control, ::testing::ValuesIn(kShown),
    [](const auto& row) { return std::string(row.param.name); });

// The window itself: its size, title and font; no control beyond those
// above; the order the Tab key takes; the start texts the core gives; and the
// one notification among all widgets.
TEST(Form1, IsAFixedWindowOfFourteenControlsAndATabOrder)
{
    const TestWindow window;
    EXPECT_EQ(window.form.minimumSize(), QSize(308, 336));
#ifdef Q_OS_WIN
    EXPECT_EQ(window.form.font().families().first().toStdString(), "Arial");
#else
    EXPECT_EQ(window.form.font().families().first().toStdString(), "Liberation Sans");
#endif
    EXPECT_EQ(window.form.maximumSize(), QSize(308, 336));
    EXPECT_EQ(window.form.windowTitle().toStdString(), "Parabolix");
    EXPECT_TRUE(window.form.autoFillBackground()); // the light orange behind the labels
    // Arial, or Liberation Sans, drawn to its metrics, where it is missing.
    const QString family = QFontInfo(window.form.font()).family();
    EXPECT_TRUE(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"))
        << family.toStdString();
    const auto all = window.form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(all.size(), std::ssize(kShown) + 1); // and the notice

    std::vector<std::string> order;
    QWidget* widget = window.form.Text1;
    do {
        if (widget->parentWidget() == &window.form && (widget->focusPolicy() & Qt::TabFocus) != 0)
            order.push_back(widget->objectName().toStdString());
        widget = widget->nextInFocusChain();
    } while (widget != window.form.Text1 && order.size() < 20);
    EXPECT_EQ(order,
        (std::vector<std::string>{
            "Text1", "Text2", "Text3", "Command1", "Text4", "Command2", "Text5", "Text6"}));

    FieldRecord expected;
    writeStartTexts(expected);
    const WidgetFields shown(window.form);
    for (Field field : kAllFields)
        EXPECT_EQ(shown.text(field), expected.text(field)) << fieldName(field);
    // One notification among all widgets, and on no part of the screen.
    const auto everything = window.form.findChildren<QWidget*>();
    std::vector<QRect> notices;
    for (QWidget* each : everything) {
        if (QAccessible::queryAccessibleInterface(each)->role() == QAccessible::Notification)
            notices.push_back(each->geometry());
    }
    EXPECT_EQ(notices, std::vector<QRect>{QRect()});
    // A screen reader selects text as a user would.
    QAccessible::queryAccessibleInterface(window.form.Text1)
        ->textInterface()
        ->setSelection(0, 0, 1);
    EXPECT_EQ(window.form.Text1->selectedText().toStdString(), "1");
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

} // namespace
} // namespace parabolix::ui
