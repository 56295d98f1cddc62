#include "form1.h"

#include "accessible_line_edit.h"
#include "riddle.h"

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

// The layout is kept in twips, as the classic dialog was drawn: 15 twips make
// one pixel at 96 dots per inch, and every figure here divides exactly.
constexpr int kTwipsPerPixel = 15;

constexpr QRect twips(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
        height / kTwipsPerPixel};
}

// A fixed dialog frame with a close button only. Windows draws the close
// button only with a system menu, and a thin frame only for a fixed dialog.
constexpr Qt::WindowFlags kFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

constexpr QColor kLightOrange(255, 192, 128);

// The window's notice to a screen reader: nothing on screen, a notification
// on the accessibility bus.
const QLatin1String kNoticeName("Notice");
constexpr QColor kNavy(0, 0, 128);

// The one font of the window: Arial at 10 px (7.5 pt at 96 dpi), the largest
// size at which every caption fits whole on one line in its classic box.
// Every Windows has Arial. Liberation Sans is drawn to Arial's metrics, so it
// lays the captions out the same where Arial is missing: under Wine, and on
// Linux, where it is the font the window asks for.
QFont dialogFont()
{
    QFont font;
#ifdef Q_OS_WIN
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
#else
    font.setFamily(QStringLiteral("Liberation Sans"));
#endif
    font.setPixelSize(10);
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

template <typename Widget>
Widget* place(QWidget* parent, const char* name, QRect rect)
{
    installAccessibleInterfaces();
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect);
    return widget;
}

QLineEdit* makeLineEdit(QWidget* parent, const char* name, QRect rect, const QString& text,
    Qt::Alignment alignment, bool readOnly = false)
{
    auto* box = place<QLineEdit>(parent, name, rect);
    box->setMaxLength(std::numeric_limits<int>::max()); // Qt would stop at 32767
    box->setText(text);
    box->setAlignment(alignment | Qt::AlignVCenter);
    box->setReadOnly(readOnly);
    return box;
}

QPlainTextEdit* makeTextArea(QWidget* parent, const char* name, QRect rect)
{
    auto* box = place<QPlainTextEdit>(parent, name, rect);
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

QPushButton* makeButton(QWidget* parent, const char* name, QRect rect, const QString& caption)
{
    auto* button = place<QPushButton>(parent, name, rect);
    button->setText(caption);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect rect, const QString& caption)
{
    auto* label = place<QLabel>(parent, name, rect);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
        QMessageBox::Critical, QStringLiteral("Parabolix"), message, QMessageBox::Ok, parent);
    box.exec();
}

// The captions are the program's own, odd spellings included: "podstwie"
// here and "ukladu" in the system of equations are what its users know.
Form1::Form1(Form1Setup setup, QWidget* parent)
    : QWidget(parent, kFrame)
    , Text6(makeTextArea(this, "Text6", twips(315, 3150, 4005, 960)))
    , Text5(makeTextArea(this, "Text5", twips(315, 1785, 4005, 1275)))
    , Command2(makeButton(this, "Command2", twips(1155, 1365, 2220, 330),
          QStringLiteral("Wyznacz trzy liczby m, n, p")))
    , Text4(makeLineEdit(this, "Text4", twips(315, 4200, 4005, 330), {}, Qt::AlignHCenter, true))
    , Command1(makeButton(this, "Command1", twips(1785, 4620, 1065, 330), QStringLiteral("oblicz")))
    , Text3(makeLineEdit(this, "Text3", twips(3780, 945, 540, 330),
          QString::fromUtf8(initialText(Field::Text3)), Qt::AlignRight))
    , Text2(makeLineEdit(this, "Text2", twips(2100, 945, 540, 330),
          QString::fromUtf8(initialText(Field::Text2)), Qt::AlignRight))
    , Text1(makeLineEdit(this, "Text1", twips(525, 945, 540, 330),
          QString::fromUtf8(initialText(Field::Text1)), Qt::AlignRight))
    , Label7(makeLabel(this, "Label7", twips(3465, 960, 330, 330), QStringLiteral("p =")))
    , Label6(makeLabel(this, "Label6", twips(1785, 960, 330, 330), QStringLiteral("n =")))
    , Label5(makeLabel(this, "Label5", twips(210, 960, 330, 330), QStringLiteral("m =")))
    , Label4(makeLabel(this, "Label4", twips(210, 525, 3375, 225),
          QStringLiteral("Zmienna x przyjmuje wartości x=1, x=2, x=3.")))
    , Label3(makeLabel(this, "Label3", twips(210, 315, 5685, 330),
          QStringLiteral("gdzie a, b, c są dowolnymi liczbami. ")))
    , Label1(makeLabel(this, "Label1", twips(210, 105, 4320, 330),
          QStringLiteral("Losuj lub wpisz trzy liczby na podstwie wzoru: "
                         "y = ax^2+bx+c")))
    , m_setup(std::move(setup))
    , m_fields(Text1, Text2, Text3, Text4, Text5, Text6)
    , m_notice(place<QWidget>(this, kNoticeName.data(), {}))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Parabolix"));
    setFixedSize(twips(0, 0, 4620, 5040).size());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kLightOrange);
    colours.setColor(QPalette::WindowText, kNavy);
    colours.setColor(QPalette::Text, kNavy);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(dialogFont());

    // Labels lie on the window's surface, beneath every box and button.
    for (QLabel* label : {Label7, Label6, Label5, Label4, Label3, Label1})
        label->lower();

    const std::array<std::pair<QLabel*, QLineEdit*>, 3> buddies{
        {{Label5, Text1}, {Label6, Text2}, {Label7, Text3}}};
    for (const auto& [label, box] : buddies) {
        label->setBuddy(box);
        box->setAccessibleName(label->text().section(QLatin1Char(' '), 0, 0));
    }
    Text4->setAccessibleName(QStringLiteral("Wielomian"));
    Text5->setAccessibleName(QStringLiteral("Układ równań"));
    Text6->setAccessibleName(QStringLiteral("Wzory"));

    const std::array<QWidget*, 8> tabChain{
        Text1, Text2, Text3, Command1, Text4, Command2, Text5, Text6};
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain.at(i - 1), tabChain.at(i));

    connect(Command1, &QPushButton::clicked, this, [this] {
        if (run([this] { solve(m_fields, m_setup.decimalSeparator); }))
            announce(Text4->text());
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (run([this] { draw(m_fields, *m_setup.generator, *m_setup.clock); }))
            announce(QString::fromUtf8(drawnNumbers(m_fields)));
    });

    run([this] { writeStartTexts(m_fields); });
    Text1->setFocus();
}

// Orca speaks a notification as it appears, wherever the focus is. NVDA and
// Narrator speak a UI Automation notification event, which Qt raises for a
// text "value change" (and only where Windows has the event, since 1709).
void Form1::announce(const QString& news)
{
    m_notice->hide();
    m_notice->setAccessibleName(news);
    m_notice->show();
#ifdef Q_OS_WIN
    QAccessibleValueChangeEvent notification(m_notice, news);
    QAccessible::updateAccessibility(&notification);
#endif
}

bool Form1::run(const std::function<void()>& operation)
{
    try {
        operation();
        return true;
    } catch (const Error& error) {
        m_setup.reportError(this, QString::fromUtf8(error.what()));
        return false;
    }
}

} // namespace parabolix::ui
