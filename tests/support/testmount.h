#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>

// A temporary folder mounted through testfs.py, which mirrors a backing folder and delays or fails the
// operations its rules name (testfs.py tells the rules), in ways root cannot get past. Mounting needs root
// and /dev/fuse: a test skips without them (SKIP_UNLESS_TEST_MOUNTS), saying which is missing. Any other
// mount that cannot be made throws, which fails the test with the reason: the tests install what they need.
class TestMount {
public:
    // Why no test file system can be mounted here; empty when one can.
    static std::string unavailable() {
        if (geteuid() != 0) return "mounting the test file system needs root";
        if (access("/dev/fuse", R_OK | W_OK) != 0) return "mounting the test file system needs /dev/fuse";
        return {};
    }

    TestMount() {
        m_root = QFileInfo(m_work.path()).canonicalFilePath();
        if (!m_work.isValid() || !QDir().mkpath(backing()) || !QDir().mkpath(path())) {
            fail("no temporary folder for it");
        }
        setRules("[]");
        QByteArray script = ZEB_TESTFS, from = QFile::encodeName(backing()), at = QFile::encodeName(path()),
                   rules = QFile::encodeName(rulesFile());
        char python[] = "/usr/bin/python3", isolated[] = "-I";
        char* arguments[] = {python, isolated, script.data(), from.data(), at.data(), rules.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, QFile::encodeName(logFile()).constData(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        const int spawned = posix_spawn(&m_process, arguments[0], &actions, nullptr, arguments, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            m_process = 0;
            fail(std::string("/usr/bin/python3 does not start: ") + std::strerror(spawned));
        }
        QElapsedTimer clock;
        clock.start();
        while (!mounted()) {
            if (waitpid(m_process, nullptr, WNOHANG) == m_process) {
                m_process = 0;
                fail("testfs.py ended");
            }
            if (clock.elapsed() > 15000) fail("not mounted after 15 s");
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~TestMount() { stop(); }
    TestMount(const TestMount&) = delete;
    TestMount& operator=(const TestMount&) = delete;

    QString path(const QString& below = QString()) const { return place(QStringLiteral("mount"), below); }
    QString backing(const QString& below = QString()) const {
        return place(QStringLiteral("backing"), below);
    }

    // The rules as testfs.py reads them, a JSON list; they hold from the next operation on.
    void setRules(const QByteArray& json) {
        QSaveFile file(rulesFile());
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
            fail("its rules cannot be written");
        }
    }

private:
    QString place(const QString& folder, const QString& below) const {
        const QString top = m_root + QLatin1Char('/') + folder;
        return below.isEmpty() ? top : QString(top + QLatin1Char('/') + below);
    }
    QString rulesFile() const { return place(QStringLiteral("rules.json"), QString()); }
    QString logFile() const { return place(QStringLiteral("testfs.log"), QString()); }

    bool mounted() const {
        QFile table(QStringLiteral("/proc/self/mountinfo"));
        if (!table.open(QIODevice::ReadOnly)) return false;
        const QByteArray at = QFile::encodeName(path()).replace(" ", "\\040");
        for (const QByteArray& line : table.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() > 4 && fields[4] == at) return true;
        }
        return false;
    }

    // Lazily, so that requests still hanging cannot hold the unmount up; the process goes after it.
    void stop() {
        if (m_process == 0) return;
        umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
        kill(m_process, SIGTERM);
        for (int waited = 0; waitpid(m_process, nullptr, WNOHANG) == 0; waited += 10) {
            if (waited == 5000) kill(m_process, SIGKILL);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        m_process = 0;
    }

    [[noreturn]] void fail(const std::string& why) {
        stop();
        QFile log(logFile());
        const QByteArray said = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
        throw std::runtime_error("the test file system cannot be mounted at " +
                                 QFile::encodeName(path()).toStdString() + ": " + why +
                                 (said.isEmpty() ? std::string() : ":\n" + said.toStdString()) +
                                 "\n(scripts/install-deps.sh test installs fuse3 and python3-fusepy)");
    }

    QTemporaryDir m_work;
    QString m_root;
    pid_t m_process = 0;
};

// Ends the test as skipped, with the reason, where no test file system can be mounted.
#define SKIP_UNLESS_TEST_MOUNTS() \
    if (const std::string whyNot = TestMount::unavailable(); !whyNot.empty()) GTEST_SKIP() << whyNot
