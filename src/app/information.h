#pragma once

#include <QWidget>

namespace kvidrel {

// The information browser; its content arrives with the structure tree.
class Tinfoform : public QWidget
{
    Q_OBJECT
public:
    explicit Tinfoform(QWidget *parent = nullptr);
};

extern Tinfoform *infoform;

} // namespace kvidrel
