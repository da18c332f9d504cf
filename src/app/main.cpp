#include "main.h"

#include "action.h"
#include "appfont.h"
#include "browser.h"
#include "dataroot.h"
#include "deliveredcontent.h"
#include "dialogpictures.h"
#include "digitvalidator.h"
#include "display.h"
#include "download.h"
#include "errors.h"
#include "hintline.h"
#include "infUnit.h"
#include "information.h"
#include "listrows.h"
#include "makeSpm.h"
#include "opremsning.h"
#include "options.h"
#include "placement.h"
#include "stylemanager.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace kvidrel {

Tmainform *mainform = nullptr;

namespace {

constexpr int kClientWidth = 772;
constexpr int kClientHeight = 409;
constexpr int kPointEditWidth = 40;

const QString kPointLowHint = QStringLiteral("Laveste pointværdi");
const QString kPointHighHint = QStringLiteral("Højeste pointværdi");

// A point field: digits only and at most three of them as the host types.
// Texts the program writes (a value from the options file) are shown whole.
QLineEdit *pointEdit(QWidget *parent, const QString &hint)
{
    auto *edit = new QLineEdit(parent);
    edit->setValidator(new DigitValidator(3, edit));
    hintline::setHint(edit, hint);
    return edit;
}

QLabel *label(QWidget *parent, const QString &text, int pixels)
{
    auto *l = new QLabel(text, parent);
    l->setFont(tahoma(pixels));
    return l;
}

// Applies the range rule to a low/high pair of fields and takes the resulting
// range; a field that holds no number throws before anything changes.
void applyRange(QLineEdit *low, QLineEdit *high, std::int32_t &minPoint, std::int32_t &maxPoint)
{
    const PointRange range = applyRangeRule(low->text(), high->text());
    minPoint = range.minPoint;
    maxPoint = range.maxPoint;
    if (range.highText)
        high->setText(*range.highText);
    if (range.lowText)
        low->setText(*range.lowText);
}

} // namespace

QString GetUserFromWindows()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
#ifdef Q_OS_UNIX
    // A desktop launcher or a service may start us without either variable;
    // the account still has its name in the user database.
    if (name.isEmpty()) {
        if (const passwd *account = getpwuid(getuid()))
            name = QString::fromLocal8Bit(account->pw_name);
    }
#endif
    return name;
}

Tmainform::Tmainform(QWidget *parent) : QMainWindow(parent)
{
    buildControls();
    FormCreate();
}

Tmainform::~Tmainform() = default;

void Tmainform::buildControls()
{
    setWindowTitle(QStringLiteral("Kvidrel"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(tahoma(11));

    sider = listrows::named(new QTabWidget(this), "sider");
    setCentralWidget(sider);

    // Page "Hjem": the working point range sits at the right end of its top panel.
    LowEdit = listrows::named(pointEdit(nullptr, kPointLowHint), "LowEdit");
    HighEdit = listrows::named(pointEdit(nullptr, kPointHighHint), "HighEdit");
    for (QLineEdit *edit : {LowEdit, HighEdit}) {
        edit->setFont(tahoma(16));
        edit->setFixedWidth(kPointEditWidth);
    }
    LowEdit->setText(QString::number(Options::standardMinPoint));
    HighEdit->setText(QString::number(Options::standardMaxPoint));
    sider->addTab(buildHjem(), QStringLiteral("Hjem"));

    // Page "Egenskaber": the style and the saved point range.
    auto *side2 = new QWidget;
    label(side2, QStringLiteral("Design"), 16)->move(16, 12);
    designBox = listrows::named(new QComboBox(side2), "designBox");
    designBox->setEditable(false);
    designBox->setGeometry(16, 40, 220, 26);
    label(side2, QStringLiteral("Pointsatser når spørgsmåls pointtype er tilfældig"), 16)
        ->move(16, 92);
    label(side2, QStringLiteral("Laveste point"), 11)->setGeometry(16, 128, 100, 24);
    minEdit = listrows::named(pointEdit(side2, kPointLowHint), "minEdit");
    minEdit->setGeometry(120, 128, kPointEditWidth, 24);
    label(side2, QStringLiteral("Højeste point"), 11)->setGeometry(16, 160, 100, 24);
    maxEdit = listrows::named(pointEdit(side2, kPointHighHint), "maxEdit");
    maxEdit->setGeometry(120, 160, kPointEditWidth, 24);
    godkendKnap = listrows::named(new QToolButton(side2), "godkendKnap");
    godkendKnap->setIcon(dialogpictures::checkMarkPicture());
    godkendKnap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    godkendKnap->setCursor(Qt::PointingHandCursor);
    godkendKnap->setGeometry(176, 142, 64, 28);
    buildOpdatering(side2);
    sider->addTab(side2, QStringLiteral("Egenskaber"));

    infoBar = listrows::named(new QStatusBar(this), "infoBar");
    infoBar->setSizeGripEnabled(false);
    setStatusBar(infoBar);

    GemPoint = listrows::named(new Action(this), "GemPoint");
    GemPoint->Caption = QStringLiteral("Gem");
    GemPoint->Hint = QStringLiteral("Gem indførte forandringer");
    GemPoint->OnExecute = [this] { GemPointExecute(); };
    GemPoint->OnUpdate = [this] { GemPointUpdate(); };
    GemPoint->attach(godkendKnap);

    connect(designBox, &QComboBox::activated, this, [this] { designBoxChange(); });
    connect(minEdit, &QLineEdit::textChanged, this, [this] { minEditChange(); });
    connect(maxEdit, &QLineEdit::textChanged, this, [this] { maxEditChange(); });
    connect(LowEdit, &QLineEdit::textChanged, this, [this] { LowEditChange(); });
    connect(HighEdit, &QLineEdit::textChanged, this, [this] { HighEditChange(); });

    saetTaster(this);
    setFixedSize(kClientWidth, kClientHeight);
}

void Tmainform::FormCreate()
{
    QString user = GetUserFromWindows();
    if (user.isEmpty())
        user = QStringLiteral("Bruger");
    setWindowTitle(QStringLiteral("Kvidrel: ") + user);

    const DataLayout layout = DataLayout::under(dataRoot());
    layout.makeFolders();
    mainDir = layout.mainDir;
    billedDir = layout.billedDir;
    optDir = layout.optDir;
    optFil = layout.optFil;
    strukturDir = layout.strukturDir;
    deltagerDir = layout.deltagerDir;
    deltagerFil = layout.deltagerFil;
    gruppeDir = layout.gruppeDir;
    gruppeFil = layout.gruppeFil;
    // An unreadable register must not stop the start: it is reported and the
    // register stays empty.
    guarded([this] { LoadDeltagerRecord(); });
    // Help pages, drawings and the demo group arrive with the program; nothing
    // already there is touched.
    deliveredcontent::forsyn(layout);
    opstart = true;
    placeWindow(this, 100, 100);
    HentOpt();
}

void Tmainform::HelpInfo(const QString &emne)
{
    // Asking makes the information window the first time.
    if (!infoform)
        return;
    infoform->visEmne(emne);
}

void Tmainform::infoButtonClick()
{
    HelpInfo(QStringLiteral("Kvidrel"));
}

void Tmainform::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tmainform::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tmainform::closeEvent(QCloseEvent *event)
{
    // A modal window on top asks its own questions first (unsaved work in the
    // question window) and may keep the program open.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != this && !modal->close()) {
        event->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
    // The other windows go with it; the board would stay on screen and keep
    // the program running.
    QCoreApplication::quit();
}

void Tmainform::tilVaerten()
{
    raise();
    activateWindow();
}

void Tmainform::FormShow()
{
    if (!opstart || !displayform)
        return;
    placeWindow(displayform, 900, 100);
    // With a second screen connected, the players' board goes there.
    onOtherScreen(displayform, this);
    displayform->show();
}

void Tmainform::FormActivate()
{
    hintline::setHandler(this, [this] { HintInfo(); });
    if (opstart) {
        opstart = false;
        checkOpdates();
    }
}

void Tmainform::HintInfo()
{
    infoBar->showMessage(hintline::longPart(hintline::currentHint()));
}

void Tmainform::FormClose()
{
    // A transfer still running must not write the file after it is gone.
    if (opdatering)
        opdatering->cancel();
    const QString versionFile = DataLayout::under(mainDir).versionFil;
    if (QFile::exists(versionFile))
        QFile::remove(versionFile);
}

// ---- Storage ----------------------------------------------------------------

void Tmainform::LoadDeltagerRecord()
{
    kvidrel::LoadDeltagerRecord(deltagerFil, deltagerRegister);
}

void Tmainform::SaveDeltagerRecord()
{
    kvidrel::SaveDeltagerRecord(deltagerFil, deltagerRegister);
}

void Tmainform::LoadGrupper()
{
    kvidrel::LoadGrupper(gruppeFil, grupper); // kept when there is no file
    // The question window loads the list when it is made; this never makes it.
    if (Tspmform *vindue = spmform.ifMade())
        vindue->visGrupper(grupper.navne);
}

void Tmainform::SaveGrupper()
{
    kvidrel::SaveGrupper(gruppeFil, grupper);
}

void Tmainform::LoadSpmListen()
{
    SpmListe liste = kvidrel::LoadSpmListen(gruppeDir, gruppeNavn);
    Spm = std::move(liste.Spm);
    antalSpm = liste.antalSpm;
    if (Tspmform *vindue = spmform.ifMade())
        vindue->visSpmListe(liste.raekker, liste.antalTekst);
    meldUlaeselige(liste.ulaeselige);
}

void Tmainform::meldUlaeselige(const QVector<UlaeseligFil> &filer)
{
    QStringList linjer;
    for (const UlaeseligFil &fil : filer)
        linjer << fil.navn + QStringLiteral(": ") + fil.grund;
    // Told once per group: listing again after an insert or a delete finds
    // the same files.
    QString &meldt = meldteUlaeselige[gruppeNavn.toLower()];
    if (linjer.isEmpty() || linjer.join(u'\n') == meldt)
        return;
    meldt = linjer.join(u'\n');
    visInfo(QStringLiteral("Oplysning:\rDisse filer i gruppen kan ikke læses som spørgsmål og er "
                           "ikke med på listen:\r") +
            opremsning(linjer));
}

void Tmainform::SaveSpm(std::int32_t aIndex)
{
    if (aIndex < 0 || aIndex >= Spm.size())
        throw std::out_of_range("SaveSpm: no question " + std::to_string(aIndex));
    kvidrel::SaveSpm(Spm[aIndex], gruppeDir);
}

// ---- Options and point range ---------------------------------------------------

void Tmainform::defaultOpt()
{
    designName = Options::standardDesign;
    stylemanager::TrySetStyle(designName);
    minPoint = Options::standardMinPoint;
    maxPoint = Options::standardMaxPoint;
    editModified = false;
}

void Tmainform::HentOpt()
{
    std::optional<Options> opt;
    try {
        opt = hentOptions(optFil);
    } catch (const std::exception &) {
        opt.reset(); // an unreadable file counts as a missing one
    }
    if (opt) {
        designName = opt->designName;
        stylemanager::TrySetStyle(designName);
        minPoint = opt->minPoint;
        maxPoint = opt->maxPoint;
    } else {
        defaultOpt();
    }
    loadDesign();
    minEdit->setText(QString::number(minPoint));
    LowEdit->setText(QString::number(minPoint));
    maxEdit->setText(QString::number(maxPoint));
    HighEdit->setText(QString::number(maxPoint));
    editModified = false;
    placeWindow(this, 20, 40);
}

void Tmainform::GemOpt()
{
    gemOptions(optFil, Options{designName, minPoint, maxPoint});
}

void Tmainform::loadDesign()
{
    if (designName.isEmpty())
        designName = Options::standardDesign;
    designBox->clear();
    const QStringList names = stylemanager::StyleNames();
    for (const QString &name : names) {
        // The box keeps its entries sorted without regard to case.
        int at = 0;
        while (at < designBox->count() &&
               designBox->itemText(at).compare(name, Qt::CaseInsensitive) <= 0)
            ++at;
        designBox->insertItem(at, name);
    }
    int selected = -1;
    for (int i = 0; i < designBox->count(); ++i) {
        if (designBox->itemText(i).compare(designName, Qt::CaseInsensitive) == 0) {
            selected = i;
            break;
        }
    }
    designBox->setCurrentIndex(selected);
    designBox->setMaxVisibleItems(designBox->count());
}

void Tmainform::SetNewDesign()
{
    designName = designBox->currentText();
    stylemanager::TrySetStyle(designName);
    GemOpt();
}

void Tmainform::designBoxChange()
{
    guarded([this] { SetNewDesign(); });
}

void Tmainform::pointKontrol()
{
    applyRange(LowEdit, HighEdit, minPoint, maxPoint);
}

void Tmainform::GemPointExecute()
{
    applyRange(minEdit, maxEdit, minPoint, maxPoint);
    GemOpt();
    editModified = false;
    LowEdit->setText(QString::number(minPoint));
    HighEdit->setText(QString::number(maxPoint));
}

void Tmainform::GemPointUpdate()
{
    GemPoint->setEnabled(editModified);
}

void Tmainform::minEditChange()
{
    editModified = true;
}

void Tmainform::maxEditChange()
{
    editModified = true;
}

void Tmainform::LowEditChange()
{
    visPointOmraade();
}

void Tmainform::HighEditChange()
{
    visPointOmraade();
}

void Tmainform::visPointOmraade()
{
    // During creation the display window does not exist yet.
    if (!opstart && displayform)
        displayform->visPointOmraade(LowEdit->text(), HighEdit->text());
}

} // namespace kvidrel
