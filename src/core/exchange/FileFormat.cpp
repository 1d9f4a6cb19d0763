#include "core/exchange/FileFormat.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

bool FileFormat::matches(const QString &path) const
{
    return extensions.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

QString FileFormat::dialogFilter() const
{
    return name + u'|' + patterns().replace(u' ', u';');
}

QString FileFormat::patterns() const
{
    QStringList patterns;
    for (const QString &extension : extensions)
        patterns.append(u"*."_s + extension);
    return patterns.join(u' ');
}

QString FileFormat::nameFilter() const
{
    return u"%1 (%2)"_s.arg(name, patterns());
}

SessionImport FileFormat::import(const QString &path, const ScheduleReadOptions &options) const
{
    return importer(path, options);
}
