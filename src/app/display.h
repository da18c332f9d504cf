#pragma once

#include "compotekst.h"
#include "spil.h"

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTimer;

namespace kvidrel {

class BilledFelt;
class Fuldskaerm;
class TListe;
class TPointBar;
class TSkema;
class TStilling;
class TTekstFelt;

// The board the players see: whose turn it is, the score table, the question
// with its answers, and after the answer the comment. Beside it the point bar
// rises to the question's value; only then may the host register an answer.
// The board holds no game rules beyond the bar: the game tells it what to show
// through the operations below, and it tells the game when the bar arrives.
class Tdisplayform : public QWidget
{
    Q_OBJECT
public:
    // pointTekst draws the score table's texts; the main window owns it, as
    // both score tables share it.
    explicit Tdisplayform(TCompoTekst *pointTekst = nullptr, QWidget *parent = nullptr);
    ~Tdisplayform() override;

    // What the game shows. Each writes the fields it names and draws them at once.
    // The group's name, its number of questions and how many are left.
    void visGruppe(const QString &navn, std::int32_t antal);
    void visTilbage(std::int32_t antal);
    // Whose turn it is: the name, and the picture file (none shows none).
    void visTur(const QString &navn, const QString &billede);
    // The question and its four answers on the question page.
    void visSpm(const QString &tekst, const QStringList &svar);
    // The answer page: the result line, the question, the comment picture and
    // the comment's lines with the answer lines under them.
    void visSvar(const QString &resultat, const QString &tekst, const QString &billede,
                 const QStringList &linjer);
    // The question page, with no result in the info line.
    void visSpmSide();
    // No result and an empty answer page.
    void rydSvarside();
    // The end of the game on both pages.
    void visSlut(const QString &tekst);
    // The standings page under a title: the end of a game or the next round.
    void visStilling(const QString &titel, const QVector<StillingsRaekke> &raekker);
    // The question page in place of the standings; another page stays.
    void skjulStilling();
    // A field of the score table: the count, or a player's name or points.
    void skrivSkema(std::int32_t FeltNr, const QString &Tekst);
    // The host's working range, mirrored under the bar.
    void visPointOmraade(const QString &lav, const QString &hoej);

    // Starts the bar for a new question; aPoint is the question's value, 0 for
    // a value drawn by pointKilde (the host's range).
    void startTimer(std::int32_t aPoint);
    void TimerTimer();
    void saetPointKilde(std::function<std::int32_t()> kilde);

    // Whether a text shows whole in the question field, or in an answer field,
    // in a font shrunk as far as the board allows.
    bool spmPasser(const QString &Tekst);
    bool svarPasser(const QString &Tekst);

    // The bar's clock; tests make it fast.
    static void setTimerInterval(int ms);

    // F11, a double click or the main window's button: the board in full
    // screen on the screen it stands on; Escape leaves.
    void skiftFuldskaerm();
    // A board the window manager minimised or hid comes back as it stood;
    // false when it was on screen already.
    bool hentFrem();
    Fuldskaerm *fuldskaerm() const { return m_fuldskaerm.get(); }
    // Everything the players see, at its design size; the window shows it at
    // 1x or, in full screen, scaled.
    QWidget *tavle() const { return m_tavle; }

    std::int32_t ranPoint = 0; // the current question's value
    std::int32_t spmPoint = 0; // awarded for a right answer, set on arrival

signals:
    // The bar has reached the question's value: an answer may be registered.
    void pointFremme();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    QWidget *buildLeftPanel(TCompoTekst *pointTekst);
    QWidget *buildPointPanel();
    QWidget *buildPages();

    QWidget *m_tavle = nullptr;
    // Left.
    QWidget *leftPanel = nullptr;
    TListe *NavneDisplay = nullptr;
    BilledFelt *deltagerBillede = nullptr;
    TSkema *deltagerSkema = nullptr;
    // The point panel.
    QWidget *pointPanel = nullptr;
    TTekstFelt *pointFelt = nullptr;
    TListe *Liste1 = nullptr;
    TPointBar *pointBar = nullptr;
    QLineEdit *LowEdit = nullptr; // read-only mirrors of the main window's range
    QLineEdit *HighEdit = nullptr;
    // The pages.
    QTabWidget *displayBog = nullptr;
    TListe *spmDisplay = nullptr;
    TListe *svarDisplay = nullptr;
    TListe *spmDisplay2 = nullptr;
    BilledFelt *komImage = nullptr;
    QWidget *Image5 = nullptr;
    QPlainTextEdit *Memo = nullptr;
    TListe *stillingTitel = nullptr;
    TStilling *stillingListe = nullptr;
    TListe *infoListe = nullptr;
    QTimer *Timer = nullptr;
    std::function<std::int32_t()> m_pointKilde;

    TCompoTekst SpmTekst;
    TCompoTekst NavnTekst;
    TCompoTekst SkalaTekst; // the numbers beside the bar

    std::unique_ptr<Fuldskaerm> m_fuldskaerm; // before the text components go
};

extern Tdisplayform *displayform;

} // namespace kvidrel
