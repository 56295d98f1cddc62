#include "accessible_line_edit.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace parabolix::ui {

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* lineEdit)
    : QAccessibleWidget(lineEdit, QAccessible::EditableText)
{
}

QLineEdit* AccessibleLineEdit::lineEdit() const
{
    return static_cast<QLineEdit*>(widget());
}

void* AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = lineEdit()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
}

QString AccessibleLineEdit::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return lineEdit()->text();
    return QAccessibleWidget::text(type);
}

void AccessibleLineEdit::setText(QAccessible::Text type, const QString& text)
{
    if (type == QAccessible::Value && !lineEdit()->isReadOnly())
        lineEdit()->setText(text);
}

void AccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && lineEdit()->hasSelectedText()) {
        *startOffset = lineEdit()->selectionStart();
        *endOffset = lineEdit()->selectionEnd();
    }
}

int AccessibleLineEdit::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    return lineEdit()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::characterCount() const
{
    return static_cast<int>(lineEdit()->text().size());
}

// QLineEdit tells only which caret position lies nearest a point, so the
// centre of a character is where that position passes the character.
QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (character.isEmpty())
        return {};
    const int middle = lineEdit()->height() / 2;
    int left = 0;
    int right = lineEdit()->width();
    while (left < right) {
        const int x = (left + right) / 2;
        if (lineEdit()->cursorPositionAt({x, middle}) > offset)
            right = x;
        else
            left = x + 1;
    }
    const QFontMetrics metrics(lineEdit()->font());
    const int width = metrics.horizontalAdvance(character);
    const QRect rect(left - width / 2, middle - metrics.height() / 2, width, metrics.height());
    return rect.translated(lineEdit()->mapToGlobal(QPoint(0, 0)));
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

QString AccessibleLineEdit::attributes(int offset, int* startOffset, int* endOffset) const
{
    Q_UNUSED(offset)
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void AccessibleLineEdit::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (lineEdit()->isReadOnly())
        return;
    lineEdit()->setText(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace parabolix::ui
