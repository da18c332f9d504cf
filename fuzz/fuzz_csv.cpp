// A spreadsheet's CSV file as the import reads it. The table written back
// reads as the same rows, and every question made of it is one the editor
// accepts, under a name of its own, and one a question file holds line for
// line.

#include "csv.h"
#include "fuzzsupport.h"
#include "questionfiles.h"
#include "regneark.h"
#include "textfile.h"

#include <QSet>

using namespace kvidrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietQt();
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const csv::Tabel tabel = csv::laes(decodeText(bytes));
    if (!tabel.sidsteUafsluttet)
        FUZZ_CHECK(csv::laes(csv::skriv(tabel.raekker)).raekker == tabel.raekker);

    const ImportPlan plan = planlaegImport(bytes, QStringLiteral("G"), 990, QStringLiteral("/csv"));
    FUZZ_CHECK(plan.fejl.isEmpty() || plan.spm.isEmpty());
    QSet<QString> navne;
    for (const PlanlagtSpm &p : plan.spm) {
        const SpmRec &spm = p.spm;
        FUZZ_CHECK(tjekNytNavn(spm.Navn) == NavnFejl::Ingen && !fuzz::hasLoneSurrogate(spm.Navn));
        FUZZ_CHECK(!navne.contains(spm.Navn.toLower()));
        navne.insert(spm.Navn.toLower());
        const SpmUdfyldning udfyldt{spm.Tekst,
                                    {spm.Svar1, spm.Svar2, spm.Svar3, spm.Svar4},
                                    spm.RigtigSvar,
                                    spm.PointType,
                                    spm.PointType == 2 ? QString::number(spm.Point) : QString()};
        std::int32_t point = 0;
        FUZZ_CHECK(tjekUdfyldt(udfyldt) == SpmMangel::Ingen);
        FUZZ_CHECK(tjekPoint(udfyldt, point) == SpmMangel::Ingen && point == spm.Point);

        QString tekst;
        for (const QString &linje : spmLinjer(spm))
            tekst += linje + QStringLiteral("\r\n");
        if (fuzz::hasLoneSurrogate(tekst))
            continue;
        SpmRec igen;
        const QStringList linjer = splitLines(decodeText(encodeText(tekst, TextEncoding::Ansi)));
        FUZZ_CHECK(linjer.size() == 15 && spmFraLinjer(linjer, igen));
        FUZZ_CHECK(igen.Navn == spm.Navn && igen.Tekst == spm.Tekst && igen.Svar4 == spm.Svar4 &&
                   igen.bFilnavn == spm.bFilnavn && igen.musikFilnavn == spm.musikFilnavn);
    }
    return 0;
}
