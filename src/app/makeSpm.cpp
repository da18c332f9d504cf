#include "makeSpm.h"

#include "action.h"
#include "billedfelt.h"
#include "buttonicon.h"
#include "dataroot.h"
#include "digitvalidator.h"
#include "errors.h"
#include "gruppemapper.h"
#include "hintline.h"
#include "infUnit.h"
#include "listrows.h"
#include "main.h"
#include "radiogroup.h"
#include "regneark.h"
#include "spmUnit.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kvidrel {

LazyWindow<Tspmform> spmform;

namespace {

constexpr int kClientWidth = 741;
constexpr int kClientHeight = 620;
constexpr int kMinWidth = 671;
constexpr int kMinHeight = 618;
constexpr int kLeftColumnWidth = 220;

const QString kNavnFindes = QStringLiteral("Oplysning:\rNavnet eksisterer allerede.");
const QString kNavnIkkeMappe =
    QStringLiteral("Oplysning:\rNavnet kan ikke bruges som navn på en mappe.");
const QString kManglerSpm = QStringLiteral("Der mangler spørgsmål.\rVælg eller indfør spørgsmål.");
const QString kSkiftSide = QStringLiteral("Skal der skiftes side alligevel?");
// Spreadsheets save CSV under either name.
const QString kCsvFilter = QStringLiteral("CSV-filer (*.csv *.txt);;Alle filer (*)");
const QString kCsvGemFilter = QStringLiteral("CSV-filer (*.csv);;Alle filer (*)");

QLabel *label(const QString &text, const char *name)
{
    return listrows::named(new QLabel(text), name);
}

QLabel *heading(const QString &text, const char *name)
{
    QLabel *l = label(text, name);
    QFont font = l->font();
    font.setBold(true);
    l->setFont(font);
    return l;
}

QLineEdit *edit(const char *name)
{
    return listrows::named(new QLineEdit, name);
}

// Buttons never become the dialog's default: Enter in a field belongs to the field.
QPushButton *button(const QString &text, const char *name)
{
    auto *b = listrows::named(new QPushButton(text), name);
    b->setAutoDefault(false);
    return b;
}

QToolButton *speedButton(QStyle::StandardPixmap icon, const char *name)
{
    auto *b = listrows::named(new QToolButton, name);
    b->setAutoRaise(true);
    b->setIcon(buttonIcon(icon));
    return b;
}

QToolButton *searchButton(const char *name)
{
    return speedButton(QStyle::SP_FileDialogContentsView, name);
}

// The three buttons under a list: delete, down, up.
QHBoxLayout *listButtons(QToolButton *slet, QToolButton *ned, QToolButton *op)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(slet);
    row->addWidget(ned);
    row->addWidget(op);
    row->addStretch(1);
    return row;
}

} // namespace

Tspmform::Tspmform(QWidget *parent) : ModalWindow(QStringLiteral("Spørgsmål"), parent)
{
    // The creation handler fills the group list through the program-wide
    // reference, so it must name this window before FormCreate runs.
    spmform = this;
    buildWindow();
    makeActions();
    FormCreate();
}

Tspmform::~Tspmform()
{
    if (spmform.ifMade() == this)
        spmform = nullptr;
}

void Tspmform::FormCreate()
{
    if (mainform)
        guarded([] { mainform->LoadGrupper(); });
}

// ---- Layout -------------------------------------------------------------------

void Tspmform::buildWindow()
{
    resize(kClientWidth, kClientHeight);
    setMinimumSize(kMinWidth, kMinHeight);

    spmBog = listrows::named(new QTabWidget, "spmBog");
    side1 = listrows::named(buildGroupPage(), "side1");
    side2 = listrows::named(buildQuestionPage(), "side2");
    side3 = listrows::named(buildCommentPage(), "side3");
    spmBog->addTab(side1, QStringLiteral("Grupper"));
    spmBog->addTab(side2, QStringLiteral("Spørgsmål"));
    spmBog->addTab(side3, QStringLiteral("Kommentarer"));
    spmBog->setCurrentIndex(0);
    m_side = side1;

    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(6, 6, 6, 0);
    middle->addWidget(buildLeftColumn());
    middle->addWidget(spmBog, 1);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(4);
    box->addLayout(middle, 1);
    box->addWidget(buildBottomBar());
    box->addWidget(makeInfoBar());
}

QWidget *Tspmform::buildLeftColumn()
{
    Panel1 = listrows::named(new QWidget, "Panel1");
    Panel1->setFixedWidth(kLeftColumnWidth);
    Label9 = heading(QStringLiteral("Vælg spørgsmål"), "Label9");
    spmliste = listrows::named(new QListWidget, "spmliste");
    Button6 = speedButton(QStyle::SP_TrashIcon, "Button6");
    Button7 = speedButton(QStyle::SP_ArrowDown, "Button7");
    Button5 = speedButton(QStyle::SP_ArrowUp, "Button5");

    auto *box = new QVBoxLayout(Panel1);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(Label9);
    box->addWidget(spmliste, 1);
    box->addLayout(listButtons(Button6, Button7, Button5));
    return Panel1;
}

QWidget *Tspmform::buildGroupPage()
{
    auto *page = new QWidget;
    Label2 = heading(QStringLiteral("Vælg gruppe"), "Label2");
    gruppeliste = listrows::named(new QListWidget, "gruppeliste");
    gruppeliste->setSortingEnabled(false);
    Button3 = speedButton(QStyle::SP_TrashIcon, "Button3");
    Button4 = speedButton(QStyle::SP_ArrowDown, "Button4");
    Button1 = speedButton(QStyle::SP_ArrowUp, "Button1");
    importerKnap = button(QString(), "importerKnap");
    eksporterKnap = button(QString(), "eksporterKnap");
    QHBoxLayout *knapper = listButtons(Button3, Button4, Button1);
    knapper->addWidget(importerKnap);
    knapper->addWidget(eksporterKnap);

    // The panel for a new group.
    Label12 = heading(QStringLiteral("Indfør ny gruppe"), "Label12");
    Label10 = label(QStringLiteral("Gruppenavn"), "Label10");
    gruppeEdit = edit("gruppeEdit");
    SpeedButton5 = speedButton(QStyle::SP_DialogApplyButton, "SpeedButton5");
    auto *newRow = new QHBoxLayout;
    newRow->addWidget(Label10);
    newRow->addWidget(gruppeEdit, 1);
    newRow->addWidget(SpeedButton5);

    auto *box = new QVBoxLayout(page);
    box->addWidget(Label2);
    box->addWidget(gruppeliste, 1);
    box->addLayout(knapper);
    box->addSpacing(12);
    box->addWidget(Label12);
    box->addLayout(newRow);
    return page;
}

QWidget *Tspmform::buildQuestionPage()
{
    auto *page = new QWidget;
    gruppenavnLabel = heading(QString(), "gruppenavnLabel");
    infoLabel = label(QStringLiteral("Indfør spørgsmål"), "infoLabel");
    navnEdit = edit("navnEdit");
    musikEdit = edit("musikEdit");
    musikTestButton = button(QStringLiteral("Test"), "musikTestButton");
    hintline::setHint(musikTestButton, QStringLiteral("Test valgte musikfil"));
    SpeedButton7 = speedButton(QStyle::SP_DirOpenIcon, "SpeedButton7");
    hintline::setHint(SpeedButton7, QStringLiteral("Åbn en musikfil til musikquizspørgsmål"));
    spmEdit = edit("spmEdit");
    billedKnap = searchButton("billedKnap");
    EditA = edit("EditA");
    EditB = edit("EditB");
    EditC = edit("EditC");
    EditD = edit("EditD");
    SpeedButton1 = searchButton("SpeedButton1");
    SpeedButton2 = searchButton("SpeedButton2");
    SpeedButton3 = searchButton("SpeedButton3");
    SpeedButton4 = searchButton("SpeedButton4");

    auto *grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString &text, const char *name, QWidget *field,
                            QWidget *extra1 = nullptr, QWidget *extra2 = nullptr) {
        grid->addWidget(label(text, name), row, 0);
        grid->addWidget(field, row, 1);
        if (extra1)
            grid->addWidget(extra1, row, 2);
        if (extra2)
            grid->addWidget(extra2, row, 3);
        ++row;
    };
    addRow(QStringLiteral("Navn"), "Label1", navnEdit);
    addRow(QStringLiteral("Musikfil"), "Label14", musikEdit, SpeedButton7, musikTestButton);
    addRow(QStringLiteral("Spørgsmål"), "Label7", spmEdit, billedKnap);
    addRow(QStringLiteral("Svar A"), "Label6", EditA, SpeedButton1);
    addRow(QStringLiteral("Svar B"), "Label5", EditB, SpeedButton2);
    addRow(QStringLiteral("Svar C"), "Label4", EditC, SpeedButton3);
    addRow(QStringLiteral("Svar D"), "Label3", EditD, SpeedButton4);
    grid->setColumnStretch(1, 1);

    svarGruppe =
        listrows::named(new RadioGroup(QStringLiteral("Rigtige svar"),
                                       {QStringLiteral("Svar A"), QStringLiteral("Svar B"),
                                        QStringLiteral("Svar C"), QStringLiteral("Svar D")},
                                       4),
                        "svarGruppe");
    svarGruppe->setItemIndex(0);
    pointGruppe = listrows::named(
        new RadioGroup(QStringLiteral("Pointtype"),
                       {QStringLiteral("Tilfældig"), QStringLiteral("Defineret")}, 1),
        "pointGruppe");
    pointGruppe->setItemIndex(0);
    pointEdit = edit("pointEdit");
    pointEdit->setMaxLength(7);
    pointEdit->setValidator(new DigitValidator(-1, pointEdit));
    pointEdit->setEnabled(false);
    auto *pointRow = new QHBoxLayout;
    pointRow->addWidget(pointGruppe);
    pointRow->addWidget(label(QStringLiteral("Point"), "Label8"));
    pointRow->addWidget(pointEdit);
    pointRow->addStretch(1);

    barNew = listrows::named(new QWidget, "barNew");
    spmInsertButton = button(QString(), "spmInsertButton");
    auto *newBox = new QHBoxLayout(barNew);
    newBox->setContentsMargins(0, 0, 0, 0);
    newBox->addWidget(spmInsertButton);
    newBox->addStretch(1);

    barRediger = listrows::named(new QWidget, "barRediger");
    Button9 = button(QString(), "Button9");
    newClearButton = button(QStringLiteral("Nyt spørgsmål"), "newClearButton");
    hintline::setHint(newClearButton, QStringLiteral("Klargør til nyt spørgsmål i valgte gruppe"));
    auto *editBox = new QHBoxLayout(barRediger);
    editBox->setContentsMargins(0, 0, 0, 0);
    editBox->addWidget(Button9);
    editBox->addWidget(newClearButton);
    editBox->addStretch(1);
    barRediger->hide();

    auto *box = new QVBoxLayout(page);
    box->addWidget(gruppenavnLabel);
    box->addWidget(infoLabel);
    box->addLayout(grid);
    box->addWidget(svarGruppe);
    box->addLayout(pointRow);
    box->addStretch(1);
    box->addWidget(barNew);
    box->addWidget(barRediger);
    return page;
}

QWidget *Tspmform::buildCommentPage()
{
    auto *page = new QWidget;
    spmLabel = heading(QStringLiteral("Spørgsmål"), "spmLabel");
    rigtigtEdit = edit("rigtigtEdit");
    SpeedButton6 = searchButton("SpeedButton6");
    kommentarImage = listrows::named(new BilledFelt, "kommentarImage");
    kommentarImage->setMinimumSize(200, 150);
    pictureKnap = button(QStringLiteral("Vælg billede"), "pictureKnap");
    hintline::setHint(pictureKnap, QStringLiteral("Vælg billede til svaret"));
    Memo = listrows::named(new QPlainTextEdit, "Memo");
    Button10 = button(QString(), "Button10");

    auto *answerRow = new QHBoxLayout;
    answerRow->addWidget(label(QStringLiteral("Rigtige svar"), "Label11"));
    answerRow->addWidget(rigtigtEdit, 1);
    answerRow->addWidget(SpeedButton6);
    auto *pictureRow = new QHBoxLayout;
    pictureRow->addStretch(1);
    pictureRow->addWidget(pictureKnap);
    auto *saveRow = new QHBoxLayout;
    saveRow->addStretch(1);
    saveRow->addWidget(Button10);

    auto *box = new QVBoxLayout(page);
    box->addWidget(spmLabel);
    box->addLayout(answerRow);
    box->addWidget(kommentarImage, 2);
    box->addLayout(pictureRow);
    box->addWidget(label(QStringLiteral("Tekst"), "Label13"));
    box->addWidget(Memo, 1);
    box->addLayout(saveRow);
    return page;
}

QWidget *Tspmform::buildBottomBar()
{
    Panel4 = listrows::named(new QWidget, "Panel4");
    antalLabel = label(QString(), "antalLabel");
    Button2 = button(QString(), "Button2");
    gruppenavnEdit = edit("gruppenavnEdit");
    gruppenavnEdit->setText(QStringLiteral("Gruppenavn"));

    auto *box = new QHBoxLayout(Panel4);
    box->setContentsMargins(6, 0, 6, 0);
    box->addWidget(antalLabel);
    box->addStretch(1);
    box->addWidget(Button2);
    box->addWidget(gruppenavnEdit, 1);
    return Panel4;
}

void Tspmform::makeActions()
{
    godkendGruppe =
        new Action(this, QString(), QStringLiteral("Indfør gruppenavnet i listen og gem"));
    godkendGruppe->OnUpdate = [this] { godkendGruppe->setEnabled(!gruppeEdit->text().isEmpty()); };
    godkendGruppe->OnExecute = [this] { godkendGruppeExecute(); };
    godkendGruppe->attach(SpeedButton5);

    sletGruppe =
        new Action(this, QString(), QStringLiteral("Slet valgte gruppe med samtlige spørgsmål"));
    sletGruppe->OnUpdate = [this] { sletGruppe->setEnabled(listrows::valgt(gruppeliste) >= 0); };
    sletGruppe->OnExecute = [this] { sletGruppeExecute(); };
    sletGruppe->attach(Button3);

    flytOpGruppe = new Action(this, QString(), QStringLiteral("Flyt valgte gruppe op i listen"));
    flytOpGruppe->OnUpdate = [this] {
        flytOpGruppe->setEnabled(listrows::kanFlytteOp(gruppeliste));
    };
    flytOpGruppe->OnExecute = [this] { flytOpGruppeExecute(); };
    flytOpGruppe->attach(Button1);

    flytNedGruppe = new Action(this, QString(), QStringLiteral("Flyt valgte gruppe ned i listen"));
    flytNedGruppe->OnUpdate = [this] {
        flytNedGruppe->setEnabled(listrows::kanFlytteNed(gruppeliste));
    };
    flytNedGruppe->OnExecute = [this] { flytNedGruppeExecute(); };
    flytNedGruppe->attach(Button4);

    startSpm = new Action(this, QStringLiteral("Indfør i spillet"),
                          QStringLiteral("Indfør spørgsmålene fra valgte gruppe i spillet"));
    startSpm->OnUpdate = [this] {
        startSpm->setEnabled(spmliste->count() >= 1 && listrows::valgt(gruppeliste) >= 0);
    };
    startSpm->OnExecute = [this] { startSpmExecute(); };
    startSpm->attach(Button2);

    importerGruppe = new Action(
        this, QStringLiteral("Importér"),
        QStringLiteral("Indfør spørgsmål fra en CSV-fil i valgte gruppe eller i en ny gruppe"));
    importerGruppe->OnExecute = [this] { importerGruppeExecute(); };
    importerGruppe->attach(importerKnap);

    eksporterGruppe = new Action(this, QStringLiteral("Eksportér"),
                                 QStringLiteral("Gem valgte gruppe som CSV-fil til et regneark"));
    eksporterGruppe->OnUpdate = [this] {
        eksporterGruppe->setEnabled(listrows::valgt(gruppeliste) >= 0);
    };
    eksporterGruppe->OnExecute = [this] { eksporterGruppeExecute(); };
    eksporterGruppe->attach(eksporterKnap);

    makeQuestionActions();
    makeSearchActions();
    connectQuestionPage();
    connect(spmBog, &QTabWidget::currentChanged, this,
            [this](int index) { guarded([this, index] { spmBogChange(index); }); });

    listrows::onClick(gruppeliste, [this] { guarded([this] { gruppelisteClick(); }); });
    listrows::onDblClick(gruppeliste, [this] { gruppelisteDblClick(); });
    connect(gruppeEdit, &QLineEdit::returnPressed, this, [this] { gruppeEditKeyPress(); });

    Action::updateAll();
}

// ---- Group page ------------------------------------------------------------------

void Tspmform::gruppelisteClick()
{
    if (!maaUgemtGaa(QStringLiteral("Skal der skiftes gruppe alligevel?"))) {
        const auto forrige = gruppeliste->findItems(mainform->gruppeNavn, Qt::MatchExactly);
        listrows::vaelg(gruppeliste, forrige.isEmpty() ? -1 : gruppeliste->row(forrige.first()));
        return;
    }
    {
        const QSignalBlocker blocker(spmliste);
        spmliste->clear();
    }
    const int i = listrows::valgt(gruppeliste);
    const QString navn = i >= 0 ? gruppeliste->item(i)->text() : QString();
    // A name written into the list file by hand may not be a folder name: it
    // must never become a path.
    const bool brugbar = i >= 0 && gruppeNavnBrugbart(navn);
    mainform->gruppeNavn = brugbar ? navn : QString();
    if (brugbar)
        mainform->LoadSpmListen();
    mainform->disGruppenavn = mainform->gruppeNavn;
    gruppenavnEdit->setText(mainform->disGruppenavn);
    nulstilRedigering(); // the questions it showed are gone
    if (i >= 0 && !brugbar)
        visInfo(kNavnIkkeMappe);
}

void Tspmform::gruppelisteDblClick()
{
    startSpm->Execute(); // runs only when enabled
}

void Tspmform::godkendGruppeExecute()
{
    const QString navn = cleanEnteredLine(gruppeEdit->text());
    GruppeListe &grupper = mainform->grupper;
    if (grupper.find(navn) >= 0) {
        visInfo(kNavnFindes);
        gruppeEdit->clear();
        return;
    }
    if (!gruppeNavnBrugbart(navn)) {
        visInfo(kNavnIkkeMappe);
        return;
    }
    // A group without its folder could hold no questions: no folder, no row.
    if (!opretGruppeMapper(mainform->gruppeDir, navn)) {
        showDefaultError(QStringLiteral("Mappen til gruppen \"%1\" kan ikke oprettes i \"%2\".")
                             .arg(navn, QDir::toNativeSeparators(mainform->gruppeDir)));
        return;
    }
    grupper.tilfoej(navn);
    listrows::tilfoej(gruppeliste, navn);
    mainform->SaveGrupper();
    gruppeEdit->clear();
}

void Tspmform::gruppeEditKeyPress()
{
    godkendGruppe->Execute(); // runs only when enabled
}

void Tspmform::sletGruppeExecute()
{
    const int i = listrows::valgt(gruppeliste);
    if (i < 0)
        return;
    const QString navn = mainform->grupper.navne.value(i);
    if (!spoerg(QStringLiteral("Skal gruppen ") + navn + u'\r' +
                QStringLiteral("slettes permanent?") + u'\r' +
                QStringLiteral("Alle spørgsmål i gruppen vil også blive slettet.")))
        return;
    // Throws when part of the folder would not go; the row then stays.
    sletGruppeMappe(mainform->gruppeDir, navn);
    mainform->grupper.fjern(i);
    {
        const QSignalBlocker blocker(gruppeliste);
        delete gruppeliste->takeItem(i);
        listrows::vaelg(gruppeliste, -1);
    }
    mainform->SaveGrupper();
    {
        const QSignalBlocker blocker(spmliste);
        spmliste->clear();
    }
    // Nothing may be written into the folder that is gone.
    if (navn == mainform->gruppeNavn) {
        mainform->gruppeNavn.clear();
        nulstilRedigering();
    }
}

void Tspmform::flytOpGruppeExecute()
{
    const int i = listrows::valgt(gruppeliste);
    flytGruppe(i, i - 1);
}

void Tspmform::flytNedGruppeExecute()
{
    const int i = listrows::valgt(gruppeliste);
    flytGruppe(i, i + 1);
}

// The order of groups lives only in the list file: folders keep their names.
void Tspmform::flytGruppe(int fra, int til)
{
    GruppeListe &grupper = mainform->grupper;
    if (!grupper.flyt(fra, til))
        return;
    {
        const QSignalBlocker blocker(spmliste);
        spmliste->clear();
    }
    {
        const QSignalBlocker blocker(gruppeliste);
        gruppeliste->item(fra)->setText(grupper.navne.at(fra));
        gruppeliste->item(til)->setText(grupper.navne.at(til));
    }
    listrows::vaelg(gruppeliste, til);
    mainform->SaveGrupper();
}

void Tspmform::importerGruppeExecute()
{
    const int i = listrows::valgt(gruppeliste);
    // The chosen group is listed again: a question being edited may move
    // under the page.
    if (i >= 0 && !maaUgemtGaa(QStringLiteral("Skal der importeres alligevel?")))
        return;
    const QString fil = vaelgFil(QStringLiteral("Importér spørgsmål fra en CSV-fil"), kCsvFilter);
    if (fil.isEmpty())
        return;
    const QString navn =
        i >= 0 ? gruppeliste->item(i)->text() : gruppeNavnEfterFil(fil, mainform->gruppeDir);
    const ImportResultat resultat = importerCsv(fil, mainform->gruppeDir, navn);
    if (resultat.nyGruppe) {
        mainform->LoadGrupper();
    } else if (!resultat.indfoerte.isEmpty()) {
        mainform->LoadSpmListen();
        nulstilRedigering();
    }
    visInfo(resultat.besked());
}

void Tspmform::eksporterGruppeExecute()
{
    const int i = listrows::valgt(gruppeliste);
    if (i < 0)
        return;
    const QString navn = gruppeliste->item(i)->text();
    const QString fil = vaelgGemFil(QStringLiteral("Eksportér gruppen som CSV-fil"), kCsvGemFilter,
                                    QDir::home().filePath(navn + QStringLiteral(".csv")));
    if (fil.isEmpty())
        return;
    visInfo(eksporterCsv(mainform->gruppeDir, navn, fil).besked());
}

void Tspmform::done(int result)
{
    if (!maaUgemtGaa(QStringLiteral("Skal vinduet lukkes alligevel?")))
        return;
    ModalWindow::done(result);
}

void Tspmform::startSpmExecute()
{
    if (mainform->antalSpm != 0) {
        done(1);
        return;
    }
    visInfo(kManglerSpm);
}

// ---- Pages and unsaved work -------------------------------------------------------

void Tspmform::saetSide(QWidget *side)
{
    const QSignalBlocker blocker(spmBog);
    spmBog->setCurrentWidget(side);
    m_side = side;
}

// Only the host's tab clicks come here: pages set from code raise nothing.
void Tspmform::spmBogChange(int index)
{
    QWidget *ny = spmBog->widget(index);
    QWidget *forrige = m_side;
    if (forrige == side3 && ny != side3) {
        if (!maaUgemtGaa(kSkiftSide, false, true)) {
            saetSide(side3);
            return;
        }
        komModified = false;
    }
    m_side = ny;
    if (ny == side2)
        spmSideValgt(forrige);
    else if (ny == side3)
        kommentarSideValgt();
}

bool Tspmform::maaUgemtGaa(const QString &handling, bool spmTabes, bool komTabes)
{
    const bool spm = spmTabes && redigeret;
    const bool kom = komTabes && komModified;
    if (!spm && !kom)
        return true;
    const QString hvad = spm && kom ? QStringLiteral("Spørgsmålet og kommentarerne er ikke gemt.")
                         : kom      ? QStringLiteral("Kommentarer er ikke gemt.")
                                    : QStringLiteral("Spørgsmålet er ikke gemt.");
    return spoerg(hvad + u'\r' + handling + u'\r' +
                      QStringLiteral("Data vil gå tabt, hvis de ikke gemmes."),
                  Standardsvar::Nej);
}

void Tspmform::visGrupper(const QStringList &navne)
{
    // Filled by the program: the handlers react to the host's clicks only.
    const QSignalBlocker blocker(gruppeliste);
    gruppeliste->clear();
    gruppeliste->addItems(navne);
}

void Tspmform::visSpmListe(const QVector<SpmRaekke> &raekker, const QString &antalTekst)
{
    {
        const QSignalBlocker blocker(spmliste);
        spmliste->clear();
        for (const SpmRaekke &raekke : raekker)
            listrows::tilfoejCheck(spmliste, raekke.tekst, raekke.markeret);
    }
    antalLabel->setText(antalTekst);
}

QString Tspmform::gruppenavn() const
{
    return gruppenavnEdit->text();
}

bool Tspmform::iRedigering() const
{
    return m_tilstand == Tilstand::Rediger;
}

// The question list was read again or emptied: the page may no longer write to
// the question it showed.
void Tspmform::nulstilRedigering()
{
    spmIndex = -1;
    redigeret = false;
    saetTilstand(Tilstand::Ny);
    gruppenavnLabel->setText(mainform->gruppeNavn);
    tomKommentarSide();
    if (m_side == side3)
        saetSide(side1);
}

void Tspmform::medGenlaesning(const std::function<void()> &skrivning)
{
    try {
        skrivning();
    } catch (...) {
        // Whatever was left on disk is what the list shows from now on.
        mainform->LoadSpmListen();
        nulstilRedigering();
        throw;
    }
}

namespace {
Tspmform::FilVaelger &filVaelger()
{
    static Tspmform::FilVaelger vaelger;
    return vaelger;
}
Tspmform::GemVaelger &gemVaelger()
{
    static Tspmform::GemVaelger vaelger;
    return vaelger;
}
} // namespace

void Tspmform::setFilVaelger(FilVaelger vaelger)
{
    filVaelger() = std::move(vaelger);
}

QString Tspmform::vaelgFil(const QString &titel, const QString &filter)
{
    if (filVaelger())
        return filVaelger()(this, titel, filter);
    return QFileDialog::getOpenFileName(this, titel, QString(), filter);
}

void Tspmform::setGemVaelger(GemVaelger vaelger)
{
    gemVaelger() = std::move(vaelger);
}

QString Tspmform::vaelgGemFil(const QString &titel, const QString &filter, const QString &forslag)
{
    if (gemVaelger())
        return gemVaelger()(this, titel, filter, forslag);
    QFileDialog dialog(this, titel, forslag, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without its suffix still opens in a spreadsheet; the dialog
    // adds it before it asks about replacing a file.
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace kvidrel
