// A question file as listing a group reads it; a question that parses is
// written back as SaveSpm writes it and must read back unchanged.

#include "fuzzsupport.h"
#include "questionbank.h"
#include "textfile.h"

using namespace kvidrel;

namespace {

bool sammeSpm(const SpmRec &a, const SpmRec &b)
{
    return a.Filnavn == b.Filnavn && a.bFilnavn == b.bFilnavn && a.kFilnavn == b.kFilnavn &&
           a.musikFilnavn == b.musikFilnavn && a.Gruppe == b.Gruppe && a.Navn == b.Navn &&
           a.Tekst == b.Tekst && a.Svar1 == b.Svar1 && a.Svar2 == b.Svar2 && a.Svar3 == b.Svar3 &&
           a.Svar4 == b.Svar4 && a.RigtigSvar == b.RigtigSvar && a.PointType == b.PointType &&
           a.Point == b.Point && a.Aktiv == b.Aktiv;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietQt();
    const QStringList lines = splitLines(decodeText(fuzz::bytesOf(data, size)));
    SpmRec spm;
    if (!spmFraLinjer(lines, spm))
        return 0;
    const QStringList skrevet = spmLinjer(spm);
    FUZZ_CHECK(skrevet.size() == 15);

    QString tekst;
    for (const QString &line : skrevet)
        tekst += line + QStringLiteral("\r\n");
    if (fuzz::hasLoneSurrogate(tekst))
        return 0;
    SpmRec igen;
    FUZZ_CHECK(spmFraLinjer(splitLines(decodeText(encodeText(tekst, TextEncoding::Ansi))), igen));
    FUZZ_CHECK(sammeSpm(spm, igen));
    return 0;
}
