#include "core/settings/ProgramFiles.h"

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

QString exeDirectory()
{
    const QChar separator = QDir::separator();
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    return textBeforeLast(program, separator) + separator;
}

QString installedDataFolder(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(programFolder + u'/' + QStringLiteral(MIRANDEL_DATA_FROM_BIN));
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString programDataFolder(const QString &name, const QString &programFolder)
{
    const QString beside = QDir(programFolder).filePath(name);
    const QString installed = installedDataFolder(programFolder);
    if (QFileInfo(beside).isDir() || installed.isEmpty())
        return beside;
    return installed + u'/' + name;
}
