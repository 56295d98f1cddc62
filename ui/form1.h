// Form1: the program's only window, with its fourteen controls laid out as
// the classic fixed dialog was, and three events wired to the riddle.
#pragma once

#include "riddle/chance.h"
#include "riddle/number_text.h"
#include "view/session.h"
#include "widget_fields.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace parabolix::ui {

// Tells the user that an operation failed; `parent` is the window.
using ErrorReporter = std::function<void(QWidget* parent, const QString& message)>;

// Chooses how the window's text is drawn; call it before the application
// object is made. On Windows that is DirectWrite: Qt 6.4's default GDI engine
// draws small text unsmoothed and unevenly spaced. Elsewhere it does nothing.
void chooseFontEngine();

// Shows `message` in a modal message box titled "Parabolix".
void showErrorBox(QWidget* parent, const QString& message);

// What the window needs from outside: the user's decimal separator, where
// the draw's chance comes from, and how errors reach the user.
struct Form1Setup {
    DecimalSeparator decimalSeparator;
    std::unique_ptr<RandomGenerator> generator = std::make_unique<MixingGenerator>();
    std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    ErrorReporter reportError = showErrorBox;
};

class Form1 final : public QWidget {
    Q_OBJECT

public:
    // Creates the window and its controls and writes the start texts; the
    // caller shows it.
    explicit Form1(Form1Setup setup = {}, QWidget* parent = nullptr);

    // The controls keep the names users and testers know them by.
    QPlainTextEdit* const Text6;
    QPlainTextEdit* const Text5;
    QPushButton* const Command2;
    QLineEdit* const Text4;
    QPushButton* const Command1;
    QLineEdit* const Text3;
    QLineEdit* const Text2;
    QLineEdit* const Text1;
    QLabel* const Label7;
    QLabel* const Label6;
    QLabel* const Label5;
    QLabel* const Label4;
    QLabel* const Label3;
    QLabel* const Label1;

private:
    // Shows what the session returned after an event: the error in a box,
    // and the news told to a screen reader without moving the focus. The
    // window goes on with whatever the event had written.
    void display(const view::Shown& shown);

    Form1Setup m_setup;
    WidgetFields m_fields;
    view::Session m_session;
    QWidget* m_notice;
};

} // namespace parabolix::ui
