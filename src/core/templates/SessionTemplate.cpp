#include "core/templates/SessionTemplate.h"

using namespace Qt::Literals::StringLiterals;

QString SessionTemplate::summary() const
{
    for (const QString &line : descriptionLines) {
        if (!line.trimmed().isEmpty())
            return line.trimmed();
    }
    return QString();
}

QString SessionTemplate::oneLineDescription() const
{
    QStringList words;
    for (const QString &line : descriptionLines)
        words += line.simplified();
    words.removeAll(QString());
    return words.join(u' ');
}
