// The main window's page "Hjem": the three steps of a game and "Næste", the
// working point range, the score table and the question with its answers.

#include "main.h"

#include "action.h"
#include "display.h"
#include "hintline.h"
#include "liste.h"
#include "listrows.h"
#include "skema.h"
#include "spilbilleder.h"
#include "tavle.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvidrel {

using namespace tavle;

namespace {

constexpr int kPanelHeight = 46;
constexpr QSize kSkemaSize(307, 294);
constexpr int kSpmHeight = 80;
constexpr int kSvarHeight = 206;

QPushButton *knap(const QIcon &billede, int bredde, const char *navn)
{
    auto *b = new QPushButton;
    b->setObjectName(QLatin1String(navn));
    b->setIcon(billede);
    b->setIconSize(QSize(32, 32));
    b->setFixedSize(bredde, 40);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

QWidget *Tmainform::buildHjem()
{
    saetSpmTekst(SpmTekst, ssHjem);
    saetPointTekst(PointTekst);

    auto *side1 = new QWidget;
    Panel4 = listrows::named(new QWidget, "Panel4");
    Panel4->setFixedHeight(kPanelHeight);
    infoButton = knap(spilbilleder::informationPicture(), 46, "infoButton");
    hintline::setHint(infoButton, QStringLiteral("Information angående at starte spillet"));
    deltagerButton = knap(spilbilleder::deltagerePicture(), 150, "deltagerButton");
    deltagerButton->setText(QStringLiteral("1. Vælg deltagere"));
    hintline::setHint(deltagerButton, QStringLiteral("Vælg eller indfør deltagere"));
    spmKnap = knap(spilbilleder::spoergsmaalPicture(), 150, "spmKnap");
    spmKnap->setText(QStringLiteral("2. Vælg spørgsmål"));
    hintline::setHint(spmKnap, QStringLiteral("Vælg eller lav spørgsmål"));
    kvidrellenButton = knap(spilbilleder::startPicture(), 150, "kvidrellenButton");
    nextSpmButton = knap(spilbilleder::naestePicture(), 102, "nextSpmButton");
    fuldskaermButton = knap(spilbilleder::fuldskaermPicture(), 46, "fuldskaermButton");
    hintline::setHint(fuldskaermButton,
                      QStringLiteral("Tavlen i fuld skærm eller tilbage, eller frem igen, hvis den "
                                     "er minimeret (F11 eller dobbeltklik på tavlen, Esc forlader "
                                     "fuld skærm)"));

    auto *panelBox = new QHBoxLayout(Panel4);
    panelBox->setContentsMargins(2, 3, 4, 3);
    panelBox->setSpacing(4);
    for (QWidget *w :
         {static_cast<QWidget *>(infoButton), static_cast<QWidget *>(deltagerButton),
          static_cast<QWidget *>(spmKnap), static_cast<QWidget *>(kvidrellenButton),
          static_cast<QWidget *>(nextSpmButton), static_cast<QWidget *>(fuldskaermButton)})
        panelBox->addWidget(w);
    panelBox->addStretch(1);
    panelBox->addWidget(LowEdit);
    panelBox->addWidget(HighEdit);

    deltagerSkema = listrows::named(new TSkema, "deltagerSkema");
    saetDeltagerSkema(*deltagerSkema, PointTekst);
    deltagerSkema->setFixedSize(kSkemaSize);
    spmDisplay = listrows::named(new TListe, "spmDisplay");
    saetSpmDisplay(*spmDisplay, SpmTekst, ssHjem);
    spmDisplay->setFixedHeight(kSpmHeight);
    svarDisplay = listrows::named(new TListe, "svarDisplay");
    saetSvarDisplay(*svarDisplay, SpmTekst);
    svarDisplay->setFixedHeight(kSvarHeight);
    svarDisplay->SetOnMus(
        [this](QObject *, TMouseButton, std::int32_t FeltNr) { svarDisplayMus(FeltNr); });
    hintline::setHint(svarDisplay,
                      QStringLiteral("Klik på spillerens svar, eller tast 1-4 eller A-D"));

    auto *hojre = new QVBoxLayout;
    hojre->setSpacing(4);
    hojre->addWidget(spmDisplay);
    hojre->addWidget(svarDisplay);
    hojre->addStretch(1);
    auto *nedre = new QHBoxLayout;
    nedre->setContentsMargins(4, 0, 4, 0);
    nedre->setSpacing(6);
    nedre->addWidget(deltagerSkema, 0, Qt::AlignTop);
    nedre->addLayout(hojre, 1);
    auto *box = new QVBoxLayout(side1);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(2);
    box->addWidget(Panel4);
    box->addLayout(nedre, 1);

    aStart = new Action(this, QStringLiteral("3. Start spillet"),
                        QStringLiteral("Start kvidrellen når deltagere og spørgsmål er indførte"));
    aStart->OnExecute = [this] { aStartExecute(); };
    aStart->OnUpdate = [this] { aStartUpdate(); };
    aStart->attach(kvidrellenButton);
    aNextSpm = new Action(this, QStringLiteral("Næste"),
                          QStringLiteral("Gå til næste spørgsmål (tast N eller Page Down)"));
    aNextSpm->OnExecute = [this] { aNextSpmExecute(); };
    aNextSpm->OnUpdate = [this] { aNextSpmUpdate(); };
    aNextSpm->attach(nextSpmButton);

    connect(deltagerButton, &QPushButton::clicked, this, [this] { deltagerButtonClick(); });
    connect(spmKnap, &QPushButton::clicked, this, [this] { spmKnapClick(); });
    connect(infoButton, &QPushButton::clicked, this, [this] { infoButtonClick(); });
    connect(fuldskaermButton, &QPushButton::clicked, this, [] {
        if (displayform && !displayform->hentFrem())
            displayform->skiftFuldskaerm();
    });
    return side1;
}

} // namespace kvidrel
