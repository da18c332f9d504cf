#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace kvidrel {

// The question window: groups, questions and comments.
class Tspmform : public QDialog
{
    Q_OBJECT
public:
    explicit Tspmform(QWidget *parent = nullptr);

    QListWidget *gruppeliste = nullptr; // group names, not sorted
    QListWidget *spmliste = nullptr;    // check list: one row per question
    QLabel *antalLabel = nullptr;
};

extern Tspmform *spmform;

} // namespace kvidrel
