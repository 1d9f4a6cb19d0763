#include "SmallDisk.h"

#include <QFile>
#include <sys/mount.h>

using namespace Qt::Literals::StringLiterals;

SmallDisk::SmallDisk(const char *options)
{
    mounted = ::mount("tmpfs", QFile::encodeName(dir.path()), "tmpfs", 0, options) == 0;
}

SmallDisk::~SmallDisk()
{
    if (mounted)
        ::umount(QFile::encodeName(dir.path()));
}

void SmallDisk::addFiller(bool takeAllRoom) const
{
    QFile filler(dir.filePath(u"filler"_s));
    if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && takeAllRoom) {
        const QByteArray block(1024, 'f');
        while (filler.write(block) > 0) {
        }
    }
}
