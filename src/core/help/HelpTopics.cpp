#include "core/help/HelpTopics.h"

#include "core/settings/ProgramFiles.h"
#include "core/session/SessionGrid.h"

#include <QDir>
#include <QFileInfo>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace HelpTopics {

namespace {
// The frequency rows, the pitch rows, Volume and Intensity, and the loop rows
// share their explanation, so both session kinds meet the same page for the
// same kind of value. By row.
const std::array<QString, SessionGrid::RowCount> &rowTopics()
{
    static const std::array<QString, SessionGrid::RowCount> topics{
        QString(),           u"Segment_time"_s, u"Tone_selection"_s,         u"Frequency"_s,
        u"Pitch"_s,          u"Frequency"_s,    u"Pitch"_s,                  u"Phase"_s,
        u"Duty_Cycle"_s,     u"Volume_and_intensity"_s, u"Volume_and_intensity"_s, u"pviramp"_s,
        u"Ramps"_s,          u"Loops"_s,        u"Loops"_s,
    };
    return topics;
}
} // namespace

QString contextTopic(int row)
{
    if (row < 0 || row >= SessionGrid::RowCount)
        return QString();
    return rowTopics()[size_t(row)];
}

QStringList programTopics()
{
    QStringList topics{Contents, About, Safety};
    for (const QString &topic : rowTopics()) {
        if (!topic.isEmpty() && !topics.contains(topic))
            topics.append(topic);
    }
    return topics;
}

QString helpFolder(const QString &programFolder)
{
    return programDataFolder(u"help"_s, programFolder);
}

QString languageFolder(const QString &helpFolder, const QLocale &locale)
{
    const QString translated = QDir(helpFolder).filePath(locale.name().section(u'_', 0, 0));
    return QFileInfo(translated).isDir() ? translated : helpFolder;
}

QString topicFile(const QString &folder, const QString &topic)
{
    return folder + u'/' + topic + u".html"_s;
}

} // namespace HelpTopics
