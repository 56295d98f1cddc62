#include "regional_settings.h"

#include <QLocale>

namespace parabolix::ui {

DecimalSeparator decimalSeparatorOf(const QString& localeName)
{
    // "pl_PL.UTF-8@euro": the codeset and modifier say nothing of numbers.
    const QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QLocale locale(name);
    if (name.isEmpty() || locale.language() == QLocale::C)
        return {};
    return DecimalSeparator(locale.decimalPoint().toStdString());
}

DecimalSeparator userDecimalSeparator()
{
#ifdef Q_OS_WIN
    return DecimalSeparator(QLocale::system().decimalPoint().toStdString());
#else
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return decimalSeparatorOf(value);
    }
    return {};
#endif
}

} // namespace parabolix::ui
