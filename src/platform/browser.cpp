#include "browser.h"

#include "dataroot.h"
#include "shell.h"
#include "storedpath.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocument>
#include <limits>

namespace kvidrel {

namespace {

bool harStykliste(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
           bytes.startsWith("\xFE\xFF");
}

// The charset a page declares in a meta tag or a style sheet in @charset.
QString erklaeretTegnsaet(const QByteArray &bytes)
{
    static const QRegularExpression meta(
        QStringLiteral("<meta[^>]*charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:-]+)|"
                       "^\\s*@charset\\s+[\"']([A-Za-z0-9_.:-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = meta.match(QString::fromLatin1(bytes.left(4096)));
    if (!m.hasMatch())
        return {};
    return (m.captured(1).isEmpty() ? m.captured(2) : m.captured(1)).toLower();
}

bool erAnsi(const QString &tegnsaet)
{
    static const QStringList navne = {QStringLiteral("windows-1252"), QStringLiteral("cp1252"),
                                      QStringLiteral("iso-8859-1"), QStringLiteral("latin1"),
                                      QStringLiteral("us-ascii")};
    return navne.contains(tegnsaet);
}

QByteArray laesHoejst(const QString &fil, qint64 hoejst)
{
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(hoejst);
}

// A regular file (no folder, device or pipe) inside folder, at most hoejst bytes.
QString tilladtFil(const QString &sti, const QString &mappe, qint64 hoejst)
{
    if (sti.isEmpty() || mappe.isEmpty())
        return {};
    const QString kanonisk = QFileInfo(sti).canonicalFilePath();
    const QFileInfo fil(kanonisk);
    const QString kanoniskMappe = QFileInfo(mappe).canonicalFilePath();
    if (kanonisk.isEmpty() || !fil.isFile() || fil.size() > hoejst || kanoniskMappe.isEmpty() ||
        !liesInside(kanonisk, kanoniskMappe))
        return {};
    return kanonisk;
}

bool erSide(const QString &sti)
{
    const QString endelse = QFileInfo(sti).suffix().toLower();
    return endelse == u"html" || endelse == u"htm";
}

} // namespace

QString decodePage(const QByteArray &bytes)
{
    if (harStykliste(bytes))
        return decodeText(bytes);
    const QString tegnsaet = erklaeretTegnsaet(bytes);
    if (erAnsi(tegnsaet))
        return ansi::decode(bytes);
    if (!tegnsaet.isEmpty()) {
        QStringDecoder decoder(tegnsaet.toLatin1().constData());
        if (decoder.isValid()) {
            const QString tekst = decoder.decode(bytes);
            if (!decoder.hasError())
                return tekst;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString tekst = utf8.decode(bytes);
    return utf8.hasError() ? ansi::decode(bytes) : tekst;
}

Browser::Browser(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // The pages are written for a light page, whatever the program's style.
    QPalette lys;
    lys.setColor(QPalette::Base, Qt::white);
    lys.setColor(QPalette::Window, QColor(240, 240, 240));
    lys.setColor(QPalette::Text, Qt::black);
    lys.setColor(QPalette::WindowText, Qt::black);
    lys.setColor(QPalette::Link, QColor(0, 0, 200));
    lys.setColor(QPalette::LinkVisited, QColor(110, 0, 140));
    lys.setColor(QPalette::Highlight, QColor(50, 110, 210));
    lys.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(lys);
    QFont skrift(QStringLiteral("Sans Serif"));
    skrift.setStyleHint(QFont::SansSerif);
    skrift.setPointSize(10);
    setFont(skrift);
    document()->setDefaultFont(skrift);
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &link) { Navigate(link.toString()); });
    connect(this, qOverload<const QUrl &>(&QTextBrowser::highlighted), this,
            [this](const QUrl &link) { hover(link); });
}

void Browser::setSidemappe(const QString &mappe)
{
    m_sidemappe = mappe;
}

void Browser::setRessourcemappe(const QString &mappe)
{
    m_ressourcemappe = mappe;
}

// The local path an address names: a Windows path under the data root, a file
// URL, or a path relative to the shown page (the page folder before any).
QString Browser::lokalSti(const QString &adresse) const
{
    QString sti = adresse;
    const QUrl url(adresse);
    if (url.scheme().compare(u"file", Qt::CaseInsensitive) == 0)
        sti = url.toLocalFile();
    sti = QUrl::fromPercentEncoding(sti.toUtf8());
    sti.replace(u'\\', u'/');
    if (sti.size() >= 2 && sti.at(1) == u':' && sti.at(0).isLetter())
        return storedpath::resolve(sti);
    if (QDir::isRelativePath(sti)) {
        const QString grund = m_aktuelFil.isEmpty() ? m_sidemappe : QFileInfo(m_aktuelFil).path();
        sti = QDir::fromNativeSeparators(grund) + u'/' + sti;
    }
    return storedpath::matchLetterCase(QDir::cleanPath(sti));
}

QString Browser::sideIMappen(const QString &adresse, qint64 hoejst) const
{
    QString uden = adresse;
    uden.truncate(uden.indexOf(u'#') < 0 ? uden.size() : uden.indexOf(u'#'));
    const QString fil = tilladtFil(lokalSti(uden), m_sidemappe, hoejst);
    return erSide(fil) ? fil : QString();
}

QString Browser::tilladtSide(const QString &adresse) const
{
    return sideIMappen(adresse, kStoersteSide);
}

bool Browser::erSideIMappen(const QString &adresse) const
{
    return !sideIMappen(adresse, std::numeric_limits<qint64>::max()).isEmpty();
}

void Browser::Navigate(const QString &adresse)
{
    const QString link = adresse.trimmed();
    if (link.isEmpty() || link.startsWith(u"javascript:", Qt::CaseInsensitive))
        return;
    if (link.startsWith(u'#')) {
        scrollToAnchor(link.mid(1));
        return;
    }
    const QUrl url(link);
    const QString skema = url.scheme().toLower();
    if (skema == u"http" || skema == u"https" || skema == u"mailto" || skema == u"ftp") {
        shell::openUrl(url);
        return;
    }
    const qsizetype hash = link.indexOf(u'#');
    const QString sti = lokalSti(hash < 0 ? link : link.left(hash));
    if (erSide(sti)) {
        aabnSide(link);
        return;
    }
    const QString fil = tilladtFil(sti, m_ressourcemappe, std::numeric_limits<qint64>::max());
    if (!fil.isEmpty())
        shell::openFile(fil);
}

void Browser::aabnSide(const QString &adresse)
{
    const qsizetype hash = adresse.indexOf(u'#');
    const QString uden = hash < 0 ? adresse : adresse.left(hash);
    const QString side = tilladtSide(uden);
    if (!side.isEmpty()) {
        visSide(side, hash < 0 ? QString() : adresse.mid(hash + 1));
        return;
    }
    const QString navn = QFileInfo(QString(uden).replace(u'\\', u'/')).fileName();
    if (QFileInfo::exists(lokalSti(uden)))
        visBesked(QStringLiteral("Siden \"%1\" kan ikke vises her.").arg(navn));
    else
        visBesked(QStringLiteral("Siden \"%1\" findes ikke.").arg(navn));
}

void Browser::visSide(const QString &fil, const QString &fragment)
{
    const QString tekst = decodePage(laesHoejst(fil, kStoersteSide));
    m_aktuelFil = fil;
    document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(fil).path() + u'/'));
    setHtml(tekst);
    if (!fragment.isEmpty())
        scrollToAnchor(fragment);
    m_location = QDir(QFileInfo(m_sidemappe).canonicalFilePath()).relativeFilePath(fil);
    emit documentComplete(m_location);
}

void Browser::visBesked(const QString &tekst)
{
    m_aktuelFil.clear();
    m_location.clear();
    document()->setBaseUrl(QUrl());
    setHtml(QStringLiteral("<html><body><p>%1</p></body></html>").arg(tekst.toHtmlEscaped()));
    emit documentComplete(QString());
}

QVariant Browser::loadResource(int type, const QUrl &name)
{
    if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource)
        return {};
    const QString fil = tilladtFil(lokalSti(name.toString(QUrl::FullyEncoded)), m_ressourcemappe,
                                   kStoersteRessource);
    if (fil.isEmpty())
        return {};
    const QByteArray bytes = laesHoejst(fil, kStoersteRessource);
    if (type == QTextDocument::StyleSheetResource)
        return decodePage(bytes);
    return bytes;
}

void Browser::hover(const QUrl &link)
{
    if (link.isEmpty()) {
        emit linkOver(QString());
        return;
    }
    const QString adresse = link.toString();
    const QString skema = link.scheme().toLower();
    if (!link.isRelative() && skema != u"file" && skema.size() > 1) {
        emit linkOver(adresse);
        return;
    }
    const qsizetype hash = adresse.indexOf(u'#');
    QUrl fuld = QUrl::fromLocalFile(lokalSti(hash < 0 ? adresse : adresse.left(hash)));
    if (hash >= 0)
        fuld.setFragment(adresse.mid(hash + 1));
    emit linkOver(fuld.toString());
}

void Browser::keyPressEvent(QKeyEvent *event)
{
    // Only the window's own buttons move through the history.
    const bool altPil = (event->modifiers() & Qt::AltModifier) &&
                        (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right);
    if (altPil || event->key() == Qt::Key_Back || event->key() == Qt::Key_Forward) {
        event->ignore();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

} // namespace kvidrel
