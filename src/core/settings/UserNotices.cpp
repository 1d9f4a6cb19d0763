#include "core/settings/UserNotices.h"

#include "core/settings/SharedIniFile.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace UserNotices {
namespace {
QString key(const QString &notice)
{
    return u"Shown/"_s + notice;
}
} // namespace

QString defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(u"notices.ini"_s);
}

bool wasShown(const QString &notice, const QString &path)
{
    return SharedIniFile(path).ini().value(key(notice)) == u"true"_s;
}

std::optional<QString> markShown(const QString &notice, const QString &path)
{
    SharedIniFile file(path);
    if (file.change([&notice](IniFile &ini) { ini.setValue(key(notice), u"true"_s); }))
        return std::nullopt;
    return file.lastError();
}
} // namespace UserNotices
