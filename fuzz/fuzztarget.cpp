#include "fuzzchecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// One libFuzzer target per check, named at build time.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const FuzzCheck *check = findFuzzCheck(NK_FUZZ_CHECK);
    const QString broken = check->check(QByteArrayView(data, qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", check->name, broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
