// The "latest.json" of an update channel: the manifest checks, the links it
// may open and the release numbers it compares.

#include "update/linkpolicy.h"
#include "update/manifest.h"
#include "update/version.h"

#include <cstddef>
#include <cstdint>

using namespace VelmUpdate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const Manifest manifest = Manifest::parse(bytes, &error);
    if (!manifest.isValid() && error.isEmpty())
        __builtin_trap();
    for (const Artifact &artifact : manifest.artifacts) {
        // Only what passed the checks is kept.
        if (artifact.size < 1 || !isAllowedLink(artifact.url))
            __builtin_trap();
        Version::parse(artifact.version);
        Version::parse(artifact.min_upgradable_from);
    }
    return 0;
}
