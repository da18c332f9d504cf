#pragma once

#include "compotekst.h"
#include "options.h"
#include "participants.h"
#include "questionbank.h"
#include "spil.h"

#include <QHash>
#include <QMainWindow>
#include <QUrl>
#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QToolButton;

namespace kvidrel {

class Action;
class DownLoadURL;
class ModalWindow;
class TListe;
class TSkema;

// The log-on name of the current user; empty when the platform has none.
QString GetUserFromWindows();

// The host's control window and the program's shared state.
class Tmainform : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tmainform(QWidget *parent = nullptr);
    ~Tmainform() override;

    // Storage operations used by the other windows.
    void LoadDeltagerRecord();
    void SaveDeltagerRecord();
    void LoadGrupper();
    void SaveGrupper();
    void LoadSpmListen();
    void SaveSpm(std::int32_t aIndex);
    void pointKontrol();

    void FormCreate();
    void HintInfo();
    // The host's window in front with the keyboard, as after a modal window.
    void tilVaerten();

    // Opens the information window on topic emne with the keyboard on its page.
    void HelpInfo(const QString &emne);
    void infoButtonClick();

    // Shared state, read and written by the other windows.
    QString optDir;
    QString deltagerDir;
    QString gruppeDir; // ends with the separator
    QString billedDir;
    QString strukturDir;
    DeltagerRegister deltagerRegister;
    TDel &Del = deltagerRegister.Del;
    std::int32_t &maxIndex = deltagerRegister.maxIndex;
    std::int32_t &Index = deltagerRegister.Index;
    // The question window's list of the group picked in it.
    TSpm Spm;
    // The participants taken into the score tables.
    std::int32_t antalDeltagere = 0;
    std::int32_t antalSpm = 0;
    QString gruppeNavn;
    QString disGruppenavn;
    // The game keeps its own players, questions and turns.
    Spil spil;
    std::int32_t minPoint = Options::standardMinPoint;
    std::int32_t maxPoint = Options::standardMaxPoint;
    GruppeListe grupper; // the question window's group list only shows it

    // Both score tables draw with it, the board's too.
    TCompoTekst &pointTekst() { return PointTekst; }
    // The board's bar has arrived: the question is open for an answer.
    void bjaelkenFremme();

    // The game flow.
    bool loadDeltagerfil();
    void deltagerButtonClick();
    void spmKnapClick();
    void aStartExecute();
    void aStartUpdate();
    void startSpil();
    void continuePoint();
    void nyTur();
    void skiftTur();
    void visSpm();
    void svarDisplayMus(std::int32_t FeltNr);
    void aNextSpmExecute();
    void aNextSpmUpdate();
    // The host's keys on window: 1 to 4 and A to D answer as a click on that
    // field does, N and Page Down (a presenter remote) run "Næste".
    void saetTaster(QWidget *vindue);
    // A value drawn from the working range, checked first; a range that
    // cannot be read is reported and the last valid one is used.
    std::int32_t tilfaeldigPoint();

    bool opstart = false;
    QString mainDir;
    QString deltagerFil;
    QString gruppeFil;
    QString optFil;
    QString designName;
    bool editModified = false;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Controls of the two pages that hold the options.
    QTabWidget *sider = nullptr;
    QComboBox *designBox = nullptr;
    QLineEdit *minEdit = nullptr;
    QLineEdit *maxEdit = nullptr;
    QToolButton *godkendKnap = nullptr;
    QLineEdit *LowEdit = nullptr;
    QLineEdit *HighEdit = nullptr;
    QStatusBar *infoBar = nullptr;
    Action *GemPoint = nullptr;
    // The update check's answer on page "Egenskaber" (opdatering.cpp).
    QLabel *opdateringLabel = nullptr;
    QWidget *infoPanel = nullptr;

    // Page "Hjem": the steps of a game, the score table and the answers.
    QWidget *Panel4 = nullptr;
    QPushButton *infoButton = nullptr;
    QPushButton *deltagerButton = nullptr;
    QPushButton *spmKnap = nullptr;
    QPushButton *kvidrellenButton = nullptr;
    QPushButton *nextSpmButton = nullptr;
    QPushButton *fuldskaermButton = nullptr; // the board in full screen and back
    TSkema *deltagerSkema = nullptr;
    TListe *spmDisplay = nullptr;
    TListe *svarDisplay = nullptr;
    Action *aStart = nullptr;
    Action *aNextSpm = nullptr;
    TCompoTekst SpmTekst;
    TCompoTekst PointTekst; // both score tables draw with it

    void buildControls();
    QWidget *buildHjem();
    // Both score tables get the same text.
    void skrivSkema(std::int32_t FeltNr, const QString &Tekst);
    // The question and its answers on the main window's own boards.
    void visSpmHjem(const QString &tekst, const QStringList &svar);
    void spilSlut();
    // The standings under titel on the board, and in the same order with the
    // places before the names in both score tables.
    void visStilling(const QString &titel);
    // Names the files of the group that could not be read, once per group.
    void meldUlaeselige(const QVector<UlaeseligFil> &filer);
    QHash<QString, QString> meldteUlaeselige;
    void tasterTilSvar();
    // Shows window modally with both boards hidden, hands its result to
    // derefter, and shows the boards again where they stood.
    void visModal(ModalWindow *window, const std::function<void(int)> &derefter);
    // The update check of the first activation (opdatering.cpp).
    void buildOpdatering(QWidget *side2);
    bool checkOpdates();
    void opdateringAfterDownload();
    void hjemmesiden();
    DownLoadURL *opdatering = nullptr;
    QUrl hjemmesideURL;
    bool vaertHarBegyndt = false; // a modal window opened while the check ran

    void FormShow();
    void FormActivate();
    void FormClose();

    void HentOpt();
    void defaultOpt();
    void GemOpt();
    void loadDesign();
    void SetNewDesign();
    void designBoxChange();
    void GemPointExecute();
    void GemPointUpdate();
    void minEditChange();
    void maxEditChange();
    void LowEditChange();
    void HighEditChange();
    // The working range mirrored under the board's bar.
    void visPointOmraade();

    std::int32_t naestePoint = 0; // the value of the question being shown
    std::int32_t gyldigMin = 10;  // the last range that passed the rule
    std::int32_t gyldigMax = 100;
};

extern Tmainform *mainform;

} // namespace kvidrel
