// The host's keys: answering and going on without aiming the mouse, from the
// keyboard or a presenter remote (which sends Page Down).

#include "main.h"

#include "action.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QShortcut>

namespace kvidrel {

namespace {

// A drop-down list keeps the letters and digits typed into it for its own
// search; the line edits do so by themselves.
class BeholdTekst : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            auto *tast = static_cast<QKeyEvent *>(event);
            const QString tekst = tast->text();
            if (!tekst.isEmpty() && tekst.at(0).isPrint() &&
                !(tast->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                event->accept();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void Tmainform::saetTaster(QWidget *vindue)
{
    const auto tast = [this, vindue](int taste, const std::function<void()> &handling) {
        auto *genvej = new QShortcut(QKeySequence(taste), vindue);
        genvej->setContext(Qt::WindowShortcut);
        connect(genvej, &QShortcut::activated, this, handling);
    };
    for (int Nr = 0; Nr < 4; ++Nr) {
        // The same path as a click, with the same rules.
        tast(Qt::Key_1 + Nr, [this, Nr] { svarDisplayMus(Nr); });
        tast(Qt::Key_A + Nr, [this, Nr] { svarDisplayMus(Nr); });
    }
    for (int taste : {int(Qt::Key_N), int(Qt::Key_PageDown)})
        tast(taste, [this] { aNextSpm->Execute(); });

    auto *beholdTekst = new BeholdTekst(vindue);
    for (QComboBox *liste : vindue->findChildren<QComboBox *>())
        liste->installEventFilter(beholdTekst);
}

} // namespace kvidrel
