// A structure's tree and data files holding any bytes, loaded as the
// information window loads them. Input: two bytes giving the tree file's
// length, the tree file, then the data file. What loads is saved and must load
// again the same; the page lookups the window makes never fail.

#include "fuzzgui.h"
#include "fuzzsupport.h"
#include "struktur.h"

#include <QTreeWidgetItem>

using namespace kvidrel;

namespace {

struct Node
{
    QString tekst;
    QString data;
    int dybde = 0;
    int billede = 0;
    bool operator==(const Node &) const = default;
};

QList<Node> noderAf(const TStruktur &trae)
{
    QList<Node> result;
    for (const QTreeWidgetItem *node : trae.noder()) {
        int dybde = 0;
        for (const QTreeWidgetItem *p = node->parent(); p; p = p->parent())
            ++dybde;
        result << Node{node->text(0), TStruktur::data(node), dybde, TStruktur::billedIndex(node)};
    }
    return result;
}

TStruktur &traeet()
{
    static TStruktur *trae = [] {
        auto *t = new TStruktur;
        t->DataOn = true;
        t->Infomappe = fuzz::scratchPath(QStringLiteral("tekstfiler/"));
        return t;
    }();
    return *trae;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietQt();
    fuzz::widgetApp();
    if (size < 2)
        return 0;
    const size_t traeLaengde = qMin<size_t>(size - 2, size_t(data[0]) | size_t(data[1]) << 8);
    const QByteArray traeBytes = fuzz::bytesOf(data + 2, traeLaengde);
    const QByteArray dataBytes = fuzz::bytesOf(data + 2 + traeLaengde, size - 2 - traeLaengde);

    TStruktur &trae = traeet();
    trae.Strukturfile = fuzz::scratchPath(QStringLiteral("struktur.txt"));
    trae.Datafile = fuzz::scratchPath(QStringLiteral("data.txt"));
    fuzz::writeBytes(trae.Strukturfile, traeBytes);
    // Without a data part the data file is missing and the tree makes one.
    if (traeLaengde + 2 == size)
        QFile::remove(trae.Datafile);
    else
        fuzz::writeBytes(trae.Datafile, dataBytes);

    FUZZ_CHECK(trae.HentStruktur());
    const QList<Node> laest = noderAf(trae);
    for (const Node &n : laest) {
        FUZZ_CHECK(!n.tekst.isEmpty() && n.billede >= 0 && n.billede <= 9);
        FUZZ_CHECK(!n.data.isEmpty() && n.data.at(0) >= u'0' && n.data.at(0) <= u'9');
    }

    // Finding a node again from a page's address, as the window does.
    for (QTreeWidgetItem *node : trae.noder().mid(0, 64))
        trae.setSelected(trae.Infomappe + TStruktur::sidenavn(node) + QStringLiteral(".html"));
    (void)trae.InfoFilnavn(QStringLiteral("html"));
    (void)trae.getTheSelectedIndex();

    for (const Node &n : laest) {
        if (fuzz::hasLoneSurrogate(n.tekst) || fuzz::hasLoneSurrogate(n.data))
            return 0;
    }
    FUZZ_CHECK(trae.GemStruktur());
    FUZZ_CHECK(trae.HentStruktur());
    FUZZ_CHECK(noderAf(trae) == laest);
    return 0;
}
