#include "regional_settings.h"

#include <QLocale>

#include <algorithm>

namespace parabolix::ui {

std::string usableDecimalSeparator(const QString& separator)
{
    const auto confusing = [](QChar c) {
        return c.isDigit() || c.isSpace() || c.category() == QChar::Other_Control
            || QStringView(u"+-eE").contains(c);
    };
    if (separator.isEmpty() || separator.size() > 3
        || std::any_of(separator.begin(), separator.end(), confusing))
        return ".";
    return separator.toStdString();
}

std::string decimalSeparatorOf(const QString& localeName)
{
    // "pl_PL.UTF-8@euro": the codeset and modifier say nothing of numbers.
    const QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QLocale locale(name);
    if (name.isEmpty() || locale.language() == QLocale::C)
        return ".";
    return usableDecimalSeparator(locale.decimalPoint());
}

std::string userDecimalSeparator()
{
#ifdef Q_OS_WIN
    return usableDecimalSeparator(QLocale::system().decimalPoint());
#else
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return decimalSeparatorOf(value);
    }
    return ".";
#endif
}

} // namespace parabolix::ui
