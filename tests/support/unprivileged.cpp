#include "unprivileged.h"
#include "testroot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

// The child's own home and temporary folder: root's would refuse it.
bool giveAway(const QString &path)
{
    const QByteArray p = QFile::encodeName(path);
    return ::chown(p.constData(), kNobody, kNogroup) == 0 && ::chmod(p.constData(), 0700) == 0;
}

} // namespace

bool runAsUnprivileged()
{
    if (::geteuid() != 0)
        return false;
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!test) {
        ADD_FAILURE() << "runAsUnprivileged outside a test";
        return true;
    }
    const std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + '.' + test->name();

    QTemporaryDir home;
    if (!home.isValid() || !giveAway(home.path())) {
        ADD_FAILURE() << "no folder for the user nobody";
        return true;
    }
    char self[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) {
        ADD_FAILURE() << "the test program cannot find itself";
        return true;
    }
    // The child's environment is made here: after fork only async-signal-safe
    // calls are allowed, as another thread may hold the allocator's lock.
    const std::string dir = QFile::encodeName(home.path()).toStdString();
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (name != "HOME" && name != "TMPDIR" && name != "XDG_RUNTIME_DIR" &&
            name != "KVIDREL_ROOT")
            env.push_back(entry);
    }
    for (const char *name : {"HOME=", "TMPDIR=", "XDG_RUNTIME_DIR="})
        env.push_back(name + dir);
    std::vector<char *> envp;
    for (std::string &entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    // Returns the child's wait status.
    const auto runAsNobody = [&](std::string program) {
        char *args[] = {program.data(), const_cast<char *>(filter.c_str()), nullptr};
        std::fflush(stdout);
        std::fflush(stderr);
        const pid_t pid = ::fork();
        if (pid < 0)
            return -1;
        if (pid == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNogroup) != 0 || ::setuid(kNobody) != 0 ||
                ::geteuid() == 0)
                ::_exit(125);
            ::execve(args[0], args, envp.data());
            ::_exit(126);
        }
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return status;
    };
    const auto cannotExec = [](int status) {
        return WIFEXITED(status) && WEXITSTATUS(status) == 126;
    };
    int status = runAsNobody(self);
    if (cannotExec(status)) {
        // A checkout in a private folder (a fresh temporary clone) hides the
        // program from nobody; a copy in nobody's own folder runs all the same.
        const QString copy = home.filePath(QStringLiteral("kvidrel-test"));
        if (QFile::copy(QFile::decodeName(self), copy) &&
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                            QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup))
            status = runAsNobody(QFile::encodeName(copy).toStdString());
    }
    if (status < 0)
        ADD_FAILURE() << "fork: " << std::strerror(errno);
    else if (cannotExec(status))
        ADD_FAILURE() << "the user nobody cannot run " << self
                      << " nor a copy of it in its own folder";
    else if (WIFEXITED(status) && WEXITSTATUS(status) == 125)
        ADD_FAILURE() << "could not become the user nobody";
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        ADD_FAILURE() << "the run as the user nobody failed (status " << status << ")";
    // The child's files belong to nobody; root removes them all the same.
    return true;
}

void setReadOnly(const QString &path, bool readOnly)
{
    QStringList all = {path};
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        all << it.next();
    for (const QString &p : std::as_const(all)) {
        QFile::Permissions mode = QFile::ReadOwner | QFile::ReadUser;
        if (QFileInfo(p).isDir())
            mode |= QFile::ExeOwner | QFile::ExeUser;
        if (!readOnly)
            mode |= QFile::WriteOwner | QFile::WriteUser;
        QFile::setPermissions(p, mode);
    }
}
