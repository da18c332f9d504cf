#pragma once

// The standings on the board: a row per player with place, name and points,
// best first, the winners on gold. The players read it across a room, so no
// text is drawn smaller than the board's answers; a name too long for its row
// gives up letters at the end rather than size.

#include "drawtypes.h"
#include "spil.h"

#include <QVector>
#include <QWidget>

namespace kvidrel {

class TStilling : public QWidget
{
public:
    // The board's answers are drawn at 21 pixels.
    static constexpr int MindsteHojde = 21;

    explicit TStilling(QWidget *AOwner = nullptr);

    const QVector<StillingsRaekke> &Raekker() const { return FRaekker; }
    void SetRaekker(const QVector<StillingsRaekke> &Value);

    // Row i's field inside its frame, in the control's coordinates.
    QRect Felt(int i) const;
    TColor FeltFarve(int i) const;
    // The rows' character height in pixels: as large as the rows allow, at
    // least MindsteHojde.
    int SkriftHojde() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int RaekkeHojde() const;

    QVector<StillingsRaekke> FRaekker;
};

} // namespace kvidrel
