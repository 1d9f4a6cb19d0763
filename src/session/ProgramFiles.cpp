#include "session/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

QString textBeforeLast(const QString &text, QChar ch)
{
    if (text.size() <= 1)
        return text;
    for (qsizetype i = text.size() - 2; i >= 0; --i) {
        if (text.at(i) == ch)
            return i == 0 ? text : text.left(i);
    }
    return QString();
}

namespace {
QString &startedProgram()
{
    static QString path;
    return path;
}
} // namespace

void setStartedProgram(const QString &programPath)
{
    startedProgram() = programPath;
}

QString exeDirectory()
{
    const QChar separator = QDir::separator();
    const QString started = startedProgram();
    const QString program =
        QDir::toNativeSeparators(started.isEmpty() ? QCoreApplication::applicationFilePath() : started);
    return textBeforeLast(program, separator) + separator;
}

QString programPartPath(const QString &fileName, const QString &programFolder, const QStringList &installedFolders)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(fileName);
    if (QFileInfo::exists(beside))
        return beside;
    for (const QString &installed : installedFolders) {
        const QString path = QDir::cleanPath(folder.filePath(installed) + u'/' + fileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return beside;
}

QString installedDataFolder(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(programFolder + u'/' + QStringLiteral(MIRANDEL_DATA_FROM_BIN));
    return QFileInfo(folder).isDir() ? folder : QString();
}
