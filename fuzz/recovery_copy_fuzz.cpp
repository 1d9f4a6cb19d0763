// Feeds arbitrary bytes to the recovery copy's reader. Besides the
// sanitizers' findings it stops on a broken promise: whatever the reader
// takes for a copy is exactly the copy the writer writes for what it read.
#include "core/files/RecoveryCopyFormat.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<RecoveredSession> session = parseRecoveryCopy(bytes);
    if (session && recoveryCopyBytes(*session) != bytes) {
        std::fprintf(stderr, "broken: a copy read writes back as it was\n");
        std::abort();
    }
    return 0;
}
