#pragma once

#include "options.h"
#include "participants.h"
#include "questionbank.h"

#include <QMainWindow>
#include <QUrl>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTabWidget;
class QToolButton;

namespace kvidrel {

class Action;
class DownLoadURL;

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
    TDel Spiller;
    TSpm Spm;
    std::int32_t antalDeltagere = 0;
    std::int32_t antalSpm = 0;
    QString gruppeNavn;
    QString disGruppenavn;
    bool SvarTilladt = false;
    bool DerErSvaret = false;
    std::int32_t spmNummer = 0;
    std::int32_t minPoint = Options::standardMinPoint;
    std::int32_t maxPoint = Options::standardMaxPoint;
    GruppeListe grupper; // the question window's group list only shows it

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

    bool opstart = false;
    QString mainDir;
    QString deltagerFil;
    QString gruppeFil;
    std::int32_t Tur = 0;
    QString optFil;
    QString designName;
    bool editModified = false;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
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
};

extern Tmainform *mainform;

} // namespace kvidrel
