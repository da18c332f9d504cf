#include "opdatering.h"

#include "appfont.h"
#include "dataroot.h"
#include "download.h"
#include "infUnit.h"
#include "listrows.h"
#include "logging.h"
#include "main.h"
#include "shell.h"
#include "textfile.h"
#include "version.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>
#include <optional>

namespace kvidrel {

namespace {

const QString kVersionPath = QStringLiteral("/Versioner/Kvidrel.txt");
const QString kHjemmesidePath = QStringLiteral("/gruppe2_6.asp");

// The answer stands in a column right of the point range's long heading.
constexpr int kVenstre = 450;
constexpr int kBredde = 300;

// Notes whether any modal window is shown while it lives: an answer that comes
// after the host has begun something must not pull the window from under them.
class ModalVagt : public QObject
{
public:
    ModalVagt(QObject *parent, bool &set) : QObject(parent), m_set(set)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            const auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && widget->isModal())
                m_set = true;
        }
        return false;
    }

private:
    bool &m_set;
};

// The first line of the version file; nothing when the file is missing or
// unreadable or has no version on its first line.
std::optional<QString> nyesteVersion(const QString &path)
{
    QStringList lines;
    try {
        lines = readLineList(path);
    } catch (const FileError &) {
        return std::nullopt;
    }
    if (lines.isEmpty() || lines.first().isEmpty())
        return std::nullopt;
    return lines.first();
}

QLabel *label13(QWidget *parent, const QString &text, const QRect &place)
{
    auto *l = new QLabel(text, parent);
    l->setFont(tahoma(13));
    l->setGeometry(place);
    return l;
}

} // namespace

QString opdateringsServer()
{
    QString server = qEnvironmentVariableIsSet("KVIDREL_UPDATE_SERVER")
                         ? qEnvironmentVariable("KVIDREL_UPDATE_SERVER")
                         : QStringLiteral(KVIDREL_UPDATE_SERVER);
    server = server.trimmed();
    while (server.endsWith(u'/'))
        server.chop(1);
    return server;
}

void Tmainform::buildOpdatering(QWidget *side2)
{
    opdateringLabel =
        listrows::named(label13(side2, QStringLiteral("Dette er version ") + programVersion(),
                                QRect(kVenstre, 16, kBredde, 24)),
                        "opdateringLabel");
    infoPanel = listrows::named(new QWidget(side2), "infoPanel");
    infoPanel->setGeometry(kVenstre, 48, kBredde, 104);
    const QStringList trin{
        QStringLiteral("Installation af ny version:"), QStringLiteral("1) Luk programmet"),
        QStringLiteral("2) Download den nye version "), QStringLiteral("3) Installer den")};
    for (int i = 0; i < trin.size(); ++i)
        label13(infoPanel, trin[i], QRect(0, 4 + 24 * i, kBredde, 22));
    infoPanel->hide();
}

bool Tmainform::checkOpdates()
{
    const QString server = opdateringsServer();
    if (server.isEmpty())
        return false; // no server: the label keeps its text
    opdatering = new DownLoadURL(this);
    opdatering->URL = QUrl(server + kVersionPath);
    opdatering->FileName = DataLayout::under(mainDir).versionFil;
    hjemmesideURL = QUrl(server + kHjemmesidePath);
    vaertHarBegyndt = false;
    auto *vagt = new ModalVagt(opdatering, vaertHarBegyndt);
    opdatering->OnAfterDownload = [this, vagt] {
        delete vagt;
        opdateringAfterDownload();
    };
    return opdatering->execute();
}

void Tmainform::opdateringAfterDownload()
{
    // Once the host is busy, the answer only shows on its page.
    const bool stille =
        vaertHarBegyndt || spil.spmNummer() != 0 || QApplication::activeModalWidget() != nullptr;
    // A failed transfer leaves an older file in place; it is no answer.
    const std::optional<QString> nyeste =
        opdatering->succeeded() ? nyesteVersion(opdatering->FileName) : std::nullopt;
    if (!nyeste) {
        if (stille)
            qCWarning(lcKvidrel) << "update check failed:" << opdatering->errorText();
        else
            visInfo(QStringLiteral("Fejlinformation:\rDer er opstået en ukendt fejl."));
        return;
    }
    if (nyeste->compare(programVersion(), Qt::CaseInsensitive) == 0) {
        opdateringLabel->setText(QStringLiteral("Der er ikke nyere versioner."));
        return;
    }
    if (!stille)
        sider->setCurrentWidget(infoPanel->parentWidget());
    opdateringLabel->setText(QStringLiteral("Der er en nyere version."));
    infoPanel->show();
    if (!stille)
        hjemmesiden();
}

void Tmainform::hjemmesiden()
{
    shell::openUrl(hjemmesideURL);
}

} // namespace kvidrel
