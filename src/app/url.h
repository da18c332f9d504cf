#pragma once

#include "lazywindow.h"

#include <QStringList>
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

    // The history as the list shows it, and showing it with row aktuel
    // marked as the current page (-1 none).
    QStringList sider() const;
    void visSider(const QStringList &sider, int aktuel);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QLabel *overskriftLabel = nullptr;
    QListWidget *urlListe = nullptr;
    QWidget *knapPanel = nullptr;
    QPushButton *sletKnap = nullptr;
    QPushButton *rensKnap = nullptr;
    QPushButton *lukKnap = nullptr;
    QStatusBar *infoBar = nullptr;
    Action *ArensDobbelt = nullptr;
    Action *AsletAlle = nullptr;
};

extern LazyWindow<Turlform> urlform;

} // namespace kvidrel
