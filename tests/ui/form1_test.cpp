#include "form1.h"
#include "taskbar.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <algorithm>

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

QColor colour(window::Colour colour)
{
    return {colour.red, colour.green, colour.blue};
}

// Every control of the window's description, as the eye and a screen reader
// meet it: its place, caption (whole on one line), alignment and name, whether it takes typing
// (and so opens the on-screen keyboard on a tap), navy text on the window's
// light orange, and no length limit on any box (Qt's own stops at 32767).
// Then what the description leaves to the window: the start texts, and the
// one notification among all widgets.
TEST(Form1, ShowsTheWindowsDescription)
{
    const TestWindow window;
    const QSize size(
        window::kWidth / window::kTwipsPerPixel, window::kHeight / window::kTwipsPerPixel);
    EXPECT_EQ(window.form.minimumSize(), size);
    EXPECT_EQ(window.form.maximumSize(), size);
    EXPECT_EQ(window.form.windowTitle().toStdString(), window::kTitle);
    // Arial, or Liberation Sans, drawn to its metrics, where it is missing.
    const QString family = QFontInfo(window.form.font()).family();
    EXPECT_TRUE(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"))
        << family.toStdString();
    for (const window::Control& control : window::kControls) {
        const auto name = QString::fromUtf8(control.name.data(), std::ssize(control.name));
        SCOPED_TRACE(name.toStdString());
        auto* widget = window.form.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        ASSERT_NE(widget, nullptr);
        const auto [left, top, width, height] = control.rect;
        EXPECT_EQ(widget->geometry().topLeft() * window::kTwipsPerPixel, QPoint(left, top));
        EXPECT_EQ(widget->size() * window::kTwipsPerPixel, QSize(width, height));
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        EXPECT_EQ(widget->testAttribute(Qt::WA_InputMethodEnabled),
            control.kind == window::Kind::LineEdit && !control.readOnly);
        // Every caption fits whole on one line in its box.
        if (!control.caption.empty()) {
            const QString caption = widget->property("text").toString();
            EXPECT_EQ(caption.toStdString(), control.caption);
            const QFontMetrics metrics(widget->font());
            EXPECT_LT(metrics.horizontalAdvance(caption), widget->width());
            EXPECT_LE(metrics.height(), widget->height());
        }
        if (!control.accessibleName.empty()) {
            EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), control.accessibleName);
        }
        const auto alignment = widget->property("alignment").value<Qt::Alignment>();
        EXPECT_EQ(
            alignment.testFlag(Qt::AlignRight), control.alignment == window::Alignment::Right);
        EXPECT_EQ(
            alignment.testFlag(Qt::AlignHCenter), control.alignment == window::Alignment::Centre);
        if (control.kind != window::Kind::Button) {
            EXPECT_EQ(
                widget->palette().color(widget->foregroundRole()), colour(window::kTextColour));
        }
        EXPECT_EQ(widget->palette().color(QPalette::Window), colour(window::kBackground));
        EXPECT_NE(widget->property("maxLength"), QVariant(32767));
    }
    FieldRecord expected;
    writeStartTexts(expected);
    const WidgetFields shown(window.form.Text1, window.form.Text2, window.form.Text3,
        window.form.Text4, window.form.Text5, window.form.Text6);
    for (Field field : kAllFields)
        EXPECT_EQ(shown.text(field), expected.text(field)) << fieldName(field);
    const auto all = window.form.findChildren<QWidget*>();
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                  [](QWidget* widget) {
                      return QAccessible::queryAccessibleInterface(widget)->role()
                          == QAccessible::Notification;
                  }),
        1);
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
