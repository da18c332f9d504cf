#pragma once

#include "compotekst.h"

#include <QWidget>
#include <cstdint>
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
class TTekstFelt;

// The board the players see: whose turn it is, the score table, the question
// with its answers, and after the answer the comment. Beside it the point bar
// rises to the question's value; only then may the host register an answer.
// The board holds no game rules beyond the bar.
class Tdisplayform : public QWidget
{
    Q_OBJECT
public:
    explicit Tdisplayform(QWidget *parent = nullptr);
    ~Tdisplayform() override;

    // Starts the bar for a new question; aPoint is the question's value, 0 for
    // a value drawn from the host's range.
    void startTimer(std::int32_t aPoint);
    void TimerTimer();

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

    std::int32_t ranPoint = 0; // the current question's value
    std::int32_t spmPoint = 0; // awarded for a right answer, set on arrival

    // Everything the players see, at its design size; the window shows it at
    // 1x or, in full screen, scaled.
    QWidget *tavle = nullptr;
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
    TListe *infoListe = nullptr;
    QTimer *Timer = nullptr;

    TCompoTekst SpmTekst;
    TCompoTekst NavnTekst;
    TCompoTekst SkalaTekst; // the numbers beside the bar

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    QWidget *buildLeftPanel();
    QWidget *buildPointPanel();
    QWidget *buildPages();

    std::unique_ptr<Fuldskaerm> m_fuldskaerm; // before the text components go
};

extern Tdisplayform *displayform;

} // namespace kvidrel
