#include "kommandolinje.h"

#include "dataroot.h"
#include "deliveredcontent.h"
#include "regneark.h"
#include "textfile.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <cstdio>

namespace kvidrel::kommandolinje {

namespace {

const QStringList kVoresTilvalg = {QStringLiteral("-h"),         QStringLiteral("--help"),
                                   QStringLiteral("--help-all"), QStringLiteral("-v"),
                                   QStringLiteral("--version"),  QStringLiteral("--import"),
                                   QStringLiteral("--export"),   QStringLiteral("--group")};

// Notices break lines with CR; a terminal wants LF.
QString linjer(QString tekst)
{
    return tekst.replace(u'\r', u'\n');
}

int importer(const QString &fil, const QString *gruppe, QTextStream &ud, QTextStream &fejl)
{
    const DataLayout layout = DataLayout::under(dataRoot());
    // As at the first start of the windows: a fresh data root gets the demo
    // group before the group list is written.
    layout.makeFolders();
    deliveredcontent::forsyn(layout);
    QString navn;
    try {
        navn = gruppe ? *gruppe : gruppeNavnEfterFil(fil, layout.gruppeDir);
    } catch (const FileError &e) {
        fejl << linjer(e.message()) << '\n';
        return 1;
    }
    const ImportResultat resultat = importerCsv(fil, layout.gruppeDir, navn);
    (resultat.indfoerte.isEmpty() ? fejl : ud) << linjer(resultat.opsummering()) << '\n';
    for (const QString &linje : resultat.afvisninger())
        fejl << linje << '\n';
    return resultat.indfoerte.isEmpty() ? 1 : 0;
}

int eksporter(const QString &gruppe, const QString &fil, QTextStream &ud, QTextStream &fejl)
{
    const EksportResultat resultat =
        eksporterCsv(DataLayout::under(dataRoot()).gruppeDir, gruppe, fil);
    (resultat.fejl.isEmpty() ? ud : fejl) << linjer(resultat.besked()) << '\n';
    return resultat.fejl.isEmpty() ? 0 : 1;
}

} // namespace

bool erKommando(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]).section(u'=', 0, 0);
        if (kVoresTilvalg.contains(arg))
            return true;
    }
    return false;
}

int koer(const QStringList &argumenter)
{
    QTextStream ud(stdout);
    QTextStream fejl(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Kvidrel er et quizspil for en gruppe foran én skærm. Uden tilvalg åbner programmet sine "
        "vinduer; med --import eller --export gør det sit arbejde uden vinduer og slutter:\n"
        "  kvidrel --import spørgsmål.csv --group Sport\n"
        "  kvidrel --export Sport sport.csv\n"
        "Data ligger i mappen KVIDREL_ROOT, når den er sat, ellers i ~/Kvidrel. Afslutter med 0, "
        "når noget er gjort, 1, når intet kunne gøres, og 2 ved forkerte tilvalg."));
    const QCommandLineOption hjaelp({QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Vis denne hjælp."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Vis programmets version."));
    parser.addOptions({hjaelp, version});
    const QCommandLineOption importTilvalg(
        QStringLiteral("import"),
        QStringLiteral("Indfør spørgsmålene fra <fil>, en CSV-fil fra et regneark."),
        QStringLiteral("fil"));
    const QCommandLineOption gruppeTilvalg(
        QStringLiteral("group"),
        QStringLiteral("Gruppen, --import indfører i; den oprettes, hvis den ikke findes. Uden "
                       "den: en ny gruppe opkaldt efter filen."),
        QStringLiteral("navn"));
    const QCommandLineOption eksportTilvalg(
        QStringLiteral("export"),
        QStringLiteral("Skriv gruppen <navn> som CSV-fil til den fil, der står efter den."),
        QStringLiteral("navn"));
    parser.addOptions({importTilvalg, gruppeTilvalg, eksportTilvalg});
    parser.addPositionalArgument(QStringLiteral("fil"),
                                 QStringLiteral("Ved --export: CSV-filen, der skrives."),
                                 QStringLiteral("[fil]"));

    const auto brug = [&](const QString &besked) {
        fejl << besked << '\n' << QStringLiteral("Se kvidrel --help.") << '\n';
        return 2;
    };
    if (!parser.parse(argumenter))
        return brug(parser.errorText());
    if (parser.isSet(hjaelp)) {
        ud << parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        ud << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
           << '\n';
        return 0;
    }
    const QStringList filer = parser.positionalArguments();
    if (parser.isSet(importTilvalg) && parser.isSet(eksportTilvalg))
        return brug(QStringLiteral("Brug enten --import eller --export."));
    if (parser.isSet(importTilvalg)) {
        if (!filer.isEmpty())
            return brug(QStringLiteral("For mange argumenter: %1").arg(filer.join(u' ')));
        const QString gruppe = parser.value(gruppeTilvalg);
        return importer(parser.value(importTilvalg),
                        parser.isSet(gruppeTilvalg) ? &gruppe : nullptr, ud, fejl);
    }
    if (parser.isSet(gruppeTilvalg))
        return brug(QStringLiteral("--group hører til --import."));
    if (parser.isSet(eksportTilvalg)) {
        if (filer.size() != 1)
            return brug(QStringLiteral("--export skal have gruppens navn og én fil."));
        return eksporter(parser.value(eksportTilvalg), filer.first(), ud, fejl);
    }
    return brug(QStringLiteral("Intet at gøre."));
}

} // namespace kvidrel::kommandolinje
