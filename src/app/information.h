#pragma once

#include "lazywindow.h"

#include <QStringList>
#include <QWidget>
#include <cstdint>

class QLineEdit;
class QListWidget;
class QSplitter;
class QStatusBar;
class QToolBar;
class QToolButton;
class QTreeWidgetItem;

namespace kvidrel {

class Action;
class Browser;
class TAlmenX;
class TStruktur;

// The information browser: a tree of topics beside the page it opens, a page
// history kept in the URL box's list, an address field and a status line that
// shows the link under the mouse.
class Tinfoform : public QWidget
{
    Q_OBJECT
public:
    explicit Tinfoform(QWidget *parent = nullptr);

    // Shows the window in front and opens the topic whose title equals
    // openNodetekst (letters a to z in any case); the first topic when none
    // does, and then false.
    bool goToInfo(const QString &openNodetekst);
    void LoadStruktur(const QString &aStrukturname, const QString &openNodetekst);
    static bool IsURL(const QString &s);
    void hentOpt();
    void gemOpt();

    void StrukturClick();
    void AgoExecute();
    void AfirstExecute();
    void AbackExecute();
    void AforwardExecute();
    void AlastExecute();
    void urlListeKnapClick();
    // Opens history row raekke without adding it again (also the URL box's way).
    void gaaTilRaekke(int raekke);

    // The history: the rows of the URL box's list.
    QStringList historik() const;
    // Opens the topic emne with the keyboard on its page (the main window's
    // information button and HelpInfo).
    void visEmne(const QString &emne);

    QString globalUrl;
    bool opstart = false;
    QString optFilnavn;
    QString optDir;
    QString strukturnavn;
    QString strukturdir;
    std::int32_t urlIndex = 0;
    bool naviKlikket = false;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The general utilities the window carries, in Danish.
    TAlmenX *Almen = nullptr;
    TStruktur *Struktur = nullptr;
    QSplitter *Splitter1 = nullptr;
    QToolBar *NavigateBar = nullptr;
    QToolButton *ToolButton12 = nullptr;
    QToolButton *ToolButton13 = nullptr;
    QToolButton *ToolButton14 = nullptr;
    QToolButton *ToolButton15 = nullptr;
    QLineEdit *Edit = nullptr;
    QToolButton *ToolButton18 = nullptr;
    QToolButton *urlListeKnap = nullptr;
    Browser *Web = nullptr;
    QStatusBar *infoBar = nullptr;

    Action *Afirst = nullptr;
    Action *Aback = nullptr;
    Action *Aforward = nullptr;
    Action *Alast = nullptr;
    Action *Ago = nullptr;

    void buildControls();
    void makeActions();
    void FormCreate();
    void FormShow();
    void WebDocumentComplete(const QString &L);
    void Document_OnMouseOver(const QString &U);
    bool hentTrae(const QString &aStrukturname);
    void aabnNode(QTreeWidgetItem *node);
    QTreeWidgetItem *noden(const QString &tekst, bool azUdenStorSmaa) const;
    int antalRaekker() const;
    void centrer();

    bool m_fraGoToInfo = false; // the showing opens goToInfo's topic, not the first
};

extern LazyWindow<Tinfoform> infoform;

} // namespace kvidrel
