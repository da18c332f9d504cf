#include "deltagere.h"

#include "buttonicon.h"
#include "dialogpictures.h"

#include "action.h"
#include "billedfelt.h"
#include "dataroot.h"
#include "errors.h"
#include "hintline.h"
#include "infUnit.h"
#include "listrows.h"
#include "main.h"
#include "participantfiles.h"
#include "spmUnit.h"
#include "storedpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kvidrel {

LazyWindow<Tdeltagerform> deltagerform;

namespace {

constexpr int kClientWidth = 678;
constexpr int kClientHeight = 440;
constexpr int kPictureSize = 150;

const QString kManglerNavn =
    QStringLiteral("Der mangler et deltagernavn.\rIndfør det og prøv igen.");
const QString kNavnFindes =
    QStringLiteral("Navnet er allerede indført.\rIndfør et andet og prøv igen.");
const QString kVaelgBilledeHint = QStringLiteral("Vælg billede til deltageren");
const QString kVaelgTegningHint = QStringLiteral("Vælg billede til deltageren fra tegninger");

Tdeltagerform::BilledVaelger &billedVaelger()
{
    static Tdeltagerform::BilledVaelger vaelger;
    return vaelger;
}

QString aabnBilledDialog(QWidget *parent, const QString &startMappe)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Åbn billede"), startMappe,
                                        BilledFelt::dialogFilter());
}

QToolButton *toolButton(const QString &text, QStyle::StandardPixmap icon, const char *name)
{
    auto *b = listrows::named(new QToolButton, name);
    if (text.isEmpty()) {
        b->setAutoRaise(true);
        b->setIcon(buttonIcon(icon));
    } else {
        b->setText(text);
    }
    return b;
}

} // namespace

Tdeltagerform::Tdeltagerform(QWidget *parent) : ModalWindow(QStringLiteral("Deltagere"), parent)
{
    deltagerform = this; // the program-wide reference is in place before the creation handler
    buildWindow();
    makeActions();
    FormCreate();
}

Tdeltagerform::~Tdeltagerform()
{
    if (deltagerform.ifMade() == this)
        deltagerform = nullptr;
}

void Tdeltagerform::setBilledVaelger(BilledVaelger vaelger)
{
    billedVaelger() = std::move(vaelger);
}

void Tdeltagerform::FormCreate()
{
    Label1->setText(billedMappeTekst());
    if (mainform)
        LoadListeFraDel();
}

QString Tdeltagerform::billedMappeTekst() const
{
    QString mappe = QDir::toNativeSeparators(mainform ? mainform->billedDir
                                                      : DataLayout::under(dataRoot()).billedDir);
    if (mappe.size() > 1 && mappe.endsWith(separator()))
        mappe.chop(1);
    return QStringLiteral("Tegningerne ligger i følgende mappe: ") + mappe;
}

// ---- Layout -------------------------------------------------------------------

void Tdeltagerform::buildWindow()
{
    setFixedSize(kClientWidth, kClientHeight);
    auto *sides = new QHBoxLayout;
    sides->setContentsMargins(6, 6, 6, 0);
    sides->addWidget(buildLeftSide(), 1);
    sides->addWidget(buildRightSide(), 1);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addLayout(sides, 1);
    box->addWidget(makeInfoBar());
}

QWidget *Tdeltagerform::buildLeftSide()
{
    auto *left = new QWidget;
    delLabel = listrows::named(new QLabel(QStringLiteral("Vælg deltagere")), "delLabel");
    Button6 = toolButton(QString(), QStyle::SP_TrashIcon, "Button6");
    Button5 = toolButton(QStringLiteral("Afcheck alle"), {}, "Button5");
    Button2 = toolButton(QStringLiteral("Check alle"), {}, "Button2");
    Button3 = toolButton(QString(), QStyle::SP_ArrowDown, "Button3");
    Button4 = toolButton(QString(), QStyle::SP_ArrowUp, "Button4");
    Button1 = toolButton(QString(), QStyle::SP_DialogSaveButton, "Button1");
    auto *buttons = new QHBoxLayout;
    for (QToolButton *b : {Button6, Button5, Button2, Button3, Button4, Button1})
        buttons->addWidget(b);
    buttons->addStretch(1);

    deltagerliste = listrows::named(new QListWidget, "deltagerliste");
    deltagerBar = listrows::named(new QToolBar, "deltagerBar");
    goBut = listrows::named(new QToolButton, "goBut");
    goBut->setText(QStringLiteral("Indfør valgte i spillet"));
    hintline::setHint(goBut, QStringLiteral("Indfør valgte deltagere i kvidrellen"));
    deltagerBar->addWidget(goBut);

    auto *box = new QVBoxLayout(left);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(delLabel);
    box->addLayout(buttons);
    box->addWidget(deltagerliste, 1);
    box->addWidget(deltagerBar);
    return left;
}

QWidget *Tdeltagerform::buildRightSide()
{
    auto *right = new QWidget;
    Label2 = listrows::named(new QLabel(QStringLiteral("Deltagere")), "Label2");
    QFont font = Label2->font();
    font.setBold(true);
    Label2->setFont(font);

    Label1 = listrows::named(new QLabel, "Label1");
    Label1->setWordWrap(true);
    side1 = listrows::named(
        buildPage(navnEdit, deltagerBillede, billedKnap, godkendKnap, billedKnap1, Label1),
        "side1");
    navnEdit->setObjectName(QStringLiteral("navnEdit"));
    deltagerBillede->setObjectName(QStringLiteral("deltagerBillede"));
    billedKnap->setObjectName(QStringLiteral("billedKnap"));
    godkendKnap->setObjectName(QStringLiteral("godkendKnap"));
    billedKnap1->setObjectName(QStringLiteral("billedKnap1"));

    side2 = listrows::named(
        buildPage(navnEditR, deltagerBilledeR, billedKnapR, godkendKnapR, billedKnapR1, nullptr),
        "side2");
    navnEditR->setObjectName(QStringLiteral("navnEditR"));
    deltagerBilledeR->setObjectName(QStringLiteral("deltagerBilledeR"));
    billedKnapR->setObjectName(QStringLiteral("billedKnapR"));
    godkendKnapR->setObjectName(QStringLiteral("godkendKnapR"));
    billedKnapR1->setObjectName(QStringLiteral("billedKnapR1"));

    deltagerBog = listrows::named(new QTabWidget, "deltagerBog");
    deltagerBog->addTab(side1, QStringLiteral("Ny deltager"));
    deltagerBog->addTab(side2, QStringLiteral("Rediger deltager"));
    deltagerBog->setCurrentIndex(0);

    auto *box = new QVBoxLayout(right);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(Label2);
    box->addWidget(deltagerBog, 1);
    return right;
}

// The two pages are alike: a name, a picture and three buttons.
QWidget *Tdeltagerform::buildPage(QLineEdit *&navn, BilledFelt *&billede, QToolButton *&vaelg,
                                  QToolButton *&godkendKnap, QToolButton *&tegning,
                                  QLabel *topLabel)
{
    auto *page = new QWidget;
    navn = new QLineEdit;
    billede = new BilledFelt;
    billede->setFixedSize(kPictureSize, kPictureSize);
    vaelg = toolButton(QStringLiteral("Vælg billede"), {}, "");
    hintline::setHint(vaelg, kVaelgBilledeHint);
    // The action gives the caption; the check mark says what the button does.
    godkendKnap = toolButton(QStringLiteral("Godkend"), {}, "");
    godkendKnap->setIcon(QIcon(dialogpictures::checkMarkPicture()));
    godkendKnap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tegning = toolButton(QStringLiteral("Vælg tegning"), {}, "");
    hintline::setHint(tegning, kVaelgTegningHint);

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Navn")));
    nameRow->addWidget(navn, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(vaelg);
    buttons->addWidget(tegning);
    buttons->addStretch(1);
    buttons->addWidget(godkendKnap);
    auto *pictureRow = new QHBoxLayout;
    pictureRow->addWidget(billede);
    pictureRow->addLayout(buttons);
    pictureRow->addStretch(1);

    auto *box = new QVBoxLayout(page);
    if (topLabel)
        box->addWidget(topLabel);
    box->addLayout(nameRow);
    box->addLayout(pictureRow);
    box->addStretch(1);
    return page;
}

void Tdeltagerform::makeActions()
{
    const auto valgt = [this] { return listrows::valgt(deltagerliste); };

    sletPerson = new Action(this, QString(), QStringLiteral("Fjern valgte person fra listen"));
    sletPerson->OnUpdate = [this, valgt] { sletPerson->setEnabled(valgt() >= 0); };
    sletPerson->OnExecute = [this] { sletPersonExecute(); };
    sletPerson->attach(Button6);

    aAfcheck = new Action(this, QString(), QStringLiteral("Afcheck alle"));
    aAfcheck->OnUpdate = [this] { aAfcheck->setEnabled(deltagerliste->count() > 0); };
    aAfcheck->OnExecute = [this] { aAfcheckExecute(); };
    aAfcheck->attach(Button5);

    aCheck = new Action(this, QString(), QStringLiteral("Check alle"));
    aCheck->OnUpdate = [this] { aCheck->setEnabled(deltagerliste->count() > 0); };
    aCheck->OnExecute = [this] { aCheckExecute(); };
    aCheck->attach(Button2);

    flytNed = new Action(this, QString(), QStringLiteral("Flyt valgte person ned i listen"));
    flytNed->OnUpdate = [this] { flytNed->setEnabled(listrows::kanFlytteNed(deltagerliste)); };
    flytNed->OnExecute = [this] { flytNedExecute(); };
    flytNed->attach(Button3);

    flytOp = new Action(this, QString(), QStringLiteral("Flyt valgte person op i listen"));
    flytOp->OnUpdate = [this] { flytOp->setEnabled(listrows::kanFlytteOp(deltagerliste)); };
    flytOp->OnExecute = [this] { flytOpExecute(); };
    flytOp->attach(Button4);

    gemDel = new Action(this, QString(), QStringLiteral("Gem de udførte forandringer"));
    gemDel->OnUpdate = [this] { gemDel->setEnabled(modificeret); };
    gemDel->OnExecute = [this] { gemDelExecute(); };
    gemDel->attach(Button1);

    godkend = new Action(this, QStringLiteral("Godkend"), QString());
    godkend->OnUpdate = [this] { godkend->setEnabled(godkendNy); };
    godkend->OnExecute = [this] { godkendExecute(); };
    godkend->attach(godkendKnap);

    godkendR = listrows::named(new Action(this, QStringLiteral("Godkend"), QString()), "godkendR");
    godkendR->OnUpdate = [this] {
        godkendR->setEnabled(godkendRed && mainform && mainform->Index >= 0);
    };
    godkendR->OnExecute = [this] { godkendRExecute(); };
    godkendR->attach(godkendKnapR);

    connect(navnEdit, &QLineEdit::textChanged, this, [this] { navnEditChange(); });
    connect(navnEditR, &QLineEdit::textChanged, this, [this] { navnEditRChange(); });
    const auto click = [this](QToolButton *b, void (Tdeltagerform::*handler)()) {
        connect(b, &QToolButton::clicked, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    click(billedKnap, &Tdeltagerform::billedKnapClick);
    click(billedKnap1, &Tdeltagerform::billedKnap1Click);
    click(billedKnapR, &Tdeltagerform::billedKnapRClick);
    click(billedKnapR1, &Tdeltagerform::billedKnapR1Click);
    click(goBut, &Tdeltagerform::goButClick);
    listrows::onClick(deltagerliste, [this] { guarded([this] { deltagerlisteClick(); }); });
    listrows::onClickCheck(
        deltagerliste, [this](int row) { guarded([this, row] { deltagerlisteClickCheck(row); }); });

    for (Action *a : {sletPerson, aAfcheck, aCheck, flytNed, flytOp, gemDel, godkend, godkendR})
        a->Update();
}

// ---- Register and list ------------------------------------------------------------

void Tdeltagerform::LoadListeFraDel()
{
    // Pending messages repaint a shown window. While the window is being made
    // (by the host's click on the main window) nothing may reach it half made.
    if (isVisible())
        QCoreApplication::processEvents();
    mainform->antalDeltagere = 0;
    const QSignalBlocker blocker(deltagerliste);
    deltagerliste->clear();
    for (std::int32_t i = 0; i <= mainform->maxIndex && i < mainform->Del.size(); ++i) {
        const Deltagere &d = mainform->Del.at(i);
        listrows::tilfoejCheck(deltagerliste, d.Navn, d.Aktiv);
        if (d.Aktiv)
            ++mainform->antalDeltagere;
    }
}

bool Tdeltagerform::NavnExists(const QString &Navn) const
{
    return mainform->deltagerRegister.find(Navn) >= 0;
}

std::int32_t Tdeltagerform::antalValgteDeltagere()
{
    std::int32_t antal = 0;
    for (int i = 0; i < deltagerliste->count() && i < mainform->Del.size(); ++i) {
        if (mainform->Del.at(i).Aktiv)
            ++antal;
    }
    delLabel->setText(QStringLiteral("Vælg deltagere: ") + QString::number(antal));
    return antal;
}

void Tdeltagerform::navnEditChange()
{
    godkendNy = !navnEdit->text().isEmpty();
}

void Tdeltagerform::navnEditRChange()
{
    godkendRed = !navnEditR->text().isEmpty();
}

// ---- Pictures -------------------------------------------------------------------

void Tdeltagerform::billedKnapClick()
{
    vaelgBillede(Side::Ny, false);
}

void Tdeltagerform::billedKnap1Click()
{
    vaelgBillede(Side::Ny, true);
}

void Tdeltagerform::billedKnapRClick()
{
    vaelgBillede(Side::Rediger, false);
}

void Tdeltagerform::billedKnapR1Click()
{
    vaelgBillede(Side::Rediger, true);
}

void Tdeltagerform::vaelgBillede(Side side, bool fraTegninger)
{
    delFilnavn.clear();
    m_billedSide = Side::Ingen;
    if (fraTegninger)
        m_dialogMappe = mainform->billedDir;
    const BilledVaelger &vaelger = billedVaelger();
    const QString valgt =
        vaelger ? vaelger(this, m_dialogMappe) : aabnBilledDialog(this, m_dialogMappe);
    const QFileInfo info(valgt);
    if (valgt.isEmpty() || !info.isFile())
        return;
    m_dialogMappe = info.absolutePath(); // the dialog opens where it was left
    // Shown first: a file that is no picture is reported and never stored.
    BilledFelt *billede = side == Side::Ny ? deltagerBillede : deltagerBilledeR;
    billede->LoadFromFile(info.absoluteFilePath());
    delFilnavn = QDir::toNativeSeparators(info.absoluteFilePath());
    m_billedSide = side;
    if (side == Side::Ny)
        godkendNy = !navnEdit->text().isEmpty();
    else
        godkendRed = !navnEditR->text().isEmpty();
}

// ---- New and edited participants ------------------------------------------------

void Tdeltagerform::godkendExecute()
{
    nyDeltager();
    godkendNy = false;
}

void Tdeltagerform::nyDeltager()
{
    delNavn = cleanEnteredLine(navnEdit->text());
    if (delNavn.isEmpty()) {
        visInfo(kManglerNavn);
        return;
    }
    if (NavnExists(delNavn)) {
        visInfo(kNavnFindes);
        return;
    }
    QString billede;
    if (!delFilnavn.isEmpty() && m_billedSide == Side::Ny) {
        const QString maal =
            billedSti(mainform->deltagerDir, delNavn, delFilnavn, mainform->Del, -1);
        kopierBillede(delFilnavn, maal, mainform->deltagerDir); // a failure adds nobody
        billede = storedpath::toStored(maal);
    }

    mainform->deltagerRegister.tilfoej(Deltagere{delNavn, billede, true, 0});
    listrows::tilfoejCheck(deltagerliste, delNavn, true);

    mainform->SaveDeltagerRecord();
    navnEdit->clear();
    deltagerBillede->Clear();
    delFilnavn.clear();
    m_billedSide = Side::Ingen;
}

void Tdeltagerform::deltagerlisteClick()
{
    const int row = listrows::valgt(deltagerliste);
    if (row < 0 || row >= mainform->Del.size())
        return;
    mainform->Index = row;
    deltagerBog->setCurrentWidget(side2);
    navnEditR->setText(mainform->Del.at(row).Navn);
    godkendRed = false;
    // A picture picked for the participant shown before is not this one's.
    if (m_billedSide == Side::Rediger) {
        delFilnavn.clear();
        m_billedSide = Side::Ingen;
    }
    const QString fil = storedpath::resolve(mainform->Del.at(row).Filnavn);
    deltagerBilledeR->Clear();
    if (!fil.isEmpty() && QFileInfo(fil).isFile())
        deltagerBilledeR->LoadFromFile(fil);
}

void Tdeltagerform::godkendRExecute()
{
    redigerDeltager();
}

void Tdeltagerform::redigerDeltager()
{
    const std::int32_t index = mainform->Index;
    if (index < 0 || index >= mainform->Del.size())
        return;
    delNavn = cleanEnteredLine(navnEditR->text());
    if (delNavn.isEmpty()) {
        visInfo(kManglerNavn);
        return;
    }
    Deltagere &d = mainform->Del[index];
    QString navn = d.Navn; // a change only in the case of a to z is no change
    if (!sammeNavnAZ(delNavn, d.Navn)) {
        if (NavnExists(delNavn)) {
            visInfo(kNavnFindes);
            return;
        }
        navn = delNavn;
    }

    QString billede = d.Filnavn;
    if (!delFilnavn.isEmpty() && m_billedSide == Side::Rediger) {
        // The new picture is in place before the old one goes, so a failed copy
        // leaves the participant as it was.
        const QString maal =
            billedSti(mainform->deltagerDir, navn, delFilnavn, mainform->Del, index);
        kopierBillede(delFilnavn, maal, mainform->deltagerDir);
        billede = storedpath::toStored(maal);
        const QString gammel = d.Filnavn;
        d.Filnavn = billede;
        if (!storedpath::same(billede, gammel))
            sletBilledeHvisFrit(gammel, mainform->deltagerDir, mainform->Del, index);
    }
    d.Navn = navn;
    d.Filnavn = billede;

    mainform->SaveDeltagerRecord();
    LoadListeFraDel();
    delNavn.clear();
    delFilnavn.clear();
    m_billedSide = Side::Ingen;
    godkendRed = false;
}

// ---- Check marks, order and saving -------------------------------------------------

void Tdeltagerform::deltagerlisteClickCheck(int row)
{
    if (row >= 0 && row < mainform->Del.size())
        mainform->Del[row].Aktiv = listrows::checked(deltagerliste, row);
    modificeret = true;
    antalValgteDeltagere();
}

void Tdeltagerform::checkAlle(bool check)
{
    for (int i = 0; i < deltagerliste->count() && i < mainform->Del.size(); ++i) {
        listrows::saetRaekke(deltagerliste, i, mainform->Del.at(i).Navn, check);
        mainform->Del[i].Aktiv = check;
    }
    antalValgteDeltagere();
}

void Tdeltagerform::aCheckExecute()
{
    checkAlle(true);
}

void Tdeltagerform::aAfcheckExecute()
{
    checkAlle(false);
}

void Tdeltagerform::flytNedExecute()
{
    const int i = listrows::valgt(deltagerliste);
    flyt(i, i + 1);
}

void Tdeltagerform::flytOpExecute()
{
    const int i = listrows::valgt(deltagerliste);
    flyt(i, i - 1);
}

void Tdeltagerform::flyt(int fra, int til)
{
    // The register keeps the participant on the edit page with its entry.
    if (!mainform->deltagerRegister.flyt(fra, til))
        return;
    const TDel &del = mainform->Del;
    listrows::saetRaekke(deltagerliste, fra, del.at(fra).Navn, del.at(fra).Aktiv);
    listrows::saetRaekke(deltagerliste, til, del.at(til).Navn, del.at(til).Aktiv);
    listrows::vaelg(deltagerliste, til);
    modificeret = true;
}

void Tdeltagerform::gemDelExecute()
{
    mainform->SaveDeltagerRecord();
    modificeret = false;
}

void Tdeltagerform::sletPersonExecute()
{
    const int i = listrows::valgt(deltagerliste);
    TDel &del = mainform->Del;
    if (i < 0 || i >= del.size())
        return;
    const QString navn = deltagerliste->item(i)->text();
    const QString billede = del.at(i).Filnavn;
    // The question tells of the picture only when it will in fact go with the entry.
    const bool sletBillede = billedeKanSlettes(billede, mainform->deltagerDir, del, i);
    const QString spoergsmaal =
        sletBillede ? QStringLiteral("Skal ") + navn +
                          QStringLiteral(" slettes permanent fra deltagerlisten?") + u'\r' + navn +
                          QStringLiteral("s billede bliver også slettet!")
                    : QStringLiteral("Skal ") + navn + u'\r' +
                          QStringLiteral("slettes permanent fra deltagerlisten?");
    if (!spoerg(spoergsmaal))
        return;

    navnEditR->clear();
    deltagerBilledeR->Clear();
    mainform->deltagerRegister.fjern(i);
    mainform->Index = -1; // the edit page was emptied above
    LoadListeFraDel();
    // The picture goes only once the register without the entry is saved.
    mainform->SaveDeltagerRecord();
    if (sletBillede)
        sletBilledeHvisFrit(billede, mainform->deltagerDir, del, -1);
}

void Tdeltagerform::goButClick()
{
    done(1);
}

} // namespace kvidrel
