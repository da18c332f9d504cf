// The participant register read from a file holding any bytes; what loads is
// saved and must load again unchanged.

#include "fuzzsupport.h"
#include "participants.h"

using namespace kvidrel;

namespace {

bool sammeRegister(const DeltagerRegister &a, const DeltagerRegister &b)
{
    if (a.Del.size() != b.Del.size() || a.maxIndex != b.maxIndex)
        return false;
    for (qsizetype i = 0; i < a.Del.size(); ++i) {
        const Deltagere &x = a.Del[i];
        const Deltagere &y = b.Del[i];
        if (x.Navn != y.Navn || x.Filnavn != y.Filnavn || x.Aktiv != y.Aktiv)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietQt();
    const QString fil = fuzz::scratchPath(QStringLiteral("Deltager.txt"));
    fuzz::writeBytes(fil, fuzz::bytesOf(data, size));

    DeltagerRegister reg;
    LoadDeltagerRecord(fil, reg);
    FUZZ_CHECK(reg.maxIndex + 1 == reg.Del.size());
    FUZZ_CHECK(reg.Index == reg.maxIndex);
    for (const Deltagere &d : reg.Del) {
        if (fuzz::hasLoneSurrogate(d.Navn) || fuzz::hasLoneSurrogate(d.Filnavn))
            return 0;
    }

    SaveDeltagerRecord(fil, reg);
    DeltagerRegister igen;
    LoadDeltagerRecord(fil, igen);
    FUZZ_CHECK(sammeRegister(reg, igen));
    return 0;
}
