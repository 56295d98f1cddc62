#include "widget_fields.h"

#include "view/window_description.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace parabolix::ui {

namespace {

std::size_t indexOf(Field field)
{
    return static_cast<std::size_t>(field);
}

} // namespace

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

WidgetFields::WidgetFields(const QWidget& form)
{
    for (Field field : kAllFields) {
        const QString name = fromUtf8(fieldName(field));
        if (window::find(fieldName(field))->kind == window::Kind::LineEdit)
            m_lines.at(indexOf(field))
                = form.findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
        else
            m_areas.at(indexOf(field))
                = form.findChild<QPlainTextEdit*>(name, Qt::FindDirectChildrenOnly);
    }
}

std::string WidgetFields::text(Field field) const
{
    if (QLineEdit* line = m_lines.at(indexOf(field)))
        return line->text().toStdString();
    // The document keeps paragraphs, not line-break characters.
    QString text = m_areas.at(indexOf(field))->toPlainText();
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

void WidgetFields::setText(Field field, std::string_view text)
{
    if (QLineEdit* line = m_lines.at(indexOf(field))) {
        line->setText(fromUtf8(text));
        return;
    }
    QString lines = fromUtf8(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_areas.at(indexOf(field))->setPlainText(lines);
}

} // namespace parabolix::ui
