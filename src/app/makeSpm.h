#pragma once

#include "lazywindow.h"
#include "modalwindow.h"
#include "textfile.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>
#include <functional>

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
enum class NavnFejl;
class RadioGroup;
struct SpmRaekke;
struct SpmRec;

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

    // What the program shows in the window: the group list, the chosen
    // group's questions with the count under them, and the name the game
    // takes for the group.
    void visGrupper(const QStringList &navne);
    void visSpmListe(const QVector<SpmRaekke> &raekker, const QString &antalTekst);
    QString gruppenavn() const;

    // Group page handlers.
    void gruppelisteClick();
    void gruppelisteDblClick();
    void godkendGruppeExecute();
    void gruppeEditKeyPress();
    void sletGruppeExecute();
    void flytOpGruppeExecute();
    void flytNedGruppeExecute();
    void startSpmExecute();
    // Questions from a spreadsheet's CSV file into the chosen group, or into a
    // new group named after the file; the chosen group out to one.
    void importerGruppeExecute();
    void eksporterGruppeExecute();

    // Question page.
    void ClearToNew();
    void pointGruppeClick();
    void spmGodkendtExecute();
    void spmlisteClick();
    void spmRedigerExecute();
    void SpeedButton7Click();
    void musikTestButtonClick();

    // Comments page.
    void MemoChange();
    void pictureKnapClick();
    void gemKommentarerExecute();

    // Question list.
    void spmlisteClickCheck(int row);
    void sletSpmExecute();
    void flytNedSpmExecute();
    void flytOpSpmExecute();

    // The file pickers; tests put their own in place. An empty one restores
    // the dialog. Returns the picked path, empty when cancelled.
    using FilVaelger =
        std::function<QString(QWidget *parent, const QString &titel, const QString &filter)>;
    static void setFilVaelger(FilVaelger vaelger);
    // The same for the file a save writes, with a suggested path.
    using GemVaelger = std::function<QString(QWidget *parent, const QString &titel,
                                             const QString &filter, const QString &forslag)>;
    static void setGemVaelger(GemVaelger vaelger);

    static const QString musikFilter;

protected:
    void done(int result) override;

private:
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
    QPushButton *importerKnap = nullptr;
    QPushButton *eksporterKnap = nullptr;
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
    Action *importerGruppe = nullptr;
    Action *eksporterGruppe = nullptr;
    // Actions of the question list and the other two pages.
    Action *sletSpm = nullptr;
    Action *flytNedSpm = nullptr;
    Action *flytOpSpm = nullptr;
    Action *spmGodkendt = nullptr;
    Action *spmRediger = nullptr;
    Action *gemKommentarer = nullptr;
    // Web searches for the question, the four answers and the right answer.
    Action *URL1 = nullptr;
    Action *URL2 = nullptr;
    Action *URL3 = nullptr;
    Action *URL4 = nullptr;
    Action *URL5 = nullptr;
    Action *URL6 = nullptr;

    void buildWindow();
    QWidget *buildLeftColumn();
    QWidget *buildGroupPage();
    QWidget *buildQuestionPage();
    QWidget *buildCommentPage();
    QWidget *buildBottomBar();
    void makeActions();
    void flytGruppe(int fra, int til);

    void makeQuestionActions();
    void makeSearchActions();
    void connectQuestionPage();

    // Pages set from code raise no page event; only the host's tab clicks do.
    void saetSide(QWidget *side);
    void spmBogChange(int index);
    void spmSideValgt(QWidget *forrige);
    void kommentarSideValgt();

    // Asks before unsaved work is dropped (the question page's, the comment
    // page's or both, as the action drops them); true when it may go.
    bool maaUgemtGaa(const QString &handling, bool spmTabes = true, bool komTabes = true);
    // A new question or the one picked in the list: which bar the page
    // shows, and what a save does.
    enum class Tilstand
    {
        Ny,
        Rediger
    };
    void saetTilstand(Tilstand tilstand);
    bool iRedigering() const;
    void nulstilRedigering();
    // Runs a change of question files; when it fails the list is read again.
    void medGenlaesning(const std::function<void()> &skrivning);
    QString vaelgFil(const QString &titel, const QString &filter);
    QString vaelgGemFil(const QString &titel, const QString &filter, const QString &forslag);
    void tomKommentarSide();
    void fyldSide(int i);
    // Every text filled in and both choices made, or shows what is missing.
    bool sidenUdfyldt();
    // The point value of a "Defineret" question, or shows why it is refused.
    bool pointGyldig(std::int32_t &point);
    void afvisNavn(NavnFejl fejl, bool flytFokus);
    bool navnOptaget(const QString &navn, int undtagen1, int undtagen2 = -1);
    void visNavnFindes(const QString &navn);
    void gemSpm(int i);
    // The page's question, answers, right answer, points and music into spm.
    void laesSiden(SpmRec &spm, std::int32_t point) const;
    // Writes ny in place i; a failed write puts foer back in the list.
    void erstatSpm(int i, const SpmRec &ny, const SpmRec &foer);
    // After a save: tells the host which texts the board cannot show whole.
    void advarLangeTekster(const SpmRec &spm);
    void taelAntalSpm();
    void flytSpm(int i, int j);

    QWidget *m_side = nullptr;
    Tilstand m_tilstand = Tilstand::Ny;
    bool m_fylder = false; // the program fills the page: no change, no focus
    TextEncoding m_kommentarKodning = TextEncoding::Ansi;
};

extern LazyWindow<Tspmform> spmform;

} // namespace kvidrel
