#pragma once

// A single framed box showing one text.

#include "compotekst.h"
#include "rammefelt.h"

#include <QPointer>
#include <QString>

namespace kvidrel {

// The framed box with a text component on the window.
class TPreTekstFelt : public TRammeFelt
{
public:
    explicit TPreTekstFelt(QWidget *AOwner = nullptr);
    ~TPreTekstFelt() override;

    // Not owned; its changes repaint this control.
    TCompoTekst *CompoTekst() const { return FCompoTekst.data(); }
    void SetCompoTekst(TCompoTekst *Value) { SaetCompoTekst(FCompoTekst, Value, *this); }

protected:
    QPointer<TCompoTekst> FCompoTekst;
};

class TTekstFelt : public TPreTekstFelt
{
public:
    explicit TTekstFelt(QWidget *AOwner = nullptr);

    const QString &Tekst() const { return FTekst; }
    // Paints again only once the content rectangle is fixed; otherwise the text
    // shows at the next paint.
    void SetTekst(const QString &Value);

protected:
    void Paint() override;

    QString FTekst;
};

} // namespace kvidrel
