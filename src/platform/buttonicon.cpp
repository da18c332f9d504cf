#include "buttonicon.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>

namespace kvidrel {

namespace {

class StandardIconEngine : public QIconEngine
{
public:
    explicit StandardIconEngine(QStyle::StandardPixmap which) : m_which(which) {}

    QIconEngine *clone() const override { return new StandardIconEngine(*this); }
    bool isNull() override { return false; }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1).size().boundedTo(size);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        const Key key{size, mode, state, scale};
        auto it = m_pixmaps.constFind(key);
        if (it == m_pixmaps.cend()) {
            const QIcon all = QApplication::style()->standardIcon(m_which);
            it = m_pixmaps.insert(key, all.pixmap(size, scale, mode, state));
        }
        return *it;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1;
        const QPixmap p = scaledPixmap(rect.size(), mode, state, scale);
        const QSize shown = p.deviceIndependentSize().toSize();
        painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2,
                                                          (rect.height() - shown.height()) / 2),
                                  shown),
                            p);
    }

private:
    struct Key
    {
        QSize size;
        QIcon::Mode mode;
        QIcon::State state;
        qreal scale;
        bool operator==(const Key &) const = default;
    };
    friend size_t qHash(const Key &k, size_t seed = 0)
    {
        return qHashMulti(seed, k.size.width(), k.size.height(), int(k.mode), int(k.state),
                          k.scale);
    }

    QStyle::StandardPixmap m_which;
    QHash<Key, QPixmap> m_pixmaps;
};

} // namespace

QIcon buttonIcon(QStyle::StandardPixmap which)
{
    return QIcon(new StandardIconEngine(which));
}

} // namespace kvidrel
