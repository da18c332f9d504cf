#pragma once

#include "textfile.h"

#include <QIcon>
#include <QStringList>
#include <QTreeWidget>

namespace kvidrel {

// Where new and moved nodes go relative to the reference node.
enum class TNodeAttachMode
{
    naAdd,           // last sibling
    naAddFirst,      // first sibling
    naAddChild,      // last child
    naAddChildFirst, // first child
    naInsert         // sibling just before it
};

// A table of contents of local pages. Each node may carry a data string: one
// picture digit followed by the page name; the page file is Infomappe + page
// name + ".html". The tree is kept in an indented tree file, the data strings
// one per node in a data file.
class TStruktur : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TStruktur(QWidget *parent = nullptr);

    QString Strukturfile;
    QString Datafile;
    QString Infomappe; // ends with a separator
    QString Billedmappe;
    QString Htmlmappe;
    bool DataOn = false;
    bool Modified = false;
    TNodeAttachMode Flytmode = TNodeAttachMode::naAdd;

    bool HentStruktur();
    bool GemStruktur();
    void NyNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem);
    void RedigerNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem);
    void SletNode();
    QString SelectedData() const;
    bool setSelected(const QString &DataUrl);
    QString getNodeTekst(const QString &DataUrl);
    QString InfoFilnavn(const QString &Filefternavn) const;
    int getTheSelectedIndex() const;
    void MusDown(int X, int Y);
    void MusUp(int X, int Y, bool somGrundnode);
    static bool FileDeleteRB(const QString &AFileName);

    // What the last HentStruktur had to mend, in Danish, one line each; the
    // owner decides how to tell the host.
    QStringList Advarsler;

    // Every node in display order: depth-first, parents before children.
    QList<QTreeWidgetItem *> noder() const;
    static QString data(const QTreeWidgetItem *node);     // null when the node has none
    static QString sidenavn(const QTreeWidgetItem *node); // data without the digit
    static int billedIndex(const QTreeWidgetItem *node);  // -1 for no picture
    // The page file a page name names, with letter case and "\" as on disk.
    QString sidefil(const QString &sidenavn) const;

private:
    void saetData(QTreeWidgetItem *node, const QString &data);
    void saetBillede(QTreeWidgetItem *node, int index);
    void udfyld(QTreeWidgetItem *node, const QString &Data, int Index);
    void placer(QTreeWidgetItem *node, QTreeWidgetItem *reference, TNodeAttachMode mode);
    void gemEllerMarker(bool sorter, bool gem);
    void sorterNiveau(QTreeWidgetItem *parent);
    QTreeWidgetItem *noden(const QString &DataUrl) const;
    void laesTrae(const QStringList &linjer);
    void laesData(const QString &fil);

    TextEncoding m_traeKodning = TextEncoding::Ansi;
    TextEncoding m_dataKodning = TextEncoding::Ansi;
    bool MouseDown = false;
    QTreeWidgetItem *NodeDown = nullptr;
    QTreeWidgetItem *NodeUp = nullptr;
};

// The node picture for an index 0 to 9; a null icon when the index has none.
QIcon strukturBillede(int index);

} // namespace kvidrel
