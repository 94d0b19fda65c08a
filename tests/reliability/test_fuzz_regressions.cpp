// Every input that ever broke the records-file reader, replayed (the fuzzer
// keeps them in fuzz-regressions/), plus the seed corpus the fuzzer starts from.
#include "SettingsProperty.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void replayFolder(const QString& path)
{
    const QDir dir(path);
    for (const QString& name : dir.entryList(QDir::Files)) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(kz::fuzz::CheckSettingsBytes(f.readAll()), "") << name.toStdString();
    }
}

} // namespace

TEST(SettingsReader, InputsThatOnceBrokeItStayFixed)
{
    replayFolder(KEZORA_FUZZ_REGRESSIONS);
}

TEST(SettingsReader, TheSeedFilesHold)
{
    QTemporaryDir dir;
    ASSERT_EQ(QProcess::execute("python3", {KEZORA_FUZZ_SEEDS, dir.path()}), 0);
    ASSERT_GT(QDir(dir.path()).entryList(QDir::Files).size(), 10);
    replayFolder(dir.path());
}
