#pragma once

#include <QByteArray>
#include <QObject>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QWidget;

namespace kvidrel {

// The board on a projector: in full screen the board keeps its design size
// and is shown scaled as a whole in a view filling the screen, so every
// control keeps its logic in design coordinates; the bands beside it take the
// window's background colour. Windowed, the board is the window's own child
// again and is drawn at 1x exactly as before.
class Fuldskaerm : public QObject
{
    Q_OBJECT
public:
    // vindue is the board's window; tavle its content, a direct child at (0, 0)
    // of the design size.
    Fuldskaerm(QWidget *vindue, QWidget *tavle);
    ~Fuldskaerm() override;

    bool aktiv() const { return m_aktiv; }
    void skift();
    void start();
    void slut();

    // The board's scale in full screen, 1 windowed.
    double skala() const;
    QGraphicsView *visning() const { return m_visning; }
    QGraphicsProxyWidget *proxy() const { return m_proxy; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tilpas();
    bool erTavlensVindue(const QObject *modtager) const;

    QWidget *m_vindue;
    QWidget *m_tavle;
    QGraphicsScene *m_scene = nullptr;
    QGraphicsView *m_visning = nullptr;
    QGraphicsProxyWidget *m_proxy = nullptr;
    QByteArray m_vinduesPlads; // where the window stood before full screen, as Qt saves it
    bool m_aktiv = false;
};

} // namespace kvidrel
