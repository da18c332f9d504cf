#pragma once

#include <QWidget>

namespace kvidrel {

// An empty window that keeps its place in the creation order; never shown.
class Tegenskabsform : public QWidget
{
    Q_OBJECT
public:
    explicit Tegenskabsform(QWidget *parent = nullptr);
};

extern Tegenskabsform *egenskabsform;

} // namespace kvidrel
