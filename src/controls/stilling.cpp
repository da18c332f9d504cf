#include "stilling.h"

#include "canvas.h"
#include "tavle.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace kvidrel {

using namespace tavle;

namespace {

constexpr int kAfstand = 4; // between the rows
constexpr int kRamme = 2;   // the sky blue ring around each field
constexpr int kMargen = 10; // inside a field, and between its columns
constexpr int kHoejesteRaekke = 56;
constexpr int kStoersteHojde = 28;

QFont skrift(int Hojde, bool Fed)
{
    QFont f = toQFont(Tahoma(Hojde, clBlack));
    f.setBold(Fed);
    return f;
}

} // namespace

TStilling::TStilling(QWidget *AOwner) : QWidget(AOwner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TStilling::SetRaekker(const QVector<StillingsRaekke> &Value)
{
    FRaekker = Value;
    update();
}

int TStilling::RaekkeHojde() const
{
    const int n = std::max<int>(1, int(FRaekker.size()));
    return std::min(kHoejesteRaekke, (height() - (n - 1) * kAfstand) / n);
}

int TStilling::SkriftHojde() const
{
    return std::clamp(RaekkeHojde() * 11 / 20, MindsteHojde, kStoersteHojde);
}

QRect TStilling::Felt(int i) const
{
    const int h = RaekkeHojde();
    return QRect(0, i * (h + kAfstand), width(), h).adjusted(kRamme, kRamme, -kRamme, -kRamme);
}

TColor TStilling::FeltFarve(int i) const
{
    return FRaekker.value(i).vinder ? clGuld : clWhite;
}

void TStilling::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(rect(), toQColor(clWhite));
    const int Hojde = SkriftHojde();

    // One column each for the places and the points, wide enough for all rows.
    int pladsBredde = 0;
    int pointBredde = 0;
    for (const StillingsRaekke &r : std::as_const(FRaekker)) {
        const QFontMetrics fm(skrift(Hojde, r.vinder));
        pladsBredde = std::max(pladsBredde, fm.horizontalAdvance(QString::number(r.plads) + u'.'));
        pointBredde = std::max(pointBredde, fm.horizontalAdvance(QString::number(r.point)));
    }

    for (int i = 0; i < FRaekker.size(); ++i) {
        const StillingsRaekke &r = FRaekker.at(i);
        const QRect felt = Felt(i);
        p.fillRect(felt.adjusted(-kRamme, -kRamme, kRamme, kRamme), toQColor(clSkyBlue));
        p.fillRect(felt, toQColor(FeltFarve(i)));
        p.setPen(toQColor(TekstPaa(FeltFarve(i))));

        const QRect inde = felt.adjusted(kMargen, 0, -kMargen, 0);
        p.setFont(skrift(Hojde, r.vinder));
        p.drawText(QRect(inde.left(), inde.top(), pladsBredde, inde.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(r.plads) + u'.');
        p.drawText(inde, Qt::AlignRight | Qt::AlignVCenter, QString::number(r.point));

        const QRect navnFelt = inde.adjusted(pladsBredde + kMargen, 0, -(pointBredde + kMargen), 0);
        int navnHojde = Hojde;
        while (navnHojde > MindsteHojde &&
               QFontMetrics(skrift(navnHojde, r.vinder)).horizontalAdvance(r.navn) >
                   navnFelt.width())
            --navnHojde;
        const QFont navnSkrift = skrift(navnHojde, r.vinder);
        p.setFont(navnSkrift);
        p.drawText(navnFelt, Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(navnSkrift).elidedText(r.navn, Qt::ElideRight, navnFelt.width()));
    }
}

} // namespace kvidrel
