#include "url.h"

#include "action.h"
#include "appfont.h"
#include "hintline.h"
#include "information.h"
#include "listrows.h"
#include "main.h"
#include "placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cstdint>

namespace kvidrel {

LazyWindow<Turlform> urlform;

// Stays above every window of the program, the main window too, not only
// above the information window it belongs to: a tool window kept on top.
Turlform::Turlform(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Urlboks"));
    setFont(tahoma(11));

    overskriftLabel =
        listrows::named(new QLabel(QStringLiteral("Besøgte sider"), this), "overskriftLabel");
    overskriftLabel->setIndent(4);
    urlListe = listrows::named(new QListWidget(this), "urlListe");
    knapPanel = listrows::named(new QWidget(this), "knapPanel");
    sletKnap = listrows::named(new QPushButton(knapPanel), "sletKnap");
    rensKnap = listrows::named(new QPushButton(knapPanel), "rensKnap");
    lukKnap = listrows::named(new QPushButton(QStringLiteral("Luk"), knapPanel), "lukKnap");
    hintline::setHint(lukKnap, QStringLiteral("Luk urlboksen"));
    auto *knapper = new QHBoxLayout(knapPanel);
    knapper->addWidget(sletKnap);
    knapper->addWidget(rensKnap);
    knapper->addStretch(1);
    knapper->addWidget(lukKnap);
    infoBar = listrows::named(new QStatusBar(this), "infoBar");
    infoBar->setSizeGripEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(overskriftLabel);
    layout->addWidget(urlListe, 1);
    layout->addWidget(knapPanel);
    layout->addWidget(infoBar);

    AsletAlle =
        new Action(this, QStringLiteral("Slet liste"), QStringLiteral("Slet alle urls fra listen"));
    AsletAlle->OnExecute = [this] { AsletAlleExecute(); };
    AsletAlle->OnUpdate = [this] { AsletAlle->setEnabled(urlListe->count() > 0); };
    AsletAlle->attach(sletKnap);
    ArensDobbelt = new Action(this, QStringLiteral("Rens liste"),
                              QStringLiteral("Rens listen for dobbeltgængere"));
    ArensDobbelt->OnExecute = [this] { ArensDobbeltExecute(); };
    ArensDobbelt->OnUpdate = [this] { ArensDobbelt->setEnabled(urlListe->count() > 1); };
    ArensDobbelt->attach(rensKnap);
    connect(lukKnap, &QPushButton::clicked, this, [this] { lukKnapClick(); });
    listrows::onDblClick(urlListe, [this] { urlListeDblClick(); });

    setFixedWidth(350);
    setMinimumHeight(270);
    resize(350, 270);
}

void Turlform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        centreOn(this, mainform);
}

void Turlform::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        hintline::showOn(this, infoBar);
}

void Turlform::urlListeDblClick()
{
    const int raekke = listrows::valgt(urlListe);
    if (raekke >= 0 && infoform)
        infoform->gaaTilRaekke(raekke);
}

void Turlform::ArensDobbeltExecute()
{
    std::int32_t dummy = -1;
    std::int32_t &urlIndex = infoform ? infoform->urlIndex : dummy;
    const QString aktuel = urlIndex >= 0 && urlIndex < urlListe->count()
                               ? urlListe->item(urlIndex)->text()
                               : QString();
    QStringList beholdt;
    int slettet = 0;
    for (int i = 0; i < urlListe->count(); ++i) {
        const QString tekst = urlListe->item(i)->text();
        if (beholdt.contains(tekst, Qt::CaseInsensitive))
            ++slettet;
        else
            beholdt << tekst;
    }
    urlListe->clear();
    urlListe->addItems(beholdt);
    urlIndex = -1;
    for (int i = 0; i < beholdt.size() && !aktuel.isNull(); ++i) {
        if (beholdt.at(i).compare(aktuel, Qt::CaseInsensitive) == 0) {
            urlIndex = i;
            break;
        }
    }
    listrows::vaelg(urlListe, urlIndex);
    if (slettet == 0)
        infoBar->showMessage(QStringLiteral("Der var ingen dobbeltgængere"));
    else if (slettet == 1)
        infoBar->showMessage(QStringLiteral("Der blev slettet 1 dobbeltgænger"));
    else
        infoBar->showMessage(QStringLiteral("Der blev slettet %1 dobbeltgængere").arg(slettet));
}

void Turlform::AsletAlleExecute()
{
    urlListe->clear();
    if (infoform)
        infoform->urlIndex = -1;
}

QStringList Turlform::sider() const
{
    QStringList result;
    for (int i = 0; i < urlListe->count(); ++i)
        result << urlListe->item(i)->text();
    return result;
}

void Turlform::visSider(const QStringList &sider, int aktuel)
{
    // An unchanged list is not built again: where the host scrolled to stays.
    if (this->sider() != sider) {
        urlListe->clear();
        urlListe->addItems(sider);
    }
    listrows::vaelg(urlListe, aktuel);
}

void Turlform::lukKnapClick()
{
    hide();
}

} // namespace kvidrel
