#include "form1.h"

#include "accessible_line_edit.h"
#include "view/window_description.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <limits>
#include <mutex>

namespace parabolix::ui {

namespace {

constexpr QRect pixels(window::Twips rect)
{
    constexpr int perPixel = window::kTwipsPerPixel;
    return {
        rect.left / perPixel, rect.top / perPixel, rect.width / perPixel, rect.height / perPixel};
}

QColor qColor(window::Colour colour)
{
    return {colour.red, colour.green, colour.blue};
}

// A fixed dialog frame with a close button only. Windows draws the close
// button only with a system menu, and a thin frame only for a fixed dialog.
constexpr Qt::WindowFlags kFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// The window's notice to a screen reader: nothing on screen, a notification
// on the accessibility bus.
const QLatin1String kNoticeName("Notice");

// The window's one font. Windows takes the first family it has; on Linux
// Liberation Sans is asked for by name, as it lays the captions out as Arial
// does.
QFont dialogFont()
{
    QFont font;
    QStringList families;
    for (std::string_view family : window::kFontFamilies)
        families.append(fromUtf8(family));
#ifndef Q_OS_WIN
    families.removeFirst();
#endif
    font.setFamilies(families);
    font.setPixelSize(window::kFontSize / window::kTwipsPerPixel);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// A plain top-level widget would be announced as a mere filler; a screen
// reader should meet this window as an application frame. A single-line box
// must be read whole.
QAccessibleInterface* accessibleInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("parabolix::ui::Form1") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(static_cast<QLineEdit*>(object));
    if (className == QLatin1String("QWidget") && object->objectName() == kNoticeName)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

// Installed before the first control is made: a screen reader may ask about a
// control as soon as it exists, and Qt keeps the first answer.
void installAccessibleInterfaces()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(accessibleInterface); });
}

// The kind of control each widget type shows.
template <typename Widget>
constexpr window::Kind kKindOf = window::Kind::Label;
template <>
constexpr window::Kind kKindOf<QLineEdit> = window::Kind::LineEdit;
template <>
constexpr window::Kind kKindOf<QPlainTextEdit> = window::Kind::TextArea;
template <>
constexpr window::Kind kKindOf<QPushButton> = window::Kind::Button;

// The control of the window's description named `name`, to be made as a
// `Widget`: a control the description gives another kind does not compile.
template <typename Widget>
struct Described {
    // Implicit, as a name is what callers write.
    // cppcheck-suppress noExplicitConstructor
    consteval Described(const char* name) // NOLINT(google-explicit-constructor)
        : control(window::control(name))
    {
        if (control.kind != kKindOf<Widget>)
            throw "the window's description gives this control another kind";
    }
    const window::Control& control;
};

template <typename Widget>
Widget* place(QWidget* parent, const window::Control& control)
{
    installAccessibleInterfaces();
    auto* widget = new Widget(parent);
    widget->setObjectName(fromUtf8(control.name));
    widget->setGeometry(pixels(control.rect));
    if (!control.accessibleName.empty())
        widget->setAccessibleName(fromUtf8(control.accessibleName));
    return widget;
}

// Takes no room on screen.
QWidget* makeNotice(QWidget* parent)
{
    installAccessibleInterfaces();
    auto* notice = new QWidget(parent);
    notice->setObjectName(kNoticeName);
    notice->setGeometry({});
    return notice;
}

constexpr Qt::Alignment qAlignment(window::Alignment alignment)
{
    switch (alignment) {
    case window::Alignment::Centre:
        return Qt::AlignHCenter;
    case window::Alignment::Right:
        return Qt::AlignRight;
    case window::Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QLineEdit* makeLineEdit(QWidget* parent, Described<QLineEdit> described)
{
    const window::Control& control = described.control;
    auto* box = place<QLineEdit>(parent, control);
    box->setMaxLength(std::numeric_limits<int>::max()); // Qt would stop at 32767
    box->setAlignment(qAlignment(control.alignment) | Qt::AlignVCenter);
    box->setReadOnly(control.readOnly);
    return box;
}

QPlainTextEdit* makeTextArea(QWidget* parent, Described<QPlainTextEdit> described)
{
    auto* box = place<QPlainTextEdit>(parent, described.control);
    box->setReadOnly(true);
    // Read-only, but a keyboard user can still reach, select and copy.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WordWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QPushButton* makeButton(QWidget* parent, Described<QPushButton> described)
{
    auto* button = place<QPushButton>(parent, described.control);
    button->setText(fromUtf8(described.control.caption));
    return button;
}

QLabel* makeLabel(QWidget* parent, Described<QLabel> described)
{
    const window::Control& control = described.control;
    auto* label = place<QLabel>(parent, control);
    label->setTextFormat(Qt::PlainText);
    label->setText(fromUtf8(control.caption));
    label->setWordWrap(true);
    label->setAlignment(qAlignment(control.alignment) | Qt::AlignTop);
    return label;
}

} // namespace

void chooseFontEngine()
{
#ifdef Q_OS_WIN
    // A -platform argument or the variable set by hand still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=directwrite");
#endif
}

void showErrorBox(QWidget* parent, const QString& message)
{
    QMessageBox box(
        QMessageBox::Critical, fromUtf8(window::kTitle), message, QMessageBox::Ok, parent);
    box.exec();
}

Form1::Form1(Form1Setup setup, QWidget* parent)
    : QWidget(parent, kFrame)
    , Text6(makeTextArea(this, "Text6"))
    , Text5(makeTextArea(this, "Text5"))
    , Command2(makeButton(this, "Command2"))
    , Text4(makeLineEdit(this, "Text4"))
    , Command1(makeButton(this, "Command1"))
    , Text3(makeLineEdit(this, "Text3"))
    , Text2(makeLineEdit(this, "Text2"))
    , Text1(makeLineEdit(this, "Text1"))
    , Label7(makeLabel(this, "Label7"))
    , Label6(makeLabel(this, "Label6"))
    , Label5(makeLabel(this, "Label5"))
    , Label4(makeLabel(this, "Label4"))
    , Label3(makeLabel(this, "Label3"))
    , Label1(makeLabel(this, "Label1"))
    , m_setup(std::move(setup))
    , m_fields(*this)
    , m_session(m_fields, m_setup.decimalSeparator, *m_setup.generator, *m_setup.clock)
    , m_notice(makeNotice(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(fromUtf8(window::kTitle));
    setFixedSize(pixels({0, 0, window::kWidth, window::kHeight}).size());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, qColor(window::kBackground));
    colours.setColor(QPalette::WindowText, qColor(window::kTextColour));
    colours.setColor(QPalette::Text, qColor(window::kTextColour));
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(dialogFont());

    // Labels lie on the window's surface, beneath every box and button.
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        label->lower();
    // A label that names a box gives a screen reader the box's name: its
    // letter alone ("m", not "m =").
    for (const window::Control& control : window::kControls) {
        if (control.buddy.empty())
            continue;
        auto* label = findChild<QLabel*>(fromUtf8(control.name), Qt::FindDirectChildrenOnly);
        auto* box = findChild<QLineEdit*>(fromUtf8(control.buddy), Qt::FindDirectChildrenOnly);
        label->setBuddy(box);
        box->setAccessibleName(label->text().section(QLatin1Char(' '), 0, 0));
    }

    QWidget* previous = nullptr;
    for (std::string_view name : window::kTabOrder) {
        auto* next = findChild<QWidget*>(fromUtf8(name), Qt::FindDirectChildrenOnly);
        if (previous != nullptr)
            setTabOrder(previous, next);
        previous = next;
    }

    connect(Command1, &QPushButton::clicked, this, [this] { display(m_session.solve()); });
    connect(Command2, &QPushButton::clicked, this, [this] { display(m_session.draw()); });

    display(m_session.start());
    Text1->setFocus();
}

// Orca speaks a notification as it appears, wherever the focus is. NVDA and
// Narrator speak a UI Automation notification event, which Qt raises for a
// text "value change" (and only where Windows has the event, since 1709).
void Form1::display(const view::Shown& shown)
{
    if (!shown.error.empty())
        m_setup.reportError(this, fromUtf8(shown.error));
    if (shown.announcement.empty())
        return;
    const QString news = fromUtf8(shown.announcement);
    m_notice->hide();
    m_notice->setAccessibleName(news);
    m_notice->show();
#ifdef Q_OS_WIN
    QAccessibleValueChangeEvent notification(m_notice, news);
    QAccessible::updateAccessibility(&notification);
#endif
}

} // namespace parabolix::ui
