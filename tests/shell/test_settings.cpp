#include "shell/EntryPoints.h"
#include "shell/Settings.h"
#include "support/TestWorld.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace kz;

namespace {

QByteArray sjis(const QString& s)
{
    QStringEncoder enc("Shift_JIS");
    return enc(s);
}

struct Settings : ::testing::Test {
    test::TestWorld w;
    QTemporaryDir dir;
    void SetUp() override { w.platform.appDir = dir.path(); }
    QString path() const { return dir.path() + "/Kez.ini"; }
    void put(const QByteArray& bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray file() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    int questions() const
    {
        int n = 0;
        for (const auto& a : w.dialogs.asked)
            n += a.kind == "yesno";
        return n;
    }
};

} // namespace

TEST_F(Settings, FirstRunAnsweredYesWritesTheDefaults)
{
    w.dialogs.answers = {"yes"};
    LoadSettings();
    ASSERT_EQ(questions(), 1);
    EXPECT_EQ(w.dialogs.asked[0].title, "初期データーの作成");
    EXPECT_EQ(w.dialogs.asked[0].text,
              "データーをアプリケーションのある場所に作成します。\nCD-ROMからの起動や保存したくない時はNOを選択して下さい");
    EXPECT_EQ(file(), sjis("Morel\r\n\r\n 400\r\nA選手\r\nB選手\r\nC選手\r\nD選手\r\n"));
    EXPECT_EQ(w.s.RECORD_NAME, "Morel");
    EXPECT_EQ(w.s.RECORD, 400);
}

TEST_F(Settings, FirstRunAnsweredNoNeverTouchesTheFile)
{
    w.dialogs.answers = {"no"};
    LoadSettings();
    EXPECT_EQ(w.s.NO_SAVE, 1);
    SaveSettings(); // a tournament start or Game Over later in the run
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(w.s.RECORD, 400);
    EXPECT_EQ(w.s.RECORD_NAME, "Morel");
}

TEST_F(Settings, AShortFileKeepsWhatWasReadAndIsRewritten)
{
    put(sjis("大河原翔\r\n\r\n 512.5\r\n"));
    w.s.PL_NAME[0] = "太郎";
    w.dialogs.answers = {"yes"};
    LoadSettings();
    EXPECT_EQ(questions(), 1);
    EXPECT_EQ(w.s.RECORD_NAME, "大河原翔");
    EXPECT_EQ(w.s.RECORD, 512.5);
    EXPECT_EQ(file(), sjis("大河原翔\r\n\r\n 512.5\r\n太郎\r\nB選手\r\nC選手\r\nD選手\r\n"));
}

TEST_F(Settings, ValuesRoundTripExactly)
{
    // Commas, leading spaces and quotes are part of a name; a number on the
    // spare line and a record with a fraction come back as they went.
    const QString names[4] = {"A,B", "  まえ", "\"引用\"の人", "C\",D"};
    for (int seat = 0; seat < 4; ++seat)
        w.s.PL_NAME[seat] = names[seat];
    w.s.RECORD = 412.5;
    w.s.RECORD_NAME = " K.ナガセ, 2代目";
    w.s.SPARE_VALUE = " 17 ";
    SaveSettings();
    EXPECT_TRUE(file().contains(sjis("\r\n 412.5\r\n")));

    test::TestWorld again;
    again.platform.appDir = dir.path();
    LoadSettings();
    EXPECT_TRUE(again.dialogs.asked.empty());
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(again.s.PL_NAME[seat], names[seat]) << seat;
    EXPECT_EQ(again.s.RECORD, 412.5);
    EXPECT_EQ(again.s.RECORD_NAME, " K.ナガセ, 2代目");
    EXPECT_EQ(again.s.SPARE_VALUE, " 17 ");
}

TEST_F(Settings, ANameShiftJisCannotHoldIsNotLost)
{
    w.s.PL_NAME[2] = "𠮷田😀";
    SaveSettings();
    const QByteArray bytes = file();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    test::TestWorld again;
    again.platform.appDir = dir.path();
    LoadSettings();
    EXPECT_EQ(again.s.PL_NAME[2], "𠮷田😀");
    EXPECT_EQ(again.s.PL_NAME[0], "A選手");
}

TEST_F(Settings, OldFilesReadTheSame)
{
    // Written by the old program: Shift_JIS, the record with spaces around it.
    put(sjis("ミサキ\r\n\r\n 455.3 \r\nはなこ\r\nたろう\r\nC選手\r\nD選手\r\n"));
    LoadSettings();
    EXPECT_TRUE(w.dialogs.asked.empty());
    EXPECT_EQ(w.s.RECORD_NAME, "ミサキ");
    EXPECT_DOUBLE_EQ(w.s.RECORD, 455.3);
    EXPECT_EQ(w.s.PL_NAME[1], "たろう");
}

TEST_F(Settings, AFileEditedInUtf8WithoutAMarkReadsRight)
{
    put(QString("ミサキ\r\n\r\n 455.3\r\nはなこ\r\nたろう\r\nC選手\r\nD選手\r\n").toUtf8());
    LoadSettings();
    EXPECT_TRUE(w.dialogs.asked.empty());
    EXPECT_EQ(w.s.RECORD_NAME, "ミサキ");
    EXPECT_EQ(w.s.PL_NAME[0], "はなこ");
    // Shift_JIS with half-width katakana and kanji stays Shift_JIS.
    for (const char* name : {"ﾊﾅｺ", "東京ﾀﾛｳ", "ｶﾞｲ"})
        EXPECT_EQ(DecodeSettings(sjis(QString(name) + "\r\n")).value(0), QString(name)) << name;
    // Half-width katakana whose Shift_JIS bytes would read as UTF-8 are
    // written with the mark instead, so they come back as they went.
    SettingsLines l;
    l.holder = "ﾂ｡";
    EXPECT_EQ(DecodeSettings(EncodeSettings(l)).value(0), QString("ﾂ｡"));
}

TEST_F(Settings, ARecordThatIsNotANumberCountsAsDamage)
{
    for (const char* record : {"abc", " inf", "nan", "", " 1e999"}) {
        put(sjis(QString("X\r\n\r\n%1\r\nA\r\nB\r\nC\r\nD\r\n").arg(record)));
        test::TestWorld t;
        t.platform.appDir = dir.path();
        t.dialogs.answers = {"yes"};
        LoadSettings();
        int asked = 0;
        for (const auto& a : t.dialogs.asked)
            asked += a.kind == "yesno";
        EXPECT_EQ(asked, 1) << record;
        EXPECT_EQ(t.s.RECORD, 400) << record;
    }
}

TEST_F(Settings, AFolderThatCannotTakeTheFileIsReportedOnce)
{
    w.platform.appDir = dir.path() + "/missing/folder";
    w.dialogs.answers = {"yes", "yes", "yes"};
    LoadSettings();
    EXPECT_EQ(questions(), 1);
    int warnings = 0;
    for (const auto& a : w.dialogs.asked)
        warnings += a.kind == "warn";
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(w.s.NO_SAVE, 1);
    SaveSettings();
    EXPECT_TRUE(w.lines("settings save failed").size() == 1); // only the first attempt
}

TEST_F(Settings, AFailedSaveLeavesTheOldFile)
{
    w.s.RECORD = 600;
    SaveSettings();
    const QByteArray before = file();
    struct FailingStore : FileStore {
        bool write(const QString&, const QByteArray&) override { return false; }
    } failing;
    w.platform.files = &failing;
    w.s.RECORD = 700;
    SaveSettings();
    EXPECT_EQ(file(), before);
}

// A save killed at any moment leaves the complete old file or the complete new one.
TEST_F(Settings, InterruptedSavesNeverTearTheFile)
{
    SettingsLines a, b;
    a.holder = "old";
    a.record = " 400";
    b.holder = "新しい記録の持ち主";
    b.record = " 987.5";
    for (int i = 0; i < 4; ++i) {
        a.names[i] = QString("name%1").arg(i);
        b.names[i] = QString(200, QChar(0x3042 + i)); // long lines: the write takes a while
    }
    const QByteArray first = EncodeSettings(a), second = EncodeSettings(b);
    FileStore store;
    ASSERT_TRUE(store.write(path(), first));
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FileStore s;
            for (int i = 0;; ++i)
                s.write(path(), i % 2 ? first : second);
        }
        usleep(200 + rng() % 3000);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const QByteArray now = file();
        EXPECT_TRUE(now == first || now == second) << "round " << round << ": " << now.size() << " bytes";
    }
}

TEST_F(Settings, EndingTheProgramSavesTheRecord)
{
    w.s.RECORD = 999.5;
    w.s.RECORD_NAME = "ケゾラ";
    QuitGame();
    EXPECT_TRUE(w.platform.quitRequested);
    EXPECT_TRUE(file().contains(sjis("ケゾラ\r\n\r\n 999.5\r\n")));
}
