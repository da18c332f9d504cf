#pragma once

#include "lazywindow.h"

#include <QWidget>

namespace kvidrel {

// An empty window that keeps its place in the creation order; never shown.
class Tomform : public QWidget
{
    Q_OBJECT
public:
    explicit Tomform(QWidget *parent = nullptr);
};

extern LazyWindow<Tomform> omform;

} // namespace kvidrel
