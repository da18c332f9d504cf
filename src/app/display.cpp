#include "display.h"

#include "appfont.h"
#include "billedfelt.h"
#include "canvas.h"
#include "fuldskaerm.h"
#include "liste.h"
#include "listrows.h"
#include "options.h"
#include "pointbar.h"
#include "skema.h"
#include "spil.h"
#include "stilling.h"
#include "tavle.h"
#include "tekstfelt.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace kvidrel {

Tdisplayform *displayform = nullptr;

using namespace tavle;

namespace {

constexpr int kClientWidth = 973;
constexpr int kClientHeight = 654;
constexpr int kInfoHeight = 42;
constexpr int kBoardHeight = kClientHeight - kInfoHeight;
constexpr int kLeftPanelWidth = 313;
constexpr int kPointPanelWidth = 104;
constexpr int kEditWidth = 40;
constexpr int kEditHeight = 26;
constexpr int kPointFeltHeight = 26;
constexpr int kScaleWidth = 40;
constexpr int kPageWidth = kClientWidth - kLeftPanelWidth - kPointPanelWidth;
constexpr int kSpmSide = 0;
constexpr int kSvarSide = 1;
constexpr int kStillingSide = 2;
// The pages below their tabs.
constexpr int kSideHoejde = kBoardHeight - 30;

int &timerInterval()
{
    static int ms = 60;
    return ms;
}

// The thin line under the comment picture.
class Streg : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), 0);
        g.setColorAt(0, toQColor(clSkyBlue));
        g.setColorAt(0.5, toQColor(clBlue));
        g.setColorAt(1, toQColor(clSkyBlue));
        p.fillRect(rect(), g);
    }
};

// Shown to the players, never typed into, and drawn in normal colours.
template <class Felt> void kunTilAtLaese(Felt *felt)
{
    felt->setReadOnly(true);
    felt->setFocusPolicy(Qt::NoFocus);
    felt->setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace

Tdisplayform::Tdisplayform(TCompoTekst *pointTekst, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    // The players' board has no title-bar buttons: it ends with the program.
    setWindowTitle(QStringLiteral("Kvidrel"));
    setFont(tahoma(11));
    setFixedSize(kClientWidth, kClientHeight);
    m_tavle = listrows::named(new QWidget(this), "tavle");
    // Its own font: in full screen it has no parent to inherit one from.
    m_tavle->setFont(tahoma(11));
    m_tavle->setFixedSize(kClientWidth, kClientHeight);

    saetSpmTekst(SpmTekst, ssTavle);
    saetNavnTekst(NavnTekst);

    buildLeftPanel(pointTekst)->setGeometry(0, 0, kLeftPanelWidth, kBoardHeight);
    buildPointPanel()->setGeometry(kLeftPanelWidth, 0, kPointPanelWidth, kBoardHeight);
    buildPages()->setGeometry(kLeftPanelWidth + kPointPanelWidth, 0, kPageWidth, kBoardHeight);

    infoListe = listrows::named(new TListe(m_tavle), "infoListe");
    saetFelter(*infoListe, SpmTekst, 4, 1, Tahoma(19, clGreen));
    infoListe->SetTekstListe({QStringLiteral("Gruppenavn"), QStringLiteral("Antal spørgsmål"),
                              QStringLiteral("Spørgsmål tilbage"), QString()});
    infoListe->setGeometry(0, kBoardHeight, kClientWidth, kInfoHeight);

    Timer = listrows::named(new QTimer(this), "Timer");
    // A coarse timer may round each tick by up to 5%, and the rounding adds up
    // over the hundred ticks the players watch.
    Timer->setTimerType(Qt::PreciseTimer);
    Timer->setInterval(timerInterval());
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });

    m_fuldskaerm = std::make_unique<Fuldskaerm>(this, m_tavle);
    connect(new QShortcut(Qt::Key_F11, this), &QShortcut::activated, this,
            [this] { skiftFuldskaerm(); });
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
            [this] { m_fuldskaerm->slut(); });
    FormCreate();
}

Tdisplayform::~Tdisplayform() = default;

void Tdisplayform::skiftFuldskaerm()
{
    m_fuldskaerm->skift();
}

bool Tdisplayform::hentFrem()
{
    if (isVisible() && !isMinimized())
        return false;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    return true;
}

QWidget *Tdisplayform::buildLeftPanel(TCompoTekst *pointTekst)
{
    leftPanel = listrows::named(new QWidget(m_tavle), "leftPanel");
    NavneDisplay = listrows::named(new TListe(leftPanel), "NavneDisplay");
    saetEtFelt(*NavneDisplay, NavnTekst);
    NavneDisplay->SetColor(clWhite);
    NavneDisplay->GrundRamme().SetBredde(2);
    NavneDisplay->GrundRamme().SetDybde(1);
    NavneDisplay->GrundRamme().SetArt(rtUd);
    NavneDisplay->FeltRamme().SetFeltFarve(clMaroon);
    NavneDisplay->SetFont(Tahoma(32, clCream));
    kunVisning(*NavneDisplay);
    NavneDisplay->setGeometry(0, 0, kLeftPanelWidth, 94);

    deltagerBillede = listrows::named(new BilledFelt(leftPanel), "deltagerBillede");
    deltagerBillede->setGeometry(61, 113, 180, 180);

    deltagerSkema = listrows::named(new TSkema(leftPanel), "deltagerSkema");
    if (pointTekst)
        saetDeltagerSkema(*deltagerSkema, *pointTekst);
    deltagerSkema->setGeometry(0, kBoardHeight - 294, kLeftPanelWidth, 294);
    return leftPanel;
}

QWidget *Tdisplayform::buildPointPanel()
{
    pointPanel = listrows::named(new QWidget(m_tavle), "pointPanel");
    pointPanel->setFont(tahoma(13));
    auto bg = pointPanel->palette();
    bg.setColor(QPalette::Window, toQColor(clSkyBlue));
    pointPanel->setPalette(bg);
    pointPanel->setAutoFillBackground(true);

    pointFelt = listrows::named(new TTekstFelt(pointPanel), "pointFelt");
    pointFelt->SetColor(clSkyBlue);
    pointFelt->GrundRamme().SetBredde(1);
    pointFelt->GrundRamme().SetArt(rtIngen);
    pointFelt->GrundRamme().SetEkstraVenstre(40);
    pointFelt->SetFont(Tahoma(16, TekstPaa(clSkyBlue)));
    pointFelt->SetCompoTekst(&NavnTekst);
    pointFelt->SetTekst(QStringLiteral("0"));
    pointFelt->SetGlatTekst(true);
    pointFelt->setGeometry(0, 0, kPointPanelWidth, kPointFeltHeight);

    const int scaleTop = kPointFeltHeight;
    const int scaleHeight = kBoardHeight - kPointFeltHeight - kEditHeight;
    Liste1 = listrows::named(new TListe(pointPanel), "Liste1");
    Liste1->SetColor(clSkyBlue);
    Liste1->GrundRamme().SetBredde(0);
    Liste1->GrundRamme().SetAfstandLodret(0);
    Liste1->GrundRamme().SetAfstandVandret(0);
    Liste1->SetAntalVandret(1);
    Liste1->SetAntalLodret(10);
    Liste1->SetAntalFelter(10);
    Liste1->SetRulFunktion(false);
    Liste1->SetMusOver(false);
    TXFeltRamme &F = Liste1->FeltRamme();
    F.SetBredde(1);
    F.SetArt(rtIngen);
    F.SetFarve(clSkyBlue);
    F.SetFeltFarve(clYellow);
    F.SetAfstandLodret(0);
    F.SetAfstandVandret(0);
    // The scale has its own narrow margins and no word wrap: in the 40-pixel
    // column the lists' margins would split "100" over two lines.
    SkalaTekst.SetMargenVenstre(2);
    SkalaTekst.SetMargenHojre(2);
    Liste1->SetFont(Tahoma(16, TekstPaa(clYellow)));
    Liste1->SetCompoTekst(&SkalaTekst);
    Liste1->SetTekstListe({"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"});
    Liste1->SetGlatTekst(true);
    kunVisning(*Liste1);
    Liste1->setGeometry(0, scaleTop, kScaleWidth, scaleHeight);

    pointBar = listrows::named(new TPointBar(pointPanel), "pointBar");
    pointBar->setGeometry(kScaleWidth, scaleTop, kPointPanelWidth - kScaleWidth, scaleHeight);

    const int editTop = kBoardHeight - kEditHeight;
    LowEdit = listrows::named(new QLineEdit(QString::number(Options::standardMinPoint), pointPanel),
                              "LowEdit");
    LowEdit->setGeometry(0, editTop, kEditWidth, kEditHeight);
    HighEdit = listrows::named(
        new QLineEdit(QString::number(Options::standardMaxPoint), pointPanel), "HighEdit");
    HighEdit->setGeometry(kPointPanelWidth - kEditWidth, editTop, kEditWidth, kEditHeight);
    for (QLineEdit *edit : {LowEdit, HighEdit}) {
        edit->setFont(tahoma(16));
        edit->setMaxLength(3);
        kunTilAtLaese(edit);
    }
    return pointPanel;
}

QWidget *Tdisplayform::buildPages()
{
    displayBog = listrows::named(new QTabWidget(m_tavle), "displayBog");
    displayBog->tabBar()->setAttribute(Qt::WA_TransparentForMouseEvents);
    displayBog->setFocusPolicy(Qt::NoFocus);
    displayBog->tabBar()->setFocusPolicy(Qt::NoFocus);

    auto *side0 = new QWidget;
    spmDisplay = listrows::named(new TListe(side0), "spmDisplay");
    saetSpmDisplay(*spmDisplay, SpmTekst, ssTavle);
    spmDisplay->SetTekstListe({QStringLiteral("Velkommen til kvidrellen!")});
    spmDisplay->setGeometry(0, 120, kPageWidth - 6, 80);
    svarDisplay = listrows::named(new TListe(side0), "svarDisplay");
    saetFelter(*svarDisplay, SpmTekst, 2, 2, Tahoma(21, TekstPaa(clWhite)));
    svarDisplay->GrundRamme().SetAfstandLodret(4);
    svarDisplay->GrundRamme().SetAfstandVandret(4);
    svarDisplay->setGeometry(0, 200, kPageWidth - 6, 206);
    displayBog->addTab(side0, QStringLiteral("Spørgsmål"));

    auto *side1 = new QWidget;
    spmDisplay2 = listrows::named(new TListe(side1), "spmDisplay2");
    saetSpmDisplay(*spmDisplay2, SpmTekst, ssTavle);
    spmDisplay2->setGeometry(0, 0, kPageWidth - 6, 80);
    auto *billedPanel = new QWidget(side1);
    billedPanel->setGeometry(0, 80, kPageWidth - 6, 186);
    komImage = listrows::named(new BilledFelt(billedPanel), "komImage");
    komImage->setGeometry(125, 3, 286, 180);
    Image5 = listrows::named(new Streg(side1), "Image5");
    Image5->setGeometry(0, 266, kPageWidth - 6, 3);
    Memo = listrows::named(new QPlainTextEdit(side1), "Memo");
    Memo->setFont(tahoma(19));
    Memo->setFrameShape(QFrame::NoFrame);
    kunTilAtLaese(Memo);
    Memo->setGeometry(0, 269, kPageWidth - 6, kSideHoejde - 269);
    displayBog->addTab(side1, QStringLiteral("Svar"));

    auto *side2 = new QWidget;
    stillingTitel = listrows::named(new TListe(side2), "stillingTitel");
    saetSpmDisplay(*stillingTitel, SpmTekst, ssTavle);
    stillingTitel->setGeometry(0, 0, kPageWidth - 6, 80);
    stillingListe = listrows::named(new TStilling(side2), "stillingListe");
    stillingListe->setGeometry(0, 88, kPageWidth - 6, kSideHoejde - 88);
    displayBog->addTab(side2, QStringLiteral("Stilling"));
    return displayBog;
}

void Tdisplayform::FormCreate()
{
    // The range comes from the main window once both exist (appwindows).
    displayBog->setCurrentIndex(kSpmSide);
}

void Tdisplayform::visGruppe(const QString &navn, std::int32_t antal)
{
    infoListe->TekstFelt(0, navn);
    infoListe->TekstFelt(1, QStringLiteral("Spørgsmål i alt: ") + QString::number(antal));
    visTilbage(antal);
}

void Tdisplayform::visTilbage(std::int32_t antal)
{
    infoListe->TekstFelt(2, QStringLiteral("Spørgsmål tilbage: ") + QString::number(antal));
}

void Tdisplayform::visTur(const QString &navn, const QString &billede)
{
    NavneDisplay->TekstFelt(0, navn);
    deltagerBillede->visFil(billede);
}

void Tdisplayform::visSpm(const QString &tekst, const QStringList &svar)
{
    spmDisplay->TekstFelt(0, tekst);
    for (int Nr = 0; Nr < 4; ++Nr)
        svarDisplay->TekstFelt(Nr, svar.value(Nr));
}

void Tdisplayform::visSvar(const QString &resultat, const QString &tekst, const QString &billede,
                           const QStringList &linjer)
{
    infoListe->TekstFelt(3, resultat);
    komImage->visFil(billede);
    Memo->setPlainText(linjer.join(u'\n'));
    spmDisplay2->TekstFelt(0, tekst);
    displayBog->setCurrentIndex(kSvarSide);
}

void Tdisplayform::visSpmSide()
{
    displayBog->setCurrentIndex(kSpmSide);
    infoListe->TekstFelt(3, QString());
}

void Tdisplayform::rydSvarside()
{
    infoListe->TekstFelt(3, QString());
    spmDisplay2->TekstFelt(0, QString());
    komImage->Clear();
    Memo->clear();
}

void Tdisplayform::visSlut(const QString &tekst)
{
    rydSvarside();
    visSpm(tekst, {});
    spmDisplay2->TekstFelt(0, tekst);
    visTur(QString(), QString());
}

void Tdisplayform::visStilling(const QString &titel, const QVector<StillingsRaekke> &raekker)
{
    stillingTitel->TekstFelt(0, titel);
    stillingListe->SetRaekker(raekker);
    displayBog->setCurrentIndex(kStillingSide);
}

void Tdisplayform::skjulStilling()
{
    if (displayBog->currentIndex() == kStillingSide)
        displayBog->setCurrentIndex(kSpmSide);
}

void Tdisplayform::skrivSkema(std::int32_t FeltNr, const QString &Tekst)
{
    deltagerSkema->TekstFelt(FeltNr, Tekst);
}

void Tdisplayform::visPointOmraade(const QString &lav, const QString &hoej)
{
    LowEdit->setText(lav);
    HighEdit->setText(hoej);
}

void Tdisplayform::saetPointKilde(std::function<std::int32_t()> kilde)
{
    m_pointKilde = std::move(kilde);
}

bool Tdisplayform::spmPasser(const QString &Tekst)
{
    return spmDisplay->TekstPasser(Tekst);
}

bool Tdisplayform::svarPasser(const QString &Tekst)
{
    return svarDisplay->TekstPasser(Tekst);
}

void Tdisplayform::setTimerInterval(int ms)
{
    timerInterval() = ms;
    if (displayform)
        displayform->Timer->setInterval(ms);
}

void Tdisplayform::startTimer(std::int32_t aPoint)
{
    if (aPoint != 0)
        ranPoint = begraensPoint(aPoint);
    else
        ranPoint = m_pointKilde ? m_pointKilde() : hoejeste;
    pointBar->SetPosition(0);
    pointBar->SetTilstand(TPointBar::TTilstand::Normal);
    Timer->start();
}

void Tdisplayform::TimerTimer()
{
    pointBar->StepIt();
    pointFelt->SetTekst(QString::number(pointBar->Position()));
    if (pointBar->Position() != ranPoint)
        return;
    pointBar->SetTilstand(TPointBar::TTilstand::Pause);
    Timer->stop();
    spmPoint = ranPoint;
    emit pointFremme();
}

void Tdisplayform::closeEvent(QCloseEvent *event)
{
    // The players' board ends with the program (which closes it), never by the
    // host's or the window manager's close.
    if (event->spontaneous())
        event->ignore();
}

} // namespace kvidrel
