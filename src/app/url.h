#pragma once

#include <QWidget>

namespace kvidrel {

// The URL box that lists the information window's history.
class Turlform : public QWidget
{
    Q_OBJECT
public:
    explicit Turlform(QWidget *parent = nullptr);
};

extern Turlform *urlform;

} // namespace kvidrel
