// Cost of drawing one cell's text: a single line, a wrapped text, a wrapped
// text that shrinks to fit and the depth effect, each into a 439 by 80 cell of
// an image.

#include "canvas.h"
#include "compotekst.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

using namespace kvidrel;

namespace {

const TRect Celle = Rect(0, 0, 439, 80);

TFont CelleFont()
{
    TFont F;
    F.Height = 16;
    F.Color = clBlack;
    return F;
}

// Glem makes the component forget what it measured before each drawing, as
// for a text drawn the first time.
void Maal(benchmark::State &State, TCompoTekst &Komp, const QString &Tekst, TFeltSit FeltSit,
          bool Glem = false)
{
    QImage Billede(Celle.Width(), Celle.Height(), QImage::Format_RGB32);
    Billede.fill(Qt::white);
    TCanvas Can(&Billede);
    const TFont Font = CelleFont();
    for (auto _ : State) {
        if (Glem)
            Komp.SetMindsteHojde(Komp.MindsteHojde());
        Komp.SkrivTekst(Can, Celle, Font, Tekst, FeltSit);
        benchmark::ClobberMemory();
    }
}

void BM_EnLinje(benchmark::State &State)
{
    TCompoTekst Komp;
    Maal(State, Komp, QStringLiteral("Hvilken by er Danmarks hovedstad?"), 0);
}
BENCHMARK(BM_EnLinje);

void BM_Opdelt(benchmark::State &State)
{
    TCompoTekst Komp;
    Komp.SetOpdelTekst(true);
    Maal(State, Komp,
         QStringLiteral("Hvilken dansk forfatter skrev eventyret om den grimme ælling, og i "
                        "hvilken by på Fyn blev han født?"),
         0);
}
BENCHMARK(BM_Opdelt);

// A question of 300 characters that must shrink from 16 to 11 pixels to fit:
// the first time the text is wrapped once per step, after that only drawn.
const QString LangTekst = QStringLiteral(
    "I 1849 fik Danmark sin første grundlov, som kong Frederik den Syvende underskrev den 5. "
    "juni. Den ophævede enevælden og indførte en folkevalgt rigsdag med to kamre, Folketinget og "
    "Landstinget. Hvilken politiker, der siden blev kendt som en af grundlovsfædrene, blev "
    "kultusminister i martsministeriet?");

void BM_FormindsketFoersteGang(benchmark::State &State)
{
    TCompoTekst Komp;
    Komp.SetOpdelTekst(true);
    Komp.SetMindsteHojde(10);
    Maal(State, Komp, LangTekst, 0, true);
}
BENCHMARK(BM_FormindsketFoersteGang);

void BM_FormindsketIgen(benchmark::State &State)
{
    TCompoTekst Komp;
    Komp.SetOpdelTekst(true);
    Komp.SetMindsteHojde(10);
    Maal(State, Komp, LangTekst, 0);
}
BENCHMARK(BM_FormindsketIgen);

void BM_Dybde(benchmark::State &State)
{
    TCompoTekst Komp;
    TFont Dybde = CelleFont();
    Dybde.Color = clGray;
    Komp.SetFontDybde(Dybde);
    Komp.SetFontOver(CelleFont());
    Komp.SetTypeTekst(true);
    Komp.SetOver(ttUd);
    Komp.SetDybdeLodret(1);
    Komp.SetDybdeVandret(1);
    Maal(State, Komp, QStringLiteral("Hvilken by er Danmarks hovedstad?"), 2);
}
BENCHMARK(BM_Dybde);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
