#include "regional_settings.h"

#include "number_text.h"

#include <QLocale>

namespace parabolix::ui {

namespace {

std::string usableSeparator(const QString& separator)
{
    return std::string(usableDecimalSeparator(separator.toStdString()));
}

} // namespace

std::string decimalSeparatorOf(const QString& localeName)
{
    // "pl_PL.UTF-8@euro": the codeset and modifier say nothing of numbers.
    const QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QLocale locale(name);
    if (name.isEmpty() || locale.language() == QLocale::C)
        return ".";
    return usableSeparator(locale.decimalPoint());
}

std::string userDecimalSeparator()
{
#ifdef Q_OS_WIN
    return usableSeparator(QLocale::system().decimalPoint());
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
