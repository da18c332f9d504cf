#include "information.h"

#include "action.h"
#include "almenx.h"
#include "appfont.h"
#include "browser.h"
#include "buttonicon.h"
#include "dataroot.h"
#include "errors.h"
#include "hintline.h"
#include "infUnit.h"
#include "listrows.h"
#include "main.h"
#include "participantfiles.h"
#include "placement.h"
#include "placeringsfil.h"
#include "storedpath.h"
#include "struktur.h"
#include "textfile.h"
#include "url.h"
#include "websoegning.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <functional>

namespace kvidrel {

LazyWindow<Tinfoform> infoform;

namespace {

constexpr int kDesignBredde = 734;
constexpr int kDesignHoejde = 451;

QToolButton *knap(QToolBar *bar, const char *navn, QStyle::StandardPixmap billede)
{
    auto *k = listrows::named(new QToolButton(bar), navn);
    k->setIcon(buttonIcon(billede));
    k->setAutoRaise(true);
    bar->addWidget(k);
    return k;
}

} // namespace

Tinfoform::Tinfoform(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Strukturer"));
    setFont(tahoma(11));
    Almen = new TAlmenX(this);
    Almen->setObjectName(QStringLiteral("Almen"));
    Almen->SetSprog(Dansk);
    buildControls();
    makeActions();
    setMinimumSize(kDesignBredde, kDesignHoejde);
    resize(kDesignBredde, kDesignHoejde);
    FormCreate();
}

void Tinfoform::buildControls()
{
    Splitter1 = listrows::named(new QSplitter(Qt::Horizontal, this), "Splitter1");
    Struktur = listrows::named(new TStruktur(Splitter1), "Struktur");
    Struktur->DataOn = true;
    Struktur->Flytmode = TNodeAttachMode::naAdd;
    Struktur->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Struktur->setAutoScroll(true);

    auto *hoejre = new QWidget(Splitter1);
    auto *hoejreLayout = new QVBoxLayout(hoejre);
    hoejreLayout->setContentsMargins(0, 0, 0, 0);
    hoejreLayout->setSpacing(0);
    NavigateBar = listrows::named(new QToolBar(hoejre), "NavigateBar");
    NavigateBar->setIconSize(QSize(16, 16));
    ToolButton12 = knap(NavigateBar, "ToolButton12", QStyle::SP_MediaSkipBackward);
    ToolButton13 = knap(NavigateBar, "ToolButton13", QStyle::SP_ArrowBack);
    ToolButton14 = knap(NavigateBar, "ToolButton14", QStyle::SP_ArrowForward);
    ToolButton15 = knap(NavigateBar, "ToolButton15", QStyle::SP_MediaSkipForward);
    NavigateBar->addSeparator();
    Edit = listrows::named(new QLineEdit(NavigateBar), "Edit");
    Edit->setMinimumWidth(317);
    NavigateBar->addWidget(Edit);
    ToolButton18 = knap(NavigateBar, "ToolButton18", QStyle::SP_BrowserReload);
    NavigateBar->addSeparator();
    urlListeKnap = knap(NavigateBar, "urlListeKnap", QStyle::SP_FileDialogDetailedView);
    hintline::setHint(urlListeKnap, QStringLiteral("Åbn URL-listen"));
    Web = listrows::named(new Browser(hoejre), "Web");
    hoejreLayout->addWidget(NavigateBar);
    hoejreLayout->addWidget(Web, 1);

    Splitter1->addWidget(Struktur);
    Splitter1->addWidget(hoejre);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({200, kDesignBredde - 200});

    infoBar = listrows::named(new QStatusBar(this), "infoBar");
    infoBar->setSizeGripEnabled(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Splitter1, 1);
    layout->addWidget(infoBar);

    connect(Struktur, &QTreeWidget::itemClicked, this,
            [this] { guarded([this] { StrukturClick(); }); });
    connect(Edit, &QLineEdit::returnPressed, this, [this] { Ago->Execute(); });
    connect(urlListeKnap, &QToolButton::clicked, this, [this] { urlListeKnapClick(); });
    connect(Web, &Browser::documentComplete, this,
            [this](const QString &L) { WebDocumentComplete(L); });
    connect(Web, &Browser::linkOver, this, [this](const QString &U) { Document_OnMouseOver(U); });
}

void Tinfoform::makeActions()
{
    auto lav = [this](Action *&action, const char *hint, QToolButton *knap,
                      std::function<void()> udfoer, std::function<bool()> tilladt) {
        action = new Action(this, QString(), QString::fromUtf8(hint));
        action->OnExecute = std::move(udfoer);
        action->OnUpdate = [action, tilladt = std::move(tilladt)] {
            action->setEnabled(tilladt());
        };
        action->attach(knap);
        action->Update();
    };
    lav(
        Afirst, "Gå til første", ToolButton12, [this] { AfirstExecute(); },
        [this] { return antalRaekker() >= 2 && urlIndex >= 1; });
    lav(
        Aback, "Tilbage", ToolButton13, [this] { AbackExecute(); },
        [this] { return urlIndex > 0; });
    lav(
        Aforward, "Frem", ToolButton14, [this] { AforwardExecute(); },
        [this] { return urlIndex < antalRaekker() - 1; });
    lav(
        Alast, "Gå til sidste", ToolButton15, [this] { AlastExecute(); },
        [this] { return antalRaekker() >= 2 && urlIndex < antalRaekker() - 1; });
    lav(
        Ago, "Opdater/Gå", ToolButton18, [this] { AgoExecute(); },
        [this] { return !Edit->text().isEmpty(); });
}

void Tinfoform::FormCreate()
{
    strukturnavn = QStringLiteral("kvidrel");
    optDir = mainform ? mainform->optDir : joinPath(dataRoot(), QStringLiteral("Egenskaber"));
    strukturdir =
        mainform ? mainform->strukturDir : joinPath(dataRoot(), QStringLiteral("Struktur"));
    optFilnavn = joinPath(optDir, QStringLiteral("information.txt"));
    hentOpt();
    opstart = true;
}

// Reading the history never makes the URL box: the buttons' enabled state asks
// for it whenever the program is idle. Until a page is shown there is none.
QStringList Tinfoform::historik() const
{
    const Turlform *boks = urlform.ifMade();
    return boks ? boks->sider() : QStringList();
}

int Tinfoform::antalRaekker() const
{
    return int(historik().size());
}

void Tinfoform::centrer()
{
    const QScreen *skaerm = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!skaerm)
        return;
    const QRect omraade = skaerm->availableGeometry();
    const QRect ramme = frameGeometry();
    placeWindow(this, omraade.left() + (omraade.width() - ramme.width()) / 2,
                omraade.top() + (omraade.height() - ramme.height()) / 2);
}

void Tinfoform::hentOpt()
{
    // A short or garbled file counts as missing: the window is centred.
    const std::optional<Placering> p = hentPlacering(optFilnavn);
    if (!p) {
        centrer();
        return;
    }
    restoreFrame(this, p->venstre, p->oppe, p->bredde, p->hoejde);
}

void Tinfoform::gemOpt()
{
    const QRect ramme = frameToSave(this);
    gemPlacering(optFilnavn, Placering{ramme.top(), ramme.left(), ramme.width(), ramme.height()});
}

void Tinfoform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tinfoform::FormShow()
{
    if (opstart) {
        opstart = false;
        // goToInfo opens its own topic; opening the first as well would leave
        // two rows in the history.
        if (m_fraGoToInfo)
            hentTrae(strukturnavn);
        else
            LoadStruktur(strukturnavn, QString());
    }
    Struktur->expandAll();
}

void Tinfoform::closeEvent(QCloseEvent *event)
{
    guarded([this] { gemOpt(); });
    // The URL box belongs to this window, though no child of it.
    if (Turlform *boks = urlform.ifMade())
        boks->hide();
    QWidget::closeEvent(event);
}

void Tinfoform::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        hintline::showOn(this, infoBar);
}

bool Tinfoform::hentTrae(const QString &aStrukturname)
{
    if (!sammeNavnAZ(aStrukturname, strukturnavn)) {
        urlIndex = -1;
        if (Turlform *boks = urlform.ifMade())
            boks->visSider({}, urlIndex);
    }
    strukturnavn = aStrukturname;
    const QString S = QFileInfo(aStrukturname).completeBaseName();
    const QString mappe = storedpath::matchLetterCase(joinPath(strukturdir, S));
    auto i = [&mappe](const QString &navn) {
        return storedpath::matchLetterCase(joinPath(mappe, navn));
    };
    Struktur->Billedmappe = i(QStringLiteral("Billeder")) + separator();
    Struktur->Strukturfile = i(QStringLiteral("struktur.txt"));
    Struktur->Datafile = i(QStringLiteral("data.txt"));
    Struktur->Infomappe = i(QStringLiteral("tekstfiler")) + separator();
    Struktur->Htmlmappe =
        storedpath::matchLetterCase(Struktur->Infomappe + QStringLiteral("Design og funktioner")) +
        separator();
    Web->setSidemappe(Struktur->Infomappe);
    Web->setRessourcemappe(mappe);
    Struktur->HentStruktur();
    if (!Struktur->Advarsler.isEmpty()) {
        // Told once the window has settled; the tree is usable meanwhile.
        const QString besked = Struktur->Advarsler.join(u'\r');
        QTimer::singleShot(0, this, [besked] { visInfo(besked); });
    }
    if (Struktur->topLevelItemCount() == 0)
        return false;
    setWindowTitle(S);
    return true;
}

void Tinfoform::LoadStruktur(const QString &aStrukturname, const QString &openNodetekst)
{
    if (!hentTrae(aStrukturname))
        return;
    const QString emne =
        openNodetekst.isEmpty() ? Struktur->topLevelItem(0)->text(0) : openNodetekst;
    if (QTreeWidgetItem *node = noden(emne, false))
        aabnNode(node);
}

QTreeWidgetItem *Tinfoform::noden(const QString &tekst, bool azUdenStorSmaa) const
{
    for (QTreeWidgetItem *node : Struktur->noder()) {
        if (azUdenStorSmaa ? sammeNavnAZ(node->text(0), tekst) : node->text(0) == tekst)
            return node;
    }
    return nullptr;
}

void Tinfoform::aabnNode(QTreeWidgetItem *node)
{
    Struktur->setCurrentItem(node);
    Struktur->expandItem(node);
    StrukturClick();
}

bool Tinfoform::goToInfo(const QString &openNodetekst)
{
    const bool foersteVisning = opstart;
    if (!isVisible()) {
        m_fraGoToInfo = true;
        show();
        m_fraGoToInfo = false;
    }
    // Minimised, it is visible but out of sight.
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
    // A structure missing before may have been put in place since.
    if (!foersteVisning && Struktur->topLevelItemCount() == 0)
        hentTrae(strukturnavn);
    if (Struktur->topLevelItemCount() == 0) {
        Web->visBesked(QStringLiteral("Hjælpen \"%1\" findes ikke.")
                           .arg(QFileInfo(strukturnavn).completeBaseName()));
        return false;
    }
    QTreeWidgetItem *foerste = Struktur->topLevelItem(0);
    QTreeWidgetItem *node = noden(openNodetekst.isEmpty() ? foerste->text(0) : openNodetekst, true);
    aabnNode(node ? node : foerste);
    return node != nullptr;
}

void Tinfoform::StrukturClick()
{
    const QTreeWidgetItem *node = Struktur->selectedItems().value(0);
    if (!node)
        return;
    naviKlikket = false;
    const QString side = TStruktur::sidenavn(node);
    if (!side.isEmpty())
        Web->aabnSide(Struktur->Infomappe + side + QStringLiteral(".html"));
}

void Tinfoform::gaaTilRaekke(int raekke)
{
    const QStringList sider = historik();
    if (raekke < 0 || raekke >= sider.size())
        return;
    urlIndex = raekke;
    naviKlikket = true;
    Web->aabnSide(Struktur->Infomappe + sider.at(raekke));
}

void Tinfoform::AfirstExecute()
{
    gaaTilRaekke(0);
}

void Tinfoform::AbackExecute()
{
    gaaTilRaekke(qMax(urlIndex - 1, 0));
}

void Tinfoform::AforwardExecute()
{
    gaaTilRaekke(qMin(urlIndex + 1, antalRaekker() - 1));
}

void Tinfoform::AlastExecute()
{
    gaaTilRaekke(antalRaekker() - 1);
}

void Tinfoform::WebDocumentComplete(const QString &L)
{
    // A notice page or anything outside the page folder enters no history.
    if (L.isEmpty())
        return;
    // The first page shown makes the URL box (asking for it does): the history
    // is kept in its list.
    if (!urlform)
        return;
    QStringList sider = urlform->sider();
    // A history move lands on its own row; so does a page shown again (a
    // refresh or a second click), which is not added twice. A flag left over
    // from a history move that showed nothing adds nothing either way.
    const bool erAktuel = urlIndex >= 0 && urlIndex < sider.size() && sider.at(urlIndex) == L;
    if (!erAktuel) {
        if (sider.isEmpty() || urlIndex + 1 >= sider.size()) {
            sider.append(L);
            urlIndex = int(sider.size()) - 1;
        } else {
            // Pages after the current one stay behind the new one.
            urlIndex = qMax(urlIndex + 1, 0);
            sider.insert(urlIndex, L);
        }
    }
    naviKlikket = false;
    urlform->visSider(sider, urlIndex);
    Edit->setText(L);
}

void Tinfoform::AgoExecute()
{
    const QString tekst = Edit->text();
    if (tekst.isEmpty())
        return;
    naviKlikket = false;
    // Only a page of this structure opens here (one too large to show says
    // so); the text is never read as a path to any other file.
    const QString adresse = Struktur->Infomappe + tekst;
    if (Web->erSideIMappen(adresse))
        Web->aabnSide(adresse);
    else
        soegPaaNettet(tekst);
}

bool Tinfoform::IsURL(const QString &s)
{
    const QUrl url(s, QUrl::StrictMode);
    if (s.isEmpty() || !url.isValid())
        return false;
    const QString skema = url.scheme().toLower();
    if (skema == u"http" || skema == u"https" || skema == u"ftp")
        return !url.host().isEmpty();
    return skema == u"mailto" || skema == u"file";
}

void Tinfoform::Document_OnMouseOver(const QString &U)
{
    infoBar->clearMessage();
    globalUrl.clear();
    if (IsURL(U)) {
        infoBar->showMessage(U);
        globalUrl = U;
    }
}

void Tinfoform::visEmne(const QString &emne)
{
    goToInfo(emne);
    Web->setFocus();
}

void Tinfoform::urlListeKnapClick()
{
    // Asking makes the URL box the first time.
    if (!urlform)
        return;
    urlform->show();
    urlform->raise();
    urlform->activateWindow();
}

} // namespace kvidrel
