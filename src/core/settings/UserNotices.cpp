#include "core/settings/UserNotices.h"

#include <QDir>
#include <QSettings>
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
    return QSettings(path, QSettings::IniFormat).value(key(notice)).toBool();
}

void markShown(const QString &notice, const QString &path)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(key(notice), true);
}
} // namespace UserNotices
