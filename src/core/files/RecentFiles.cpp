#include "core/files/RecentFiles.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

RecentFiles::RecentFiles(const QStringList &paths)
{
    // Added oldest first, so the newest ends up first and repeats count once.
    for (auto it = paths.crbegin(); it != paths.crend(); ++it) {
        if (!it->isEmpty())
            add(*it);
    }
}

void RecentFiles::add(const QString &path)
{
    mPaths.removeAll(path);
    mPaths.prepend(path);
    if (mPaths.size() > MaxCount)
        mPaths.resize(MaxCount);
}

void RecentFiles::remove(const QString &path)
{
    mPaths.removeAll(path);
}

QString RecentFiles::menuText(qsizetype index) const
{
    const QString &path = mPaths.at(index);
    const QString name = QFileInfo(path).fileName();
    const auto sameName = [&name](const QString &other) { return QFileInfo(other).fileName() == name; };
    const bool shared = std::count_if(mPaths.cbegin(), mPaths.cend(), sameName) > 1;
    const QString shown = shared ? QDir::toNativeSeparators(path) : name;
    // A single "&" in a file name would otherwise become an access key.
    return u"&%1 %2"_s.arg(index + 1).arg(QString(shown).replace(u'&', u"&&"_s));
}
