// Feeds arbitrary bytes to the settings file reader. Besides the sanitizers'
// findings it stops on a broken promise: what the program writes back from a
// file it read (with a value of any text set) is a file it can read whole
// and write again, holding the same keys and values, and written again to the
// same bytes. A file that reads back malformed would refuse every later write.
#include "core/settings/IniFile.h"

#include <cstdio>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {
void require(bool condition, const char *promise)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    IniFile first(bytes);
    first.setValue(u"RecentFiles/File1"_s, QString::fromUtf8(bytes));
    const QByteArray written = first.bytes();
    const IniFile second(written);
    require(second.isWellFormed(), "a written file reads whole");
    require(second == first, "keys and values survive a rewrite");
    require(second.value(u"RecentFiles/File1"_s) == QString::fromUtf8(bytes), "a value of any text survives");
    require(second.bytes() == written, "a written file writes back to the same bytes");
    return 0;
}
