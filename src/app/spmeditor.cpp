// The question window's "Spørgsmål" page: entering new questions and editing
// the one picked in the question list.

#include "makeSpm.h"

#include "action.h"
#include "dataroot.h"
#include "display.h"
#include "errors.h"
#include "infUnit.h"
#include "listrows.h"
#include "main.h"
#include "questionfiles.h"
#include "radiogroup.h"
#include "shell.h"
#include "storedpath.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QToolButton>

namespace kvidrel {

namespace {

const QString kIndfoerSpm = QStringLiteral("Indfør spørgsmål");
const QString kRedigerSpm = QStringLiteral("Rediger spørgsmål");
const QString kManglerNavn = QStringLiteral("Oplysning:\rDer mangler et navn.");
const QString kNavnFormat =
    QStringLiteral("Navnet skal begynde med 3 tal, der skal angive rækkefølge.\rDerefter skal "
                   "der være et mellemrum, som efterfølges af selve navnet.");
const QString kMellemrum =
    QStringLiteral("Der skal være et mellemrum efter de 3 tal, som efterfølges af selve navnet.");
const QString kIkkeFilnavn = QStringLiteral("Oplysning:\rNavnet kan ikke bruges som filnavn.");
const QString kVaelgGruppe =
    QStringLiteral("Der skal vælges en gruppe, før der kan indføres spørgsmål.");

// The name and the file the question is saved under in the chosen group.
void navngiv(SpmRec &spm, const QString &navn)
{
    const QString sti = spmSti(mainform->gruppeDir, mainform->gruppeNavn, navn);
    spm.Navn = navn;
    spm.Filnavn = storedpath::toStored(sti);
    spm.kildeFil = sti;
}

} // namespace

const QString Tspmform::musikFilter = QStringLiteral("Musikfiler (*.mp3 *.m4a);;Alle filer (*)");

void Tspmform::makeQuestionActions()
{
    sletSpm = new Action(this, QString(), QStringLiteral("Slet valgte spørgsmål fra listen"));
    sletSpm->OnUpdate = [this] { sletSpm->setEnabled(listrows::valgt(spmliste) >= 0); };
    sletSpm->OnExecute = [this] { sletSpmExecute(); };
    sletSpm->attach(Button6);
    flytNedSpm = new Action(this, QString(), QStringLiteral("Flyt valgte spørgsmål ned i listen"));
    flytNedSpm->OnUpdate = [this] { flytNedSpm->setEnabled(listrows::kanFlytteNed(spmliste)); };
    flytNedSpm->OnExecute = [this] { flytNedSpmExecute(); };
    flytNedSpm->attach(Button7);
    flytOpSpm = new Action(this, QString(), QStringLiteral("Flyt valgte spørgsmål op i listen"));
    flytOpSpm->OnUpdate = [this] { flytOpSpm->setEnabled(listrows::kanFlytteOp(spmliste)); };
    flytOpSpm->OnExecute = [this] { flytOpSpmExecute(); };
    flytOpSpm->attach(Button5);

    spmGodkendt = new Action(this, QStringLiteral("Indfør spørgsmålet"),
                             QStringLiteral("Indfør spørgsmålet i spørgsmålslisten"));
    spmGodkendt->OnExecute = [this] { spmGodkendtExecute(); };
    spmGodkendt->attach(spmInsertButton);
    spmRediger = new Action(this, QStringLiteral("Indfør ændringer"),
                            QStringLiteral("Indfør forandringer og gem"));
    spmRediger->OnUpdate = [this] { spmRediger->setEnabled(redigeret); };
    spmRediger->OnExecute = [this] { spmRedigerExecute(); };
    spmRediger->attach(Button9);
    gemKommentarer = new Action(this, QStringLiteral("Gem"),
                                QStringLiteral("Gem kommentarer til valgte spørgsmål"));
    gemKommentarer->OnUpdate = [this] { gemKommentarer->setEnabled(komModified); };
    gemKommentarer->OnExecute = [this] { gemKommentarerExecute(); };
    gemKommentarer->attach(Button10);
}

void Tspmform::connectQuestionPage()
{
    listrows::onClick(spmliste, [this] { guarded([this] { spmlisteClick(); }); });
    listrows::onClickCheck(spmliste,
                           [this](int row) { guarded([this, row] { spmlisteClickCheck(row); }); });

    const auto saetRedigeret = [this] {
        if (!m_fylder)
            redigeret = true;
    };
    for (QLineEdit *felt : {navnEdit, spmEdit, musikEdit, EditA, EditB, EditC, EditD, pointEdit})
        connect(felt, &QLineEdit::textChanged, this, saetRedigeret);
    connect(svarGruppe, &RadioGroup::clicked, this, saetRedigeret);
    connect(pointGruppe, &RadioGroup::itemIndexChanged, this, [this] { pointGruppeClick(); });

    // Enter walks down the fields; Enter in the last one does nothing.
    const auto naeste = [this](QLineEdit *fra, QWidget *til) {
        connect(fra, &QLineEdit::returnPressed, til, [til] { til->setFocus(); });
    };
    naeste(navnEdit, spmEdit);
    naeste(spmEdit, EditA);
    naeste(musikEdit, EditA);
    naeste(EditA, EditB);
    naeste(EditB, EditC);
    naeste(EditC, EditD);

    connect(newClearButton, &QPushButton::clicked, this, [this] {
        if (maaUgemtGaa(QStringLiteral("Skal der startes på et nyt spørgsmål alligevel?")))
            ClearToNew();
    });
    connect(SpeedButton7, &QToolButton::clicked, this,
            [this] { guarded([this] { SpeedButton7Click(); }); });
    connect(musikTestButton, &QPushButton::clicked, this,
            [this] { guarded([this] { musikTestButtonClick(); }); });
}

void Tspmform::saetTilstand(Tilstand tilstand)
{
    m_tilstand = tilstand;
    const bool rediger = tilstand == Tilstand::Rediger;
    infoLabel->setText(rediger ? kRedigerSpm : kIndfoerSpm);
    barNew->setVisible(!rediger);
    barRediger->setVisible(rediger);
}

void Tspmform::ClearToNew()
{
    saetSide(side2);
    gruppenavnLabel->setText(mainform->gruppeNavn);
    for (QLineEdit *felt : {navnEdit, musikEdit, spmEdit, EditA, EditB, EditC, EditD})
        felt->clear();
    svarGruppe->setItemIndex(0);
    pointGruppe->setItemIndex(0);
    pointEdit->clear();
    saetTilstand(Tilstand::Ny);
    navnEdit->setFocus();
    // An empty page holds nothing to lose.
    redigeret = false;
}

// The host's switch to this page always opens a new question.
void Tspmform::spmSideValgt(QWidget *forrige)
{
    if (mainform->gruppeNavn.isEmpty()) {
        saetSide(side1);
        visInfo(kVaelgGruppe);
        return;
    }
    if (!maaUgemtGaa(QStringLiteral("Skal der skiftes side alligevel?"), true, false)) {
        saetSide(forrige);
        return;
    }
    ClearToNew();
}

void Tspmform::pointGruppeClick()
{
    pointEdit->clear();
    const bool defineret = pointGruppe->ItemIndex() == 1;
    pointEdit->setEnabled(defineret);
    // Filling the page from the list leaves the focus in the list.
    if (defineret && !m_fylder)
        pointEdit->setFocus();
    if (!m_fylder)
        redigeret = true;
}

void Tspmform::afvisNavn(NavnFejl fejl, bool flytFokus)
{
    switch (fejl) {
    case NavnFejl::Ingen:
        return;
    case NavnFejl::Mangler:
        visInfo(kManglerNavn);
        break;
    case NavnFejl::Format:
        visInfo(kNavnFormat);
        break;
    case NavnFejl::Mellemrum:
        visInfo(kMellemrum);
        break;
    case NavnFejl::Filnavn:
        visInfo(kIkkeFilnavn);
        flytFokus = true;
        break;
    }
    if (flytFokus)
        navnEdit->setFocus();
}

// A row other than the given ones with this name in any letter case, or a file
// of that name that is not one of theirs (a file a bad file kept out of the list).
bool Tspmform::navnOptaget(const QString &navn, int undtagen1, int undtagen2)
{
    for (int row = 0; row < spmliste->count(); ++row) {
        if (row != undtagen1 && row != undtagen2 &&
            spmliste->item(row)->text().compare(navn, Qt::CaseInsensitive) == 0)
            return true;
    }
    const QString sti = spmSti(mainform->gruppeDir, mainform->gruppeNavn, navn);
    if (!findesIgnorerCase(sti))
        return false;
    for (int i : {undtagen1, undtagen2}) {
        if (i >= 0 && i < mainform->Spm.size() &&
            sammeFil(sti, spmSkrivSti(mainform->Spm[i], mainform->gruppeDir)))
            return false;
    }
    return true;
}

void Tspmform::visNavnFindes(const QString &navn)
{
    visInfo(QStringLiteral("Navnet: ") + navn + u'\r' +
            QStringLiteral("eksisterer allerede i valgte gruppe."));
    navnEdit->clear();
}

namespace {

void visMangel(SpmMangel mangel, QWidget *felt)
{
    visInfo(QStringLiteral("Oplysning:\r") + mangelTekst(mangel));
    felt->setFocus();
}

} // namespace

// Every text filled in and both choices made, or the host is told what is
// missing. A question file with a value outside the choices shows none chosen
// and cannot be saved until the host chooses.
bool Tspmform::sidenUdfyldt()
{
    const SpmUdfyldning side{spmEdit->text(),
                             {EditA->text(), EditB->text(), EditC->text(), EditD->text()},
                             svarGruppe->ItemIndex() + 1,
                             pointGruppe->ItemIndex() + 1,
                             pointEdit->text()};
    const SpmMangel mangel = tjekUdfyldt(side);
    if (mangel == SpmMangel::Ingen)
        return true;
    // The fields in the order of SpmMangel, from Spoergsmaal to PointType.
    QWidget *const felter[] = {spmEdit, EditA, EditB, EditC, EditD, svarGruppe, pointGruppe};
    visMangel(mangel, felter[static_cast<int>(mangel) - 1]);
    return false;
}

bool Tspmform::pointGyldig(std::int32_t &point)
{
    SpmUdfyldning side;
    side.pointType = pointGruppe->ItemIndex() + 1;
    side.point = pointEdit->text();
    const SpmMangel mangel = tjekPoint(side, point);
    if (mangel == SpmMangel::Ingen)
        return true;
    visMangel(mangel, pointEdit);
    return false;
}

void Tspmform::gemSpm(int i)
{
    mainform->SaveSpm(i);
}

void Tspmform::laesSiden(SpmRec &spm, std::int32_t point) const
{
    spm.Tekst = cleanEnteredLine(spmEdit->text());
    spm.Svar1 = cleanEnteredLine(EditA->text());
    spm.Svar2 = cleanEnteredLine(EditB->text());
    spm.Svar3 = cleanEnteredLine(EditC->text());
    spm.Svar4 = cleanEnteredLine(EditD->text());
    spm.RigtigSvar = static_cast<std::uint8_t>(svarGruppe->ItemIndex() + 1);
    spm.PointType = static_cast<std::uint8_t>(pointGruppe->ItemIndex() + 1);
    spm.Point = point;
    spm.musikFilnavn = storedpath::toStored(cleanEnteredLine(musikEdit->text()));
}

void Tspmform::erstatSpm(int i, const SpmRec &ny, const SpmRec &foer)
{
    TSpm &alle = mainform->Spm;
    alle[i] = ny;
    try {
        gemSpm(i);
    } catch (...) {
        alle[i] = foer;
        throw;
    }
}

void Tspmform::spmGodkendtExecute()
{
    if (mainform->gruppeNavn.isEmpty()) {
        visInfo(kVaelgGruppe);
        return;
    }
    const QString navn = cleanEnteredLine(navnEdit->text());
    if (const NavnFejl fejl = tjekNytNavn(navn); fejl != NavnFejl::Ingen) {
        afvisNavn(fejl, true);
        return;
    }
    if (!sidenUdfyldt())
        return;
    std::int32_t point = 0;
    if (!pointGyldig(point))
        return;
    if (navnOptaget(navn, -1)) {
        visNavnFindes(navn);
        return;
    }

    SpmRec spm;
    spm.Gruppe = mainform->gruppeNavn;
    navngiv(spm, navn);
    laesSiden(spm, point);
    spm.Aktiv = true;

    TSpm &alle = mainform->Spm;
    alle.append(spm);
    try {
        gemSpm(alle.size() - 1);
    } catch (...) {
        alle.removeLast();
        throw;
    }
    mainform->LoadSpmListen();
    // The fields stay for the next question, which starts out unchanged.
    redigeret = false;
    advarLangeTekster(spm);
}

void Tspmform::fyldSide(int i)
{
    const QScopedValueRollback fylder(m_fylder, true);
    const SpmRec &spm = mainform->Spm[i];
    spmIndex = i;
    saetSide(side2);
    gruppenavnLabel->setText(spm.Gruppe);
    navnEdit->setText(spm.Navn);
    spmEdit->setText(spm.Tekst);
    EditA->setText(spm.Svar1);
    EditB->setText(spm.Svar2);
    EditC->setText(spm.Svar3);
    EditD->setText(spm.Svar4);
    svarGruppe->setItemIndex(spm.RigtigSvar - 1);
    pointGruppe->setItemIndex(spm.PointType - 1);
    pointEdit->setText(QString::number(spm.Point));
    const QString svar[] = {spm.Svar1, spm.Svar2, spm.Svar3, spm.Svar4};
    if (spm.RigtigSvar >= 1 && spm.RigtigSvar <= 4)
        korrektSvar = svar[spm.RigtigSvar - 1];
    musikEdit->setText(spm.musikFilnavn);
    redigeret = false;
    saetTilstand(Tilstand::Rediger);
}

void Tspmform::spmlisteClick()
{
    const int i = listrows::valgt(spmliste);
    if (!maaUgemtGaa(QStringLiteral("Skal der skiftes spørgsmål alligevel?"))) {
        const bool vises = iRedigering() || m_side == side3;
        listrows::vaelg(spmliste, vises ? spmIndex : -1);
        return;
    }
    tomKommentarSide();
    if (i >= 0 && i < mainform->Spm.size())
        fyldSide(i);
}

void Tspmform::spmRedigerExecute()
{
    TSpm &alle = mainform->Spm;
    if (!iRedigering() || spmIndex < 0 || spmIndex >= alle.size())
        return;
    const SpmRec foer = alle[spmIndex];
    const QString navn = cleanEnteredLine(navnEdit->text());
    // A change in the case of a to z alone is no rename: the old spelling stays.
    const bool omdoeb = !sammeUdenAZCase(navn, foer.Navn);
    if (omdoeb) {
        if (const NavnFejl fejl = tjekOmdoebtNavn(navn); fejl != NavnFejl::Ingen) {
            afvisNavn(fejl, false);
            return;
        }
        if (navnOptaget(navn, spmIndex)) {
            visNavnFindes(navn);
            return;
        }
    }
    if (!sidenUdfyldt())
        return;
    std::int32_t point = 0;
    if (!pointGyldig(point))
        return;

    SpmRec spm = foer;
    laesSiden(spm, point);
    const QString gammel = spmSkrivSti(foer, mainform->gruppeDir);
    if (omdoeb)
        navngiv(spm, navn);

    const int i = spmIndex;
    medGenlaesning([&] {
        // The new file first: a failed write leaves the old one.
        erstatSpm(i, spm, foer);
        // The row keeps its place until the group is listed again.
        listrows::saetRaekke(spmliste, i, spm.Navn, spm.Aktiv);
        if (omdoeb && QFileInfo::exists(gammel) && !sammeFil(gammel, spm.kildeFil))
            sletSpmFil(gammel);
    });
    redigeret = false;
    advarLangeTekster(spm);
}

void Tspmform::SpeedButton7Click()
{
    const QString valgt = vaelgFil(QStringLiteral("Åbn musikfil"), musikFilter);
    if (!valgt.isEmpty() && QFileInfo(valgt).isFile())
        musikEdit->setText(QDir::toNativeSeparators(valgt));
}

void Tspmform::musikTestButtonClick()
{
    const QString sti = storedpath::resolve(cleanEnteredLine(musikEdit->text()));
    if (!sti.isEmpty() && QFileInfo(sti).isFile())
        shell::openFile(sti);
}

void Tspmform::advarLangeTekster(const SpmRec &spm)
{
    if (!displayform)
        return;
    QStringList lange;
    if (!displayform->spmPasser(spm.Tekst))
        lange << QStringLiteral("spørgsmålet");
    const QString svar[] = {spm.Svar1, spm.Svar2, spm.Svar3, spm.Svar4};
    for (int i = 0; i < 4; ++i) {
        if (!displayform->svarPasser(svar[i]))
            lange << QStringLiteral("svar ") + QChar(u'A' + i);
    }
    if (lange.isEmpty())
        return;
    QString dele = lange.takeLast();
    if (!lange.isEmpty())
        dele = lange.join(QStringLiteral(", ")) + QStringLiteral(" og ") + dele;
    dele[0] = dele[0].toUpper();
    const bool flere = !lange.isEmpty();
    visInfo(QStringLiteral("Oplysning:\r") + dele +
            (flere ? QStringLiteral(" er for lange") : QStringLiteral(" er for langt")) +
            QStringLiteral(" til at stå helt på tavlen, selv med den mindste skrift.\r"
                           "Spørgsmålet er gemt, men tavlen viser ikke hele teksten."));
}

} // namespace kvidrel
