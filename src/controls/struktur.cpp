#include "struktur.h"

#include "dataroot.h"
#include "storedpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QStandardPaths>
#include <QTreeWidgetItemIterator>
#include <algorithm>

namespace kvidrel {

namespace {

constexpr int kDataRolle = Qt::UserRole;

bool erCifferTegn(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Leading TAB and space characters count one level each.
int niveau(const QString &linje)
{
    int n = 0;
    while (n < linje.size() && (linje.at(n) == u'\t' || linje.at(n) == u' '))
        ++n;
    return n;
}

bool liggerUnder(const QTreeWidgetItem *node, const QTreeWidgetItem *forfader)
{
    for (const QTreeWidgetItem *n = node; n; n = n->parent()) {
        if (n == forfader)
            return true;
    }
    return false;
}

// A file of that name in the folder in any letter case.
bool findesIEnStavemaade(const QString &sti)
{
    const QFileInfo info(sti);
    const QStringList navne =
        info.dir().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    return std::any_of(navne.begin(), navne.end(), [&](const QString &navn) {
        return navn.compare(info.fileName(), Qt::CaseInsensitive) == 0;
    });
}

void indsaet(QTreeWidget *trae, QTreeWidgetItem *parent, int i, QTreeWidgetItem *node)
{
    if (parent)
        parent->insertChild(i, node);
    else
        trae->insertTopLevelItem(i, node);
}

int plads(const QTreeWidget *trae, QTreeWidgetItem *node)
{
    return node->parent() ? node->parent()->indexOfChild(node) : trae->indexOfTopLevelItem(node);
}

void tagUd(QTreeWidget *trae, QTreeWidgetItem *node)
{
    if (node->parent())
        node->parent()->removeChild(node);
    else
        trae->takeTopLevelItem(trae->indexOfTopLevelItem(node));
}

// The page name a link or path names: its file name without folder and extension.
QString filnavnUdenEndelse(const QString &sti)
{
    QString navn = sti.mid(std::max(sti.lastIndexOf(u'/'), sti.lastIndexOf(u'\\')) + 1);
    const qsizetype punktum = navn.lastIndexOf(u'.');
    return punktum < 0 ? navn : navn.left(punktum);
}

// The node pictures, drawn in a 16 by 16 square.
void tegnSide(QPainter &p)
{
    QPainterPath side;
    side.moveTo(3.5, 1.5);
    side.lineTo(10.5, 1.5);
    side.lineTo(13.5, 4.5);
    side.lineTo(13.5, 14.5);
    side.lineTo(3.5, 14.5);
    side.closeSubpath();
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawPath(side);
    p.setPen(QColor(120, 140, 190));
    for (int y = 5; y <= 12; y += 2)
        p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
}

void tegnLukketBog(QPainter &p)
{
    p.setPen(QColor(60, 40, 20));
    p.setBrush(QColor(160, 50, 40));
    p.drawRect(QRectF(3.5, 1.5, 10, 13));
    p.setBrush(QColor(240, 230, 200));
    p.drawRect(QRectF(11.5, 2.5, 2, 11));
    p.setPen(QColor(230, 190, 80));
    p.drawLine(QPointF(5.5, 4.5), QPointF(9.5, 4.5));
}

void tegnAabenBog(QPainter &p)
{
    p.setPen(QColor(60, 40, 20));
    p.setBrush(QColor(160, 50, 40));
    p.drawRect(QRectF(0.5, 4.5, 15, 9));
    p.setBrush(QColor(250, 245, 225));
    p.drawRect(QRectF(1.5, 3.5, 6, 9));
    p.drawRect(QRectF(8.5, 3.5, 6, 9));
    p.setPen(QColor(130, 130, 130));
    for (int y = 6; y <= 10; y += 2) {
        p.drawLine(QPointF(2.5, y + 0.5), QPointF(6.5, y + 0.5));
        p.drawLine(QPointF(9.5, y + 0.5), QPointF(13.5, y + 0.5));
    }
}

void tegnTegn(QPainter &p, const QColor &bund, const QString &tegn)
{
    p.setPen(bund.darker(140));
    p.setBrush(bund);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, tegn);
}

void tegnBillede(QPainter &p)
{
    p.setPen(QColor(70, 70, 70));
    p.setBrush(QColor(170, 210, 250));
    p.drawRect(QRectF(0.5, 2.5, 15, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 60));
    p.drawEllipse(QRectF(10, 4, 3, 3));
    p.setBrush(QColor(60, 140, 60));
    p.drawPolygon(QPolygonF({QPointF(1, 13), QPointF(6, 7), QPointF(10, 13)}));
    p.drawPolygon(QPolygonF({QPointF(7, 13), QPointF(11, 9), QPointF(15, 13)}));
}

void tegnPaere(QPainter &p)
{
    p.setPen(QColor(150, 120, 0));
    p.setBrush(QColor(255, 230, 80));
    p.drawEllipse(QRectF(3.5, 0.5, 9, 9));
    p.drawRect(QRectF(5.5, 8.5, 5, 3));
    p.setBrush(QColor(120, 120, 120));
    p.setPen(QColor(70, 70, 70));
    p.drawRect(QRectF(5.5, 11.5, 5, 3));
}

void tegnMappe(QPainter &p)
{
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(0.5, 4.5, 15, 10));
    p.drawRect(QRectF(0.5, 2.5, 6, 2));
}

QPixmap tegnetBillede(int index)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0:
        tegnSide(p);
        break;
    case 1:
        tegnLukketBog(p);
        break;
    case 2:
        tegnAabenBog(p);
        break;
    case 3:
        tegnTegn(p, QColor(40, 110, 200), QStringLiteral("?"));
        break;
    case 4:
        tegnBillede(p);
        break;
    case 5:
        tegnPaere(p);
        break;
    case 6:
        tegnMappe(p);
        break;
    case 7:
        tegnTegn(p, QColor(40, 150, 80), QStringLiteral("i"));
        break;
    default:
        return {};
    }
    return pixmap;
}

} // namespace

QIcon strukturBillede(int index)
{
    static QList<QIcon> billeder;
    if (billeder.isEmpty()) {
        for (int i = 0; i <= 9; ++i) {
            const QPixmap pixmap = tegnetBillede(i);
            billeder << (pixmap.isNull() ? QIcon() : QIcon(pixmap));
        }
    }
    return index >= 0 && index < billeder.size() ? billeder.at(index) : QIcon();
}

TStruktur::TStruktur(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QList<QTreeWidgetItem *> TStruktur::noder() const
{
    QList<QTreeWidgetItem *> result;
    for (QTreeWidgetItemIterator it(const_cast<TStruktur *>(this)); *it; ++it)
        result << *it;
    return result;
}

QString TStruktur::data(const QTreeWidgetItem *node)
{
    const QVariant v = node ? node->data(0, kDataRolle) : QVariant();
    return v.isValid() ? v.toString() : QString();
}

QString TStruktur::sidenavn(const QTreeWidgetItem *node)
{
    return data(node).mid(1);
}

int TStruktur::billedIndex(const QTreeWidgetItem *node)
{
    const QVariant v = node ? node->data(0, Qt::UserRole + 1) : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

QString TStruktur::sidefil(const QString &sidenavn) const
{
    if (sidenavn.isEmpty())
        return {};
    QString side = sidenavn;
    side.replace(u'\\', u'/');
    return storedpath::matchLetterCase(QDir::cleanPath(QDir::fromNativeSeparators(Infomappe) +
                                                       u'/' + side + QStringLiteral(".html")));
}

void TStruktur::saetBillede(QTreeWidgetItem *node, int index)
{
    node->setData(0, Qt::UserRole + 1, index);
    node->setIcon(0, strukturBillede(index));
}

void TStruktur::saetData(QTreeWidgetItem *node, const QString &data)
{
    node->setData(0, kDataRolle, data);
    saetBillede(node, !data.isEmpty() && erCifferTegn(data.at(0)) ? data.at(0).digitValue() : 0);
}

void TStruktur::laesTrae(const QStringList &linjer)
{
    // stak[k] is the last node read on level k.
    QList<QTreeWidgetItem *> stak;
    for (qsizetype nr = 0; nr < linjer.size(); ++nr) {
        const QString &linje = linjer.at(nr);
        int n = niveau(linje);
        const QString tekst = linje.mid(n);
        if (tekst.trimmed().isEmpty())
            continue; // a blank line is no node: it would have no title to click
        if (n > stak.size()) {
            Advarsler << QStringLiteral("Linje %1 i filen \"%2\" er rykket mere end ét niveau ind; "
                                        "den læses som ét niveau under linjen før.")
                             .arg(nr + 1)
                             .arg(QDir::toNativeSeparators(Strukturfile));
            n = int(stak.size());
        }
        stak.resize(n);
        auto *node = n == 0 ? new QTreeWidgetItem(this) : new QTreeWidgetItem(stak.last());
        node->setText(0, tekst);
        stak << node;
    }
}

void TStruktur::laesData(const QString &fil)
{
    const QList<QTreeWidgetItem *> alle = noder();
    QStringList linjer;
    if (QFileInfo(fil).isFile()) {
        try {
            const TextLines laest = readLines(fil);
            linjer = laest.lines;
            m_dataKodning = laest.encoding;
        } catch (const FileError &fejl) {
            Advarsler << fejl.message();
        }
    } else if (!alle.isEmpty() && !findesIEnStavemaade(fil)) {
        for (const QTreeWidgetItem *node : alle)
            linjer << QStringLiteral("0") + node->text(0);
        try {
            writeLines(fil, linjer);
        } catch (const FileError &) {
            // The lines serve from memory; the structure shows as it would.
        }
    }
    // A line that is missing or lacks the picture digit does not stop the load:
    // the node gets picture 0 and, for a missing line, its title as page name.
    for (qsizetype i = 0; i < alle.size(); ++i) {
        QString linje = linjer.value(i);
        if (linje.isEmpty())
            linje = QStringLiteral("0") + alle.at(i)->text(0);
        else if (!erCifferTegn(linje.at(0)))
            linje.prepend(u'0');
        saetData(alle.at(i), linje);
    }
}

bool TStruktur::HentStruktur()
{
    Advarsler.clear();
    clear();
    // A file read now sets its own encoding; one not read is written in ANSI.
    m_traeKodning = m_dataKodning = TextEncoding::Ansi;
    NodeDown = NodeUp = nullptr;
    MouseDown = false;
    const QString traefil = storedpath::matchLetterCase(Strukturfile);
    bool fandtes = !traefil.isEmpty() && QFileInfo(traefil).isFile();
    if (fandtes) {
        try {
            const TextLines laest = readLines(traefil);
            m_traeKodning = laest.encoding;
            laesTrae(laest.lines);
        } catch (const FileError &fejl) {
            Advarsler << fejl.message();
            fandtes = false;
        }
    }
    if (fandtes && DataOn)
        laesData(storedpath::matchLetterCase(Datafile));
    Modified = false;
    viewport()->update();
    return fandtes;
}

bool TStruktur::GemStruktur()
{
    if (Strukturfile.isEmpty() || (DataOn && Datafile.isEmpty()))
        return false;
    const QList<QTreeWidgetItem *> alle = noder();
    if (DataOn) {
        QStringList linjer;
        for (const QTreeWidgetItem *node : alle) {
            const QString d = data(node);
            linjer << (d.isNull() ? QStringLiteral("0") : d);
        }
        writeLines(storedpath::matchLetterCase(Datafile), linjer, m_dataKodning);
    }
    QStringList linjer;
    for (const QTreeWidgetItem *node : alle) {
        int dybde = 0;
        for (const QTreeWidgetItem *p = node->parent(); p; p = p->parent())
            ++dybde;
        linjer << QString(dybde, u'\t') + node->text(0);
    }
    writeLines(storedpath::matchLetterCase(Strukturfile), linjer, m_traeKodning);
    Modified = false;
    return true;
}

void TStruktur::placer(QTreeWidgetItem *node, QTreeWidgetItem *reference, TNodeAttachMode mode)
{
    if (!reference) {
        addTopLevelItem(node);
        return;
    }
    QTreeWidgetItem *parent = reference->parent();
    switch (mode) {
    case TNodeAttachMode::naAdd:
        indsaet(this, parent, parent ? parent->childCount() : topLevelItemCount(), node);
        break;
    case TNodeAttachMode::naAddFirst:
        indsaet(this, parent, 0, node);
        break;
    case TNodeAttachMode::naAddChild:
        reference->addChild(node);
        break;
    case TNodeAttachMode::naAddChildFirst:
        reference->insertChild(0, node);
        break;
    case TNodeAttachMode::naInsert:
        indsaet(this, parent, plads(this, reference), node);
        break;
    }
}

void TStruktur::sorterNiveau(QTreeWidgetItem *parent)
{
    QList<QTreeWidgetItem *> boern;
    if (parent) {
        boern = parent->takeChildren();
    } else {
        while (topLevelItemCount() > 0)
            boern << takeTopLevelItem(0);
    }
    std::stable_sort(boern.begin(), boern.end(), [](QTreeWidgetItem *a, QTreeWidgetItem *b) {
        return QString::localeAwareCompare(a->text(0), b->text(0)) < 0;
    });
    if (parent)
        parent->addChildren(boern);
    else
        addTopLevelItems(boern);
    for (QTreeWidgetItem *barn : std::as_const(boern))
        sorterNiveau(barn);
}

void TStruktur::gemEllerMarker(bool sorter, bool gem)
{
    if (sorter) {
        QTreeWidgetItem *valgt = currentItem();
        sorterNiveau(nullptr);
        if (valgt)
            setCurrentItem(valgt);
        Modified = true;
    } else if (gem) {
        GemStruktur();
    } else {
        Modified = true;
    }
}

void TStruktur::udfyld(QTreeWidgetItem *node, const QString &Data, int Index)
{
    if (DataOn) {
        // One digit only: a two-digit index would read back as another picture
        // and shift the page name.
        const int billede = Index >= 0 && Index <= 9 ? Index : 0;
        saetData(node, QString::number(billede) + Data);
    } else {
        node->setData(0, kDataRolle, QVariant());
        saetBillede(node, -1);
    }
}

void TStruktur::NyNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem)
{
    if (Tekst.isEmpty())
        return;
    auto *node = new QTreeWidgetItem;
    node->setText(0, Tekst);
    placer(node, selectedItems().value(0, topLevelItem(0)), Flytmode);
    udfyld(node, Data, Index);
    gemEllerMarker(sorter, gem);
}

void TStruktur::RedigerNode(const QString &Tekst, const QString &Data, int Index, bool sorter,
                            bool gem)
{
    QTreeWidgetItem *node = selectedItems().value(0);
    if (Tekst.isEmpty() || !node)
        return;
    node->setText(0, Tekst);
    udfyld(node, Data, Index);
    gemEllerMarker(sorter, gem);
}

void TStruktur::SletNode()
{
    QTreeWidgetItem *node = selectedItems().value(0);
    if (!node)
        return;
    // A page still named by a node that stays is kept.
    QSet<QString> brugt;
    for (const QTreeWidgetItem *n : noder()) {
        if (!liggerUnder(n, node))
            brugt << QFileInfo(sidefil(sidenavn(n))).canonicalFilePath();
    }
    const QString sidemappe = QFileInfo(Infomappe).canonicalFilePath();
    QList<QTreeWidgetItem *> egne;
    for (int i = 0; i < node->childCount(); ++i)
        egne << node->child(i);
    egne << node;
    for (const QTreeWidgetItem *n : std::as_const(egne)) {
        if (data(n).isNull())
            continue;
        // Only a regular file directly in the page folder: a page name with
        // "..", a link or a folder never sends anything else to the trash.
        const QFileInfo side(sidefil(sidenavn(n)));
        const QString kanonisk = side.canonicalFilePath();
        if (!side.isFile() || side.isSymLink() || kanonisk.isEmpty() || brugt.contains(kanonisk) ||
            QFileInfo(kanonisk).canonicalPath() != sidemappe)
            continue;
        FileDeleteRB(kanonisk);
    }
    if (NodeDown && liggerUnder(NodeDown, node)) {
        NodeDown = nullptr;
        MouseDown = false;
    }
    delete node;
    Modified = true;
}

QString TStruktur::SelectedData() const
{
    QTreeWidgetItem *node = selectedItems().value(0);
    if (!DataOn || !node)
        return {};
    return sidenavn(node);
}

QTreeWidgetItem *TStruktur::noden(const QString &DataUrl) const
{
    if (!DataOn)
        return nullptr;
    const QString navn = filnavnUdenEndelse(DataUrl);
    for (QTreeWidgetItem *node : noder()) {
        if (!data(node).isNull() && sidenavn(node) == navn)
            return node;
    }
    return nullptr;
}

bool TStruktur::setSelected(const QString &DataUrl)
{
    QTreeWidgetItem *node = noden(DataUrl);
    if (!node || node->isSelected())
        return false;
    setCurrentItem(node);
    return true;
}

QString TStruktur::getNodeTekst(const QString &DataUrl)
{
    QTreeWidgetItem *node = noden(DataUrl);
    if (!node)
        return {};
    if (!node->isSelected())
        setCurrentItem(node);
    return node->text(0);
}

QString TStruktur::InfoFilnavn(const QString &Filefternavn) const
{
    const QTreeWidgetItem *node = selectedItems().value(0);
    if (!node)
        return {};
    QString s = node->text(0);
    if (node->parent())
        s.prepend(node->parent()->text(0));
    QString mappe = QDir::fromNativeSeparators(Infomappe);
    while (mappe.endsWith(u'/'))
        mappe.chop(1);
    return mappe + u'/' + safeFileName(s) + u'.' + Filefternavn;
}

int TStruktur::getTheSelectedIndex() const
{
    const QTreeWidgetItem *node = selectedItems().value(0);
    return node ? int(noder().indexOf(node)) : -1;
}

void TStruktur::MusDown(int X, int Y)
{
    if (MouseDown) {
        MouseDown = false;
        NodeDown = nullptr;
        viewport()->unsetCursor();
        return;
    }
    NodeDown = itemAt(X, Y);
    if (NodeDown && NodeDown != topLevelItem(0)) {
        MouseDown = true;
        viewport()->setCursor(Qt::PointingHandCursor);
    }
}

void TStruktur::MusUp(int X, int Y, bool somGrundnode)
{
    if (!MouseDown)
        return;
    viewport()->unsetCursor();
    MouseDown = false;
    NodeUp = itemAt(X, Y);
    if (!NodeUp || NodeUp == NodeDown || !NodeDown)
        return;
    if (somGrundnode) {
        tagUd(this, NodeDown);
        insertTopLevelItem(0, NodeDown);
    } else {
        // Into its own subtree the node would take itself out of the tree.
        if (liggerUnder(NodeUp, NodeDown))
            return;
        tagUd(this, NodeDown);
        placer(NodeDown, NodeUp, Flytmode);
    }
    Modified = true;
}

bool TStruktur::FileDeleteRB(const QString &AFileName)
{
    const QFileInfo fil(AFileName);
    if (AFileName.isEmpty() || !fil.exists())
        return false;
    // Without its data folder the desktop trash cannot be set up, and the file
    // would land in folders relative to the working directory instead.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString iTrash;
    if (!QFile::moveToTrash(fil.absoluteFilePath(), &iTrash))
        return false;
    if (QDir::isRelativePath(iTrash)) {
        QFile::rename(iTrash, fil.absoluteFilePath());
        QFile::remove(QStringLiteral("info/") + QFileInfo(iTrash).fileName() +
                      QStringLiteral(".trashinfo"));
        return false;
    }
    return true;
}

} // namespace kvidrel
