// The options file holding any bytes: either defaults or three values, and the
// values written back read the same.

#include "fuzzsupport.h"
#include "options.h"

using namespace kvidrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietQt();
    const QString fil = fuzz::scratchPath(QStringLiteral("Options.txt"));
    fuzz::writeBytes(fil, fuzz::bytesOf(data, size));

    const std::optional<Options> opt = hentOptions(fil);
    if (!opt || fuzz::hasLoneSurrogate(opt->designName))
        return 0;
    FUZZ_CHECK(!opt->designName.contains(u'\r') && !opt->designName.contains(u'\n'));

    gemOptions(fil, *opt);
    const std::optional<Options> igen = hentOptions(fil);
    FUZZ_CHECK(igen.has_value());
    FUZZ_CHECK(igen->designName == opt->designName && igen->minPoint == opt->minPoint &&
               igen->maxPoint == opt->maxPoint);
    return 0;
}
