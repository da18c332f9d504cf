#pragma once

#include "modalwindow.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

namespace kvidrel {

class Action;
class BilledFelt;
class RadioGroup;

// The question window: the host builds the question bank here and picks the
// group for the next game. Closes with 1 through "Indfør i spillet".
class Tspmform : public ModalWindow
{
    Q_OBJECT
public:
    explicit Tspmform(QWidget *parent = nullptr);
    ~Tspmform() override;

    void FormCreate();

    // State shared by the three pages.
    bool redigeret = false;
    bool komModified = false;
    std::int32_t spmIndex = 0;
    QString korrektSvar;
    QString kommentarBillede;

    // Left column.
    QWidget *Panel1 = nullptr;
    QLabel *Label9 = nullptr;
    QListWidget *spmliste = nullptr; // check list: one row per question
    QToolButton *Button6 = nullptr;
    QToolButton *Button7 = nullptr;
    QToolButton *Button5 = nullptr;

    QTabWidget *spmBog = nullptr;
    QWidget *side1 = nullptr;
    QWidget *side2 = nullptr;
    QWidget *side3 = nullptr;

    // Page "Grupper".
    QLabel *Label2 = nullptr;
    QListWidget *gruppeliste = nullptr; // group names, not sorted
    QToolButton *Button3 = nullptr;
    QToolButton *Button4 = nullptr;
    QToolButton *Button1 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label10 = nullptr;
    QLineEdit *gruppeEdit = nullptr;
    QToolButton *SpeedButton5 = nullptr;

    // Page "Spørgsmål".
    QLabel *gruppenavnLabel = nullptr;
    QLabel *infoLabel = nullptr;
    QLineEdit *navnEdit = nullptr;
    QLineEdit *musikEdit = nullptr;
    QPushButton *musikTestButton = nullptr;
    QToolButton *SpeedButton7 = nullptr;
    QLineEdit *spmEdit = nullptr;
    QToolButton *billedKnap = nullptr;
    QLineEdit *EditA = nullptr;
    QLineEdit *EditB = nullptr;
    QLineEdit *EditC = nullptr;
    QLineEdit *EditD = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    RadioGroup *svarGruppe = nullptr;
    RadioGroup *pointGruppe = nullptr;
    QLineEdit *pointEdit = nullptr;
    QWidget *barNew = nullptr;
    QPushButton *spmInsertButton = nullptr;
    QWidget *barRediger = nullptr;
    QPushButton *Button9 = nullptr;
    QPushButton *newClearButton = nullptr;

    // Page "Kommentarer".
    QLabel *spmLabel = nullptr;
    QLineEdit *rigtigtEdit = nullptr;
    QToolButton *SpeedButton6 = nullptr;
    BilledFelt *kommentarImage = nullptr;
    QPushButton *pictureKnap = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QPushButton *Button10 = nullptr;

    // Bottom bar and hint line.
    QWidget *Panel4 = nullptr;
    QLabel *antalLabel = nullptr;
    QPushButton *Button2 = nullptr;
    QLineEdit *gruppenavnEdit = nullptr;

    // Actions of the group page and the bottom bar.
    Action *godkendGruppe = nullptr;
    Action *sletGruppe = nullptr;
    Action *flytOpGruppe = nullptr;
    Action *flytNedGruppe = nullptr;
    Action *startSpm = nullptr;
    // Actions of the question list and the other two pages.
    Action *sletSpm = nullptr;
    Action *flytNedSpm = nullptr;
    Action *flytOpSpm = nullptr;
    Action *spmGodkendt = nullptr;
    Action *spmRediger = nullptr;
    Action *gemKommentarer = nullptr;

    // Group page handlers.
    void gruppelisteClick();
    void gruppelisteDblClick();
    void godkendGruppeExecute();
    void gruppeEditKeyPress();
    void sletGruppeExecute();
    void flytOpGruppeExecute();
    void flytNedGruppeExecute();
    void startSpmExecute();

private:
    void buildWindow();
    QWidget *buildLeftColumn();
    QWidget *buildGroupPage();
    QWidget *buildQuestionPage();
    QWidget *buildCommentPage();
    QWidget *buildBottomBar();
    void makeActions();
    void flytGruppe(int fra, int til);
};

extern Tspmform *spmform;

} // namespace kvidrel
