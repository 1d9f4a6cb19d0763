// Feeds arbitrary bytes to one of the importers, chosen at build time
// (SCHEDULE_FORMAT). Besides the sanitizers' findings it stops on a broken
// promise: an imported session has 1 to 1000 segments, and what it exports
// to the format imports again.
#include "core/exchange/SessionExchange.h"

#include <cstdio>
#include <cstdlib>

namespace {
void broken(const char *what)
{
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ExchangeFormat format = ExchangeFormat(SCHEDULE_FORMAT);
    const SessionImport imported = importSession(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), format);
    if (!imported.session) {
        if (imported.error.isEmpty())
            broken("an import that fails says why");
        return 0;
    }
    const int segments = imported.session->cells.columnCount();
    if (segments < 1 || segments > SessionGrid::MaxSegments)
        broken("an imported session has 1 to 1000 segments");
    if (format == ExchangeFormat::CellsText)
        return 0;
    const SessionExport exported = exportSession(*imported.session, format);
    if (!importSession(exported.bytes, format).session)
        broken("an imported session exports to a file that imports");
    return 0;
}
