#pragma once

#include "lazywindow.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QStatusBar;

namespace kvidrel {

class Action;

// The URL box: the information window's page history, one row per visited
// page with the current one selected. A double click opens a row's page.
class Turlform : public QWidget
{
    Q_OBJECT
public:
    explicit Turlform(QWidget *parent = nullptr);

    void urlListeDblClick();
    void ArensDobbeltExecute();
    void AsletAlleExecute();
    void lukKnapClick();

    QLabel *overskriftLabel = nullptr;
    QListWidget *urlListe = nullptr;
    QWidget *knapPanel = nullptr;
    QPushButton *sletKnap = nullptr;
    QPushButton *rensKnap = nullptr;
    QPushButton *lukKnap = nullptr;
    QStatusBar *infoBar = nullptr;
    Action *ArensDobbelt = nullptr;
    Action *AsletAlle = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
};

extern LazyWindow<Turlform> urlform;

} // namespace kvidrel
