// A process saving the settings in a loop, killed at random moments: every
// time the file is the complete old one or the complete new one.
#include "SaveFiles.h"

#include "shell/Settings.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray encoded(bool second)
{
    kz::GameState s;
    kz::reliability::SetSaveValues(s, second);
    kz::SettingsLines l;
    l.holder = s.RECORD_NAME;
    l.record = kz::FormatRecord(s.RECORD);
    for (int i = 0; i < 4; ++i)
        l.names[i] = s.PL_NAME[i];
    return kz::EncodeSettings(l);
}

// Starts the save loop and returns once it has saved for the first time.
pid_t startSaving(const QString& dir)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        const QByteArray d = QFile::encodeName(dir);
        execl(KEZORA_SAVE_LOOP, KEZORA_SAVE_LOOP, d.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char buf[8] = {};
    const ssize_t got = read(out[0], buf, sizeof buf);
    close(out[0]);
    return got > 0 ? child : -1;
}

} // namespace

TEST(InterruptedSaves, NeverTearTheFile)
{
    // KEZORA_KILLS sets the number of kills (a thousand unless told).
    const int rounds = std::getenv("KEZORA_KILLS") ? std::atoi(std::getenv("KEZORA_KILLS")) : 1000;
    const QByteArray old = encoded(false), fresh = encoded(true);
    QTemporaryDir dir;
    const QString path = dir.path() + "/Kez.ini";
    std::mt19937 rng(20240607);
    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < rounds; ++round) {
        const pid_t child = startSaving(dir.path());
        ASSERT_GT(child, 0);
        usleep(rng() % 2000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "round " << round;
        const QByteArray now = f.readAll();
        ASSERT_TRUE(now == old || now == fresh) << "round " << round << ": " << now.size() << " bytes";
        (now == old ? sawOld : sawNew) += 1;
    }
    // Both outcomes came up, so the kills did land between and inside saves.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
    // A save killed half-way leaves its temporary file (Kez.ini.XXXXXX) behind;
    // the game never reads those. Nothing else appears.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : left)
        EXPECT_TRUE(name == "Kez.ini" || QRegularExpression("^Kez\\.ini\\.\\w{6}$").match(name).hasMatch())
            << name.toStdString();
    std::printf("%d kills: %d old, %d new, %d temporary files left\n", rounds, sawOld, sawNew, int(left.size()) - 1);
}
