// The game flow of the main window: taking the participants and the questions
// into the game, the turns, the questions on both boards and the answers.
// The rules themselves live in Spil; this file puts them on the boards.

#include "main.h"

#include "action.h"
#include "billedfelt.h"
#include "deltagere.h"
#include "display.h"
#include "infUnit.h"
#include "liste.h"
#include "makeSpm.h"
#include "options.h"
#include "placement.h"
#include "shell.h"
#include "skema.h"
#include "spmUnit.h"
#include "storedpath.h"
#include "textfile.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTabWidget>
#include <exception>

namespace kvidrel {

namespace {

const QString kManglerDeltagere =
    QStringLiteral("Der mangler deltagere.\rIndfør deltagere og prøv igen.");
const QString kForMange =
    QStringLiteral("Der er valgt for mange deltagere.\rDer kan kun indføres 10 deltagere.");
const QString kManglerSpm =
    QStringLiteral("Der mangler spørgsmål.\rIndfør spørgsmål og prøv igen.");
const QString kFortsaet = QStringLiteral("\rSkal spillet fortsætte med de opnåede point?");
const QString kSlutHjem = QStringLiteral("Spillet er slut. Vælg eventuelt en ny gruppe spørgsmål.");
const QString kSlut = QStringLiteral("Spillet er slut.");

QStringList svarTekster(const SpmRec &q)
{
    return {q.Svar1, q.Svar2, q.Svar3, q.Svar4};
}

// A stored path that names an existing file, or empty.
QString eksisterendeFil(const QString &stored)
{
    if (stored.trimmed().isEmpty())
        return QString();
    const QString sti = storedpath::resolve(stored);
    return QFileInfo(sti).isFile() ? sti : QString();
}

QStringList kommentar(const QString &stored)
{
    const QString sti = eksisterendeFil(stored);
    try {
        if (!sti.isEmpty())
            return readLineList(sti);
    } catch (const std::exception &) {
    }
    return {};
}

} // namespace

void Tmainform::skrivSkema(std::int32_t FeltNr, const QString &Tekst)
{
    deltagerSkema->TekstFelt(FeltNr, Tekst);
    if (displayform)
        displayform->skrivSkema(FeltNr, Tekst);
}

void Tmainform::visSpmHjem(const QString &tekst, const QStringList &svar)
{
    spmDisplay->TekstFelt(0, tekst);
    for (int Nr = 0; Nr < 4; ++Nr)
        svarDisplay->TekstFelt(Nr, svar.value(Nr));
}

void Tmainform::visModal(ModalWindow *window, const std::function<void(int)> &derefter)
{
    const WindowPlace tavle = placeOf(displayform);
    const WindowPlace hjem = placeOf(this);
    if (displayform)
        displayform->hide();
    hide();
    onScreenOf(window, this);
    derefter(window->exec());
    showAt(this, hjem);
    showAt(displayform, tavle);
    // The board was shown last; a window manager would give it the keyboard.
    tilVaerten();
}

bool Tmainform::loadDeltagerfil()
{
    antalDeltagere = 0;
    for (std::int32_t Felt = 2; Felt <= 21; ++Felt)
        skrivSkema(Felt, QString());
    if (maxIndex == -1)
        return false;
    bool forMange = false;
    const TDel valgte = aktiveDeltagere(Del, &forMange);
    for (std::int32_t j = 0; j < valgte.size(); ++j) {
        skrivSkema(2 * j + 2, valgte.at(j).Navn);
        skrivSkema(2 * j + 3, QString::number(valgte.at(j).Point));
    }
    if (forMange)
        visInfo(kForMange);
    antalDeltagere = std::int32_t(valgte.size());
    skrivSkema(0, QString::number(antalDeltagere) + QStringLiteral(" deltagere"));
    return antalDeltagere > 0;
}

void Tmainform::deltagerButtonClick()
{
    deltagerform->antalValgteDeltagere();
    visModal(deltagerform, [this](int svar) {
        if (svar == 1) {
            // OK always ends a running game: its players may be gone.
            spil.slut();
            if (!loadDeltagerfil())
                visInfo(kManglerDeltagere);
        } else if (antalDeltagere == 0) {
            visInfo(kManglerDeltagere);
        }
    });
}

void Tmainform::spmKnapClick()
{
    visModal(spmform, [this](int svar) {
        if (svar != 1)
            return;
        disGruppenavn = spmform->gruppenavn();
        // The game takes its own copy: what the question window does later
        // without OK changes neither this game nor the next.
        spil.tagSpm(Spm);
        displayform->visGruppe(disGruppenavn, spil.antalSpm());
        // The same players may go on with their points: the next round.
        if (spil.sammeSpillere(Del))
            visStilling(QStringLiteral("Runde ") + QString::number(spil.runde() + 1));
        else
            displayform->skjulStilling();
    });
}

void Tmainform::aStartUpdate()
{
    aStart->setEnabled(spil.spmNummer() == 0);
}

void Tmainform::aStartExecute()
{
    // A game ended from the question window left its last answer standing.
    displayform->rydSvarside();
    displayform->visSpmSide();
    if (!loadDeltagerfil()) {
        visInfo(kManglerDeltagere);
        deltagerButtonClick();
        return;
    }
    if (spil.antalSpm() == 0) {
        visInfo(kManglerSpm);
        spmKnapClick();
        return;
    }
    startSpil();
    nyTur();
}

void Tmainform::startSpil()
{
    // Only the same players in the same order may go on with their points.
    const bool fortsaet = spil.sammeSpillere(Del) && spoerg(kFortsaet);
    spil.startSpil(Del, fortsaet);
    if (fortsaet)
        continuePoint();
}

void Tmainform::continuePoint()
{
    const TDel &spillere = spil.spillere();
    for (std::int32_t i = 0; i < spillere.size(); ++i) {
        skrivSkema(2 * i + 2, spillere.at(i).Navn);
        skrivSkema(2 * i + 3, QString::number(spillere.at(i).Point));
    }
}

void Tmainform::nyTur()
{
    if (!spil.naesteSpm()) {
        spilSlut();
        return;
    }
    // The value is settled before the turn changes: a range that cannot be
    // read is reported while the board still shows the last question.
    const std::int32_t Point = spil.aktueltSpm()->Point;
    naestePoint = Point != 0 ? begraensPoint(Point) : tilfaeldigPoint();
    skiftTur();
    visSpm();
}

void Tmainform::spilSlut()
{
    visSpmHjem(kSlutHjem, {});
    displayform->visSlut(kSlut);
    visStilling(kSlut);
    QApplication::processEvents();
    spil.slut();
}

void Tmainform::visStilling(const QString &titel)
{
    const QVector<StillingsRaekke> raekker = stilling(spil.spillere());
    for (std::int32_t i = 0; i < raekker.size(); ++i) {
        const StillingsRaekke &r = raekker.at(i);
        skrivSkema(2 * i + 2, QString::number(r.plads) + QStringLiteral(". ") + r.navn);
        skrivSkema(2 * i + 3, QString::number(r.point));
    }
    displayform->visStilling(titel, raekker);
}

void Tmainform::skiftTur()
{
    spil.skiftTur();
    const Deltagere *p = spil.aktivSpiller();
    displayform->visTur(p ? p->Navn : QString(), p ? eksisterendeFil(p->Filnavn) : QString());
}

void Tmainform::visSpm()
{
    const SpmRec *q = spil.aktueltSpm();
    if (!q)
        return;
    displayform->visTilbage(spil.antalSpm() - spil.spmNummer());
    displayform->startTimer(naestePoint);
    // The last answer is neither shown nor at hand for Enter.
    svarDisplay->FjernAktiv();
    svarDisplay->OverFelt(svarDisplay->GetOverNr(), false);
    svarDisplay->SetOverNr(-1);
    displayform->visSpm(q->Tekst, svarTekster(*q));
    visSpmHjem(q->Tekst, svarTekster(*q));
    const QString musik = musikFil(q->musikFilnavn);
    if (!musik.isEmpty())
        shell::openFile(musik);
    tasterTilSvar();
}

void Tmainform::svarDisplayMus(std::int32_t FeltNr)
{
    const std::optional<Svar> svar = spil.svar(FeltNr, displayform->spmPoint);
    if (!svar)
        return;
    const SpmRec &q = *spil.aktueltSpm();
    const Deltagere &p = spil.spillere().at(svar->spillerNr - 1);
    QString resultat = QStringLiteral("FORKERT: 0 point");
    if (svar->rigtigt) {
        skrivSkema(2 * svar->spillerNr + 1, QString::number(p.Point));
        resultat =
            QStringLiteral("RIGTIGT: ") + QString::number(svar->point) + QStringLiteral(" point");
    }
    QStringList linjer = kommentar(q.kFilnavn);
    linjer << QString() << p.Navn + QStringLiteral(" svarede: ") + svar->svaretTekst
           << QStringLiteral("Rigtigt svar: ") + svar->rigtigTekst.value_or(QString());
    displayform->visSvar(resultat, q.Tekst, eksisterendeFil(q.bFilnavn), linjer);
    tasterTilSvar();
}

void Tmainform::tasterTilSvar()
{
    // A range field clicked during a question keeps the keys only until the
    // answer: the answers take no focus from a click, and a line edit would
    // swallow 1 to 4 and N.
    svarDisplay->setFocus(Qt::OtherFocusReason);
}

void Tmainform::aNextSpmUpdate()
{
    aNextSpm->setEnabled(spil.tilstand() == Spil::Tilstand::Besvaret);
}

void Tmainform::aNextSpmExecute()
{
    displayform->visSpmSide();
    nyTur();
}

void Tmainform::bjaelkenFremme()
{
    spil.aabnForSvar();
}

std::int32_t Tmainform::tilfaeldigPoint()
{
    try {
        pointKontrol();
        gyldigMin = minPoint;
        gyldigMax = maxPoint;
    } catch (const RangeError &fejl) {
        visInfo(QString::fromStdString(fejl.what()));
        minPoint = gyldigMin;
        maxPoint = gyldigMax;
    }
    return traekPoint(minPoint, maxPoint, *QRandomGenerator::global());
}

} // namespace kvidrel
