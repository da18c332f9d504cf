#include "deltagere.h"
#include "kontrol.h"
#include "makeSpm.h"
#include "textfile.h"
#include "unprivileged.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

using namespace kvidrel;

namespace {

class ReadOnlyFoldersTest : public WindowTest
{
protected:
    QStringList lines(const QString &relative) const
    {
        return QFile::exists(root.file(relative)) ? readLineList(root.file(relative))
                                                  : QStringList();
    }

    // One error message since the last call, naming file.
    void expectOneError(const QString &file)
    {
        ASSERT_EQ(errors.size(), 1) << errors.join(u'\n').toStdString();
        EXPECT_TRUE(errors.first().contains(file)) << errors.first().toStdString();
        errors.clear();
    }
};

} // namespace

// A data root copied from a disc or another user's account: every save that
// cannot be written says so, the windows keep what the host did, and the next
// save once the folder can be written again holds all of it.
TEST_F(ReadOnlyFoldersTest, FailedSavesKeepTheWorkUntilTheFolderCanBeWritten)
{
    if (runAsUnprivileged())
        return;
    grupper({"A", "B", "C"});
    deltagere({{"Anna", "", true}});
    start();
    main->show();

    // The groups folder with all it holds is read-only.
    Tspmform *spm = spmform;
    show(spm);
    setReadOnly(root.file("Grupper"), true);
    clickRow(kontrol<QListWidget>(spm, "gruppeliste"), 1);
    click(kontrol<QToolButton>(spm, "Button1")); // B up
    expectOneError("Grupper.txt");
    EXPECT_EQ(rows(kontrol<QListWidget>(spm, "gruppeliste")), QStringList({"B", "A", "C"}));
    EXPECT_EQ(lines("Grupper/Grupper.txt"), QStringList({"A", "B", "C"}));
    type(kontrol<QLineEdit>(spm, "gruppeEdit"), "D");
    click(kontrol<QToolButton>(spm,
                               "SpeedButton5")); // a group whose folder cannot be made is not added
    expectOneError("D");
    EXPECT_EQ(rows(kontrol<QListWidget>(spm, "gruppeliste")), QStringList({"B", "A", "C"}));
    setReadOnly(root.file("Grupper"), false);
    type(kontrol<QLineEdit>(spm, "gruppeEdit"), "D");
    click(kontrol<QToolButton>(spm, "SpeedButton5"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    EXPECT_EQ(lines("Grupper/Grupper.txt"), QStringList({"B", "A", "C", "D"}));
    EXPECT_TRUE(QFileInfo(root.file("Grupper/D/Kommentarer")).isDir());
    spm->hide();

    // The participants folder is read-only.
    Tdeltagerform *del = deltagerform;
    show(del);
    setReadOnly(root.file("Deltagere"), true);
    type(kontrol<QLineEdit>(del, "navnEdit"), "Bo");
    click(kontrol<QToolButton>(del, "godkendKnap"));
    expectOneError("Deltagere.txt");
    EXPECT_EQ(rows(kontrol<QListWidget>(del, "deltagerliste")), QStringList({"Anna", "Bo"}));
    EXPECT_EQ(main->maxIndex, 1);
    EXPECT_EQ(lines("Deltagere/Deltagere.txt"), QStringList({"Anna", "", "1"}));
    clickCheck(kontrol<QListWidget>(del, "deltagerliste"), 0); // Anna out: kept in memory only
    click(kontrol<QToolButton>(del, "Button1"));               // "Gem" fails as well
    expectOneError("Deltagere.txt");
    EXPECT_TRUE(kontrol<QToolButton>(del, "Button1")->isEnabled()); // still something to save
    setReadOnly(root.file("Deltagere"), false);
    type(kontrol<QLineEdit>(del, "navnEdit"), "Cy");
    click(kontrol<QToolButton>(del, "godkendKnap"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    EXPECT_EQ(lines("Deltagere/Deltagere.txt"),
              QStringList({"Anna", "", "0", "Bo", "", "1", "Cy", "", "1"}));
    del->hide();

    // The options folder is gone.
    ASSERT_TRUE(QDir(root.file("Egenskaber")).removeRecursively());
    kontrol<QTabWidget>(main, "sider")->setCurrentIndex(1);
    const int style = kontrol<QComboBox>(main, "designBox")->findText("Smokey Quartz Kamri");
    kontrol<QComboBox>(main, "designBox")->setCurrentIndex(style);
    emit kontrol<QComboBox>(main, "designBox")->activated(style); // as the host's choice
    expectOneError("Egenskaber.txt");
    EXPECT_EQ(main->designName, "Smokey Quartz Kamri");
    type(kontrol<QLineEdit>(main, "minEdit"), "20");
    type(kontrol<QLineEdit>(main, "maxEdit"), "80");
    click(kontrol<QToolButton>(main, "godkendKnap"));
    expectOneError("Egenskaber.txt");
    EXPECT_EQ(kontrol<QLineEdit>(main, "minEdit")->text(), "20");
    EXPECT_EQ(kontrol<QLineEdit>(main, "maxEdit")->text(), "80");
    ASSERT_TRUE(QDir().mkpath(root.file("Egenskaber")));
    click(kontrol<QToolButton>(main, "godkendKnap")); // still enabled: nothing was saved
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    EXPECT_EQ(lines("Egenskaber/Egenskaber.txt"), QStringList({"Smokey Quartz Kamri", "20", "80"}));
    EXPECT_EQ(kontrol<QLineEdit>(main, "HighEdit")->text(), "80");
    EXPECT_TRUE(main->isVisible());
}
