#pragma once

#include "lazywindow.h"
#include "modalwindow.h"

#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace kvidrel {

class Action;
class BilledFelt;

// The participants window: edits the register in the main window and ticks who
// takes part. Closes with 1 through "Indfør valgte i spillet".
class Tdeltagerform : public ModalWindow
{
    Q_OBJECT
public:
    explicit Tdeltagerform(QWidget *parent = nullptr);
    ~Tdeltagerform() override;

    // Asks for a picture file, starting in startMappe; empty when cancelled.
    // Tests put their own answer here, as they cannot click a native dialog.
    using BilledVaelger = std::function<QString(QWidget *parent, const QString &startMappe)>;
    static void setBilledVaelger(BilledVaelger vaelger); // an empty one restores the dialog

    void FormCreate();
    void LoadListeFraDel();
    bool NavnExists(const QString &Navn) const;
    std::int32_t antalValgteDeltagere();
    void nyDeltager();
    void redigerDeltager();

    // State.
    QString delNavn;
    QString delFilnavn; // picture picked and not yet stored
    bool modificeret = false;
    bool godkendNy = false;
    bool godkendRed = false;

    // Handlers.
    void navnEditChange();
    void navnEditRChange();
    void billedKnapClick();
    void billedKnap1Click();
    void billedKnapRClick();
    void billedKnapR1Click();
    void godkendExecute();
    void godkendRExecute();
    void deltagerlisteClick();
    void deltagerlisteClickCheck(int row);
    void aCheckExecute();
    void aAfcheckExecute();
    void flytNedExecute();
    void flytOpExecute();
    void gemDelExecute();
    void sletPersonExecute();
    void goButClick();

private:
    // Left side.
    QLabel *delLabel = nullptr;
    QToolButton *Button6 = nullptr;
    QToolButton *Button5 = nullptr;
    QToolButton *Button2 = nullptr;
    QToolButton *Button3 = nullptr;
    QToolButton *Button4 = nullptr;
    QToolButton *Button1 = nullptr;
    QListWidget *deltagerliste = nullptr;
    QToolBar *deltagerBar = nullptr;
    QToolButton *goBut = nullptr;

    // Right side.
    QLabel *Label2 = nullptr;
    QTabWidget *deltagerBog = nullptr;
    QWidget *side1 = nullptr;
    QWidget *side2 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *navnEdit = nullptr;
    BilledFelt *deltagerBillede = nullptr;
    QToolButton *billedKnap = nullptr;
    QToolButton *godkendKnap = nullptr;
    QToolButton *billedKnap1 = nullptr;
    QLineEdit *navnEditR = nullptr;
    BilledFelt *deltagerBilledeR = nullptr;
    QToolButton *billedKnapR = nullptr;
    QToolButton *godkendKnapR = nullptr;
    QToolButton *billedKnapR1 = nullptr;

    Action *sletPerson = nullptr;
    Action *aAfcheck = nullptr;
    Action *aCheck = nullptr;
    Action *flytNed = nullptr;
    Action *flytOp = nullptr;
    Action *gemDel = nullptr;
    Action *godkend = nullptr;
    Action *godkendR = nullptr;

    enum class Side
    {
        Ingen,
        Ny,
        Rediger
    };

    void buildWindow();
    QWidget *buildLeftSide();
    QWidget *buildRightSide();
    QWidget *buildPage(QLineEdit *&navn, BilledFelt *&billede, QToolButton *&vaelg,
                       QToolButton *&godkendKnap, QToolButton *&tegning, QLabel *topLabel);
    void makeActions();
    void vaelgBillede(Side side, bool fraTegninger);
    void flyt(int fra, int til);
    void checkAlle(bool check);
    QString billedMappeTekst() const;

    Side m_billedSide = Side::Ingen; // the page delFilnavn was picked on
    QString m_dialogMappe;           // where the picture dialog opens next
};

extern LazyWindow<Tdeltagerform> deltagerform;

} // namespace kvidrel
