#include "core/exchange/SessionFormats.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SessionFormatsTexts
{
    Q_DECLARE_TR_FUNCTIONS(SessionFormats)
};

FileFormat exchangedSchedule(const QString &name, const QString &extension, ExchangeFormat format)
{
    return {name,
            {extension},
            importSessionFile,
            [format](const Session &session) { return exportSession(session, format); },
            FileFormat::Losses::ByChange,
            FileFormat::Losses::ByRow};
}
} // namespace

namespace SessionFormats {

FileFormat sessionFile()
{
    return {SessionFormatsTexts::tr("Light/Sound Source (LSS)"), {u"LSS"_s}, {}, {}};
}

QList<FileFormat> importable()
{
    const FileFormat cells{SessionFormatsTexts::tr("Cells as text"),
                           {u"tsv"_s, u"txt"_s},
                           importSessionFile,
                           {},
                           FileFormat::Losses::BySourceLine,
                           FileFormat::Losses::None,
                           false};
    return exportable() << cells;
}

QList<FileFormat> exportable()
{
    return {exchangedSchedule(SessionFormatsTexts::tr("SBaGen schedules"), u"sbg"_s, ExchangeFormat::Sbg),
            exchangedSchedule(SessionFormatsTexts::tr("Gnaural schedules"), u"gnaural"_s, ExchangeFormat::Gnaural)};
}

std::optional<FileFormat> formatOf(const QString &path, const QList<FileFormat> &formats)
{
    for (const FileFormat &format : formats) {
        if (format.matches(path))
            return format;
    }
    return std::nullopt;
}

std::optional<FileFormat> openableFormatOf(const QString &path)
{
    return formatOf(path, QList<FileFormat>{sessionFile()} + importable());
}

std::optional<FileFormat> droppedFormatOf(const QString &path)
{
    std::optional<FileFormat> format = openableFormatOf(path);
    return format && format->takenOnDrop ? format : std::nullopt;
}

QString importFilter()
{
    return dialogFilter(importable(), SessionFormatsTexts::tr("Schedules and cells"));
}

QString exportFilter()
{
    return dialogFilter(exportable());
}

QString dialogFilter(const QList<FileFormat> &formats, const QString &allName)
{
    QStringList filters;
    if (formats.size() > 1 && !allName.isEmpty()) {
        QStringList patterns;
        for (const FileFormat &format : formats)
            patterns.append(format.patterns());
        filters.append(allName + u'|' + patterns.join(u' ').replace(u' ', u';'));
    }
    for (const FileFormat &format : formats)
        filters.append(format.dialogFilter());
    return filters.join(u'|');
}

QString extensionList(const QList<FileFormat> &formats)
{
    QStringList extensions;
    for (const FileFormat &format : formats) {
        for (const QString &extension : format.extensions)
            extensions.append(u'.' + extension);
    }
    if (extensions.size() < 2)
        return extensions.join(QString());
    const QString last = extensions.takeLast();
    return SessionFormatsTexts::tr("%1 or %2").arg(extensions.join(u", "_s), last);
}

} // namespace SessionFormats
