#pragma once

#include <QTextBrowser>

namespace kvidrel {

// Decodes the bytes of a page or style sheet: a byte-order mark, else a
// declared charset, else UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString decodePage(const QByteArray &bytes);

// The browser of the information window: shows local pages of one page folder
// and hands everything else elsewhere. Pages open only from the page folder;
// pictures, style sheets and other files only from the resource folder around
// it. Letter case in names and "\" in links are read as a Windows-made
// structure means them.
class Browser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit Browser(QWidget *parent = nullptr);

    // Help pages are a few kilobytes. Laying out nested markup grows faster
    // than its size: at this size the worst page still shows in a fraction of
    // a second, where a few hundred kilobytes of nested tables take minutes.
    static constexpr qint64 kStoersteSide = 16 * 1024;
    // Pictures and style sheets of the pages.
    static constexpr qint64 kStoersteRessource = 20 * 1024 * 1024;

    void setSidemappe(const QString &mappe);
    void setRessourcemappe(const QString &mappe);

    // Opens an address as a link on a page in the page folder would: a page
    // in the window, a web address or mailto in the user's browser, another
    // local file through the shell's "open"; javascript: is ignored.
    void Navigate(const QString &adresse);

    // Shows the page adresse names, or a short notice when it is missing or
    // may not be shown; never hands anything to the shell.
    void aabnSide(const QString &adresse);

    // A short notice in place of a page; it enters no history.
    void visBesked(const QString &tekst);

    // The page file adresse names when the window may show it: a regular
    // .html or .htm file inside the page folder of at most kStoersteSide
    // bytes; empty otherwise.
    QString tilladtSide(const QString &adresse) const;
    // Whether adresse names such a page of any size: one too large to show
    // gets the notice that says so.
    bool erSideIMappen(const QString &adresse) const;

    // The shown page's path relative to the page folder, without a fragment;
    // empty for anything else.
    QString LocationName() const { return m_location; }

signals:
    // A page or a notice has been shown; location as LocationName().
    void documentComplete(const QString &location);
    // The full address of the link under the mouse; empty when none.
    void linkOver(const QString &adresse);

protected:
    QVariant loadResource(int type, const QUrl &name) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString lokalSti(const QString &adresse) const;
    QString sideIMappen(const QString &adresse, qint64 hoejst) const;
    void visSide(const QString &fil, const QString &fragment);
    void hover(const QUrl &link);

    QString m_sidemappe;
    QString m_ressourcemappe;
    QString m_aktuelFil;
    QString m_location;
};

} // namespace kvidrel
