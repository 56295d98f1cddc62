#include "widget_fields.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace parabolix::ui {

namespace {

constexpr std::size_t kLineCount = 4;

std::size_t indexOf(Field field)
{
    return static_cast<std::size_t>(field);
}

} // namespace

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

WidgetFields::WidgetFields(QLineEdit* text1, QLineEdit* text2, QLineEdit* text3, QLineEdit* text4,
    QPlainTextEdit* text5, QPlainTextEdit* text6)
    : m_lines{text1, text2, text3, text4}
    , m_areas{text5, text6}
{
}

std::string WidgetFields::text(Field field) const
{
    if (indexOf(field) < kLineCount)
        return m_lines.at(indexOf(field))->text().toStdString();
    // The document keeps paragraphs, not line-break characters.
    QString text = m_areas.at(indexOf(field) - kLineCount)->toPlainText();
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

void WidgetFields::setText(Field field, std::string_view text)
{
    if (indexOf(field) < kLineCount) {
        m_lines.at(indexOf(field))->setText(fromUtf8(text));
        return;
    }
    QString lines = fromUtf8(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_areas.at(indexOf(field) - kLineCount)->setPlainText(lines);
}

} // namespace parabolix::ui
