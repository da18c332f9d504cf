#pragma once

#include "lazywindow.h"

#include <QWidget>

namespace kvidrel {

// An empty window that keeps its place in the creation order; never shown.
class Tegenskabsform : public QWidget
{
    Q_OBJECT
public:
    explicit Tegenskabsform(QWidget *parent = nullptr);
};

extern LazyWindow<Tegenskabsform> egenskabsform;

} // namespace kvidrel
