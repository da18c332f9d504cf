// The question window's "Kommentarer" page, and the web searches that help the
// host check the facts of a question.

#include "makeSpm.h"

#include "action.h"
#include "billedfelt.h"
#include "dataroot.h"
#include "errors.h"
#include "infUnit.h"
#include "listrows.h"
#include "main.h"
#include "questionfiles.h"
#include "storedpath.h"
#include "websoegning.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QToolButton>

namespace kvidrel {

namespace {

const QString kVaelgSpm =
    QStringLiteral("Der skal vælges et spørgsmål, før der kan indføres kommentarer.");

QString svarTekst(const SpmRec &spm)
{
    switch (spm.RigtigSvar) {
    case 1:
        return spm.Svar1;
    case 2:
        return spm.Svar2;
    case 3:
        return spm.Svar3;
    case 4:
        return spm.Svar4;
    default:
        return QString();
    }
}

// The comment text control shows line breaks as "\n"; the file holds CR LF.
QString tilVisning(QString tekst)
{
    return tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString tilFil(QString tekst)
{
    return tekst.replace(u'\n', QStringLiteral("\r\n"));
}

void kopierFil(const QString &fra, const QString &til)
{
    QFile kilde(fra);
    if (!kilde.copy(til))
        throw FileError(QStringLiteral("Billedet \"%1\" kan ikke kopieres til \"%2\". %3")
                            .arg(QDir::toNativeSeparators(fra), QDir::toNativeSeparators(til),
                                 kilde.errorString()));
}

} // namespace

void Tspmform::makeSearchActions()
{
    const auto soeg = [this](QLineEdit *felt, QToolButton *knap) {
        auto *action = new Action(this, QString(), QStringLiteral("Søg i Google"));
        action->OnUpdate = [action, felt] { action->setEnabled(!felt->text().isEmpty()); };
        action->OnExecute = [felt] { soegPaaNettet(felt->text()); };
        action->attach(knap);
        return action;
    };
    URL1 = soeg(spmEdit, billedKnap);
    URL2 = soeg(EditA, SpeedButton1);
    URL3 = soeg(EditB, SpeedButton2);
    URL4 = soeg(EditC, SpeedButton3);
    URL5 = soeg(EditD, SpeedButton4);
    URL6 = soeg(rigtigtEdit, SpeedButton6);

    connect(Memo, &QPlainTextEdit::textChanged, this, [this] { MemoChange(); });
    connect(pictureKnap, &QPushButton::clicked, this,
            [this] { guarded([this] { pictureKnapClick(); }); });
    // The comment text is the next field on this page.
    connect(rigtigtEdit, &QLineEdit::returnPressed, Memo, [this] { Memo->setFocus(); });
}

void Tspmform::tomKommentarSide()
{
    const QScopedValueRollback fylder(m_fylder, true);
    spmLabel->clear();
    rigtigtEdit->clear();
    kommentarImage->Clear();
    Memo->clear();
    m_kommentarKodning = TextEncoding::Ansi;
    komModified = false;
}

void Tspmform::kommentarSideValgt()
{
    const int i = listrows::valgt(spmliste);
    if (i < 0 || i >= mainform->Spm.size()) {
        saetSide(side1);
        visInfo(kVaelgSpm);
        return;
    }
    const QScopedValueRollback fylder(m_fylder, true);
    spmIndex = i;
    kommentarBillede.clear();
    const SpmRec &spm = mainform->Spm[i];
    spmLabel->setText(spm.Navn);
    rigtigtEdit->setText(svarTekst(spm));

    const QString billede = storedpath::resolve(spm.bFilnavn);
    kommentarImage->Clear();
    if (!billede.isEmpty() && QFileInfo(billede).isFile()) {
        try {
            kommentarImage->LoadFromFile(billede);
        } catch (const FileError &) {
            // A broken picture shows as none; picking another one mends it.
        }
    }
    const QString tekst = storedpath::resolve(spm.kFilnavn);
    m_kommentarKodning = TextEncoding::Ansi;
    if (!tekst.isEmpty() && QFileInfo(tekst).isFile())
        Memo->setPlainText(tilVisning(readComment(tekst, &m_kommentarKodning)));
    else
        Memo->clear();
    komModified = false;
}

void Tspmform::MemoChange()
{
    if (!m_fylder)
        komModified = true;
}

void Tspmform::pictureKnapClick()
{
    kommentarBillede.clear();
    const QString valgt = vaelgFil(QStringLiteral("Åbn billede"), BilledFelt::dialogFilter());
    if (valgt.isEmpty() || !QFileInfo(valgt).isFile())
        return;
    // Only a picture the game can show is taken.
    try {
        kommentarImage->LoadFromFile(valgt);
    } catch (const FileError &) {
        visInfo(QStringLiteral("Oplysning:\rFilen kan ikke vises som billede:\r") +
                QFileInfo(valgt).fileName());
        return;
    }
    kommentarBillede = valgt;
    komModified = true;
}

void Tspmform::gemKommentarerExecute()
{
    TSpm &alle = mainform->Spm;
    if (spmIndex < 0 || spmIndex >= alle.size() || mainform->gruppeNavn.isEmpty())
        return;
    const SpmRec foer = alle[spmIndex];
    // The name comes from a file and may hold anything: it never becomes a path.
    if (!isSafeFileName(foer.Navn)) {
        visInfo(QStringLiteral("Oplysning:\rNavnet kan ikke bruges som filnavn."));
        return;
    }
    const QString mappe = kommentarMappe(mainform->gruppeDir, mainform->gruppeNavn);
    ensureFolder(mappe);
    SpmRec spm = foer;

    if (!kommentarBillede.isEmpty() && QFileInfo(kommentarBillede).isFile()) {
        const QString maal = billedMaal(mappe, kommentarBillede);
        if (!QFileInfo::exists(maal))
            kopierFil(kommentarBillede, maal);
        spm.bFilnavn = storedpath::toStored(maal);
    }

    // Comment files keep the name they were saved under, so after a move the
    // name built here can be another question's comment: that one is kept.
    const int i = spmIndex;
    const QString sti =
        ledigtNavn(mappe, spm.Navn, QStringLiteral(".txt"), [&alle, i](const QString &path) {
            for (int k = 0; k < alle.size(); ++k) {
                if (k != i && !alle[k].kFilnavn.isEmpty() &&
                    storedpath::same(alle[k].kFilnavn, path))
                    return false;
            }
            return true;
        });
    writeComment(sti, tilFil(Memo->toPlainText()), m_kommentarKodning);
    spm.kFilnavn = storedpath::toStored(sti);

    erstatSpm(i, spm, foer);
    komModified = false;
}

} // namespace kvidrel
