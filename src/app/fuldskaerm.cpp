#include "fuldskaerm.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kvidrel {

Fuldskaerm::Fuldskaerm(QWidget *vindue, QWidget *tavle) : m_vindue(vindue), m_tavle(tavle)
{
    m_vindue->installEventFilter(this);
    // A double click anywhere on the board, whichever control lies under it.
    qApp->installEventFilter(this);
}

Fuldskaerm::~Fuldskaerm()
{
    // The board belongs to its window, not to the scene that shows it scaled.
    if (m_proxy && m_proxy->widget()) {
        m_proxy->setWidget(nullptr);
        m_tavle->setParent(m_vindue);
    }
    delete m_visning;
    delete m_scene;
}

double Fuldskaerm::skala() const
{
    return m_aktiv ? m_visning->transform().m11() : 1.0;
}

void Fuldskaerm::skift()
{
    if (m_aktiv)
        slut();
    else
        start();
}

void Fuldskaerm::start()
{
    if (m_aktiv)
        return;
    m_aktiv = true;
    m_vinduesPlads = m_vindue->saveGeometry();
    if (!m_scene) {
        m_scene = new QGraphicsScene(QRectF(QPointF(0, 0), m_tavle->size()));
        m_proxy = new QGraphicsProxyWidget;
        // The scaled board is kept as screen pixels: a repaint of the window
        // (another window moved away) copies it instead of drawing every
        // control again, and a change draws only its own part anew.
        m_proxy->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
        m_scene->addItem(m_proxy);
        m_visning = new QGraphicsView(m_scene, m_vindue);
        m_visning->setFrameShape(QFrame::NoFrame);
        m_visning->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_visning->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_visning->setAlignment(Qt::AlignCenter);
        m_visning->setFocusPolicy(Qt::NoFocus); // the keys stay with the window's shortcuts
        m_visning->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                  QPainter::SmoothPixmapTransform);
    }
    // Only a widget without a parent can be embedded.
    m_tavle->setParent(nullptr);
    m_proxy->setWidget(m_tavle);
    m_tavle->show();
    m_vindue->setMinimumSize(0, 0);
    m_vindue->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_visning->setGeometry(m_vindue->rect());
    m_visning->show();
    tilpas();
    // Sized first: without a window manager (a projector run as a kiosk)
    // nobody else does it, and a geometry set later would end full screen.
    if (QScreen *skaerm = m_vindue->screen())
        m_vindue->setGeometry(skaerm->geometry());
    m_vindue->setWindowState(m_vindue->windowState() | Qt::WindowFullScreen);
}

void Fuldskaerm::slut()
{
    if (!m_aktiv)
        return;
    m_aktiv = false;
    m_visning->hide();
    m_proxy->setWidget(nullptr);
    m_tavle->setParent(m_vindue);
    m_tavle->move(0, 0);
    m_tavle->show();
    m_vindue->setWindowState(m_vindue->windowState() & ~Qt::WindowFullScreen);
    m_vindue->setFixedSize(m_tavle->size());
    // The saved geometry is the client area on its screen: the frame, which
    // the window manager puts back only later, cannot shift it.
    m_vindue->restoreGeometry(m_vinduesPlads);
}

void Fuldskaerm::tilpas()
{
    const QSize flade = m_visning->viewport()->size();
    const double skala = std::min(double(flade.width()) / m_tavle->width(),
                                  double(flade.height()) / m_tavle->height());
    m_visning->setTransform(QTransform::fromScale(skala, skala));
    m_visning->setBackgroundBrush(m_vindue->palette().window());
}

bool Fuldskaerm::erTavlensVindue(const QObject *modtager) const
{
    if (!modtager->isWidgetType())
        return false;
    const QWidget *vindue = static_cast<const QWidget *>(modtager)->window();
    return vindue == m_vindue || vindue == m_tavle;
}

bool Fuldskaerm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (!erTavlensVindue(watched))
            break;
        // Not inside the click's own delivery: the board changes its parent.
        QMetaObject::invokeMethod(this, &Fuldskaerm::skift, Qt::QueuedConnection);
        return true;
    case QEvent::Resize:
    case QEvent::PaletteChange:
        if (watched == m_vindue && m_aktiv) {
            m_visning->setGeometry(m_vindue->rect());
            tilpas();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kvidrel
