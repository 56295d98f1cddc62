#include "form1.h"
#include "scripted_chance.h"
#include "taskbar.h"

#include <QAccessible>
#include <QLabel>
#include <QMetaEnum>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace parabolix::ui {
namespace {

// A window whose error messages are collected instead of shown.
struct TestWindow {
    TestWindow()
        : form({.decimalSeparator = DecimalSeparator(","),
            .generator = std::make_unique<testing::ScriptedGenerator>(),
            .reportError
            = [this](QWidget*, const QString& message) { messages.push_back(message); }})
    {
    }

    std::vector<QString> messages;
    Form1 form;
};

// A control as one line of the classic dialog's description: its name, the
// kind a screen reader meets, its rectangle in twips (15 to a pixel),
// alignment, whether it takes typing and so opens the on-screen keyboard on a
// tap, its text, and its name where a screen reader's differs from its text.
std::string describe(const QWidget* widget)
{
    const QAccessibleInterface* accessible
        = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
    const QString name = accessible->text(QAccessible::Name);
    const QRect r = widget->geometry();
    const auto alignment = widget->property("alignment").value<Qt::Alignment>();
    const QVariant property = widget->property("text");
    const QString text = (property.isValid() ? property : widget->property("plainText")).toString();
    const char* align = alignment.testFlag(Qt::AlignRight) ? "right"
        : alignment.testFlag(Qt::AlignHCenter)             ? "centre"
        : alignment.testFlag(Qt::AlignTop)                 ? "top-left"
                                                           : "left";
    QString line
        = QStringLiteral("%1 %2 %3,%4 %5x%6 %7%8%9 \"%10\"%11")
              .arg(widget->objectName(),
                  QLatin1String(
                      QMetaEnum::fromType<QAccessible::Role>().valueToKey(accessible->role())))
              .arg(r.x() * 15)
              .arg(r.y() * 15)
              .arg(r.width() * 15)
              .arg(r.height() * 15)
              .arg(QLatin1String(align),
                  QLatin1String(accessible->state().editable ? " editable" : ""),
                  QLatin1String(
                      widget->testAttribute(Qt::WA_InputMethodEnabled) ? " keyboard" : ""),
                  text, name == text ? QString() : QStringLiteral(" named \"%1\"").arg(name));
    return line.replace(u'\n', QStringLiteral("\\n")).toStdString();
}

// A fixed window; labels first: they lie beneath every box and button. Last,
// the notice a screen reader hears, which takes no room on screen: the only
// notification among all the widgets, the text areas' viewports included.
TEST(Form1, ControlsMatchTheClassicDialog)
{
    const TestWindow window;
    EXPECT_EQ(window.form.minimumSize(), QSize(308, 336));
    EXPECT_EQ(window.form.maximumSize(), QSize(308, 336));
    std::string listing;
    for (const QWidget* widget : window.form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        listing += describe(widget) + '\n';
        // Navy text everywhere but on the buttons, on the window's light
        // orange; no length limit on any box (Qt's own stops at 32767).
        if (!qobject_cast<const QPushButton*>(widget)) {
            EXPECT_EQ(widget->palette().color(widget->foregroundRole()), QColor(0, 0, 128));
        }
        EXPECT_EQ(widget->palette().color(QPalette::Window), QColor(255, 192, 128));
        EXPECT_NE(widget->property("maxLength"), QVariant(32767));
    }
    const auto all = window.form.findChildren<QWidget*>();
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                  [](QWidget* widget) {
                      return QAccessible::queryAccessibleInterface(widget)->role()
                          == QAccessible::Notification;
                  }),
        1);
    EXPECT_EQ(listing,
        R"(Label1 StaticText 210,105 4320x330 top-left "Losuj lub wpisz trzy liczby na podstwie wzoru: y = ax^2+bx+c"
Label3 StaticText 210,315 5685x330 top-left "gdzie a, b, c są dowolnymi liczbami. "
Label4 StaticText 210,525 3375x225 top-left "Zmienna x przyjmuje wartości x=1, x=2, x=3."
Label5 StaticText 210,960 330x330 top-left "m ="
Label6 StaticText 1785,960 330x330 top-left "n ="
Label7 StaticText 3465,960 330x330 top-left "p ="
Text6 EditableText 315,3150 4005x960 left "a=0,5p-n+0,5m\nb=4n-2,5m-1,5p\nc=3m-3n+p\n" named "Wzory"
Text5 EditableText 315,1785 4005x1275 left "Liczby a,b,c są rozwiązaniami ukladu równań:\na+b+c = m\n4a+2b+c = n\n9a+3b+c = p\n" named "Układ równań"
Command2 Button 1155,1365 2220x330 left "Wyznacz trzy liczby m, n, p"
Text4 EditableText 315,4200 4005x330 centre "" named "Wielomian"
Command1 Button 1785,4620 1065x330 left "oblicz"
Text3 EditableText 3780,945 540x330 right editable keyboard "58" named "p"
Text2 EditableText 2100,945 540x330 right editable keyboard "34" named "n"
Text1 EditableText 525,945 540x330 right editable keyboard "16" named "m"
Notice Notification 0,0 0x0 left ""
)");
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

} // namespace
} // namespace parabolix::ui
