// The menu bar, the player-count selection, the information panels, the name
// labels' drag and drop, and the name entry.

#include "shell/Menus.h"
#include "sim/Simulation.h"
#include "support/TestWorld.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace kz::test {
namespace {

const QString kNames[4] = {"A選手", "B選手", "C選手", "D選手"};

// The main window shown, every label captioned with its seat's name.
struct SetupWorld {
    TestWorld w;
    SetupWorld()
    {
        w.am().show();
        QCoreApplication::processEvents();
        for (int seat = 0; seat < 4; ++seat)
            w.am().setNameCaption(seat, w.s.PL_NAME[seat]);
        w.trace.lines.clear();
    }
    QString caption(int seat) { return w.am().nameCaption(seat); }
};

// Presses the left button on a seat's label and lets go over another seat's
// label, or (to = -1) over the arena, away from every label.
void drag(TestWorld& w, int from, int to)
{
    QWidget* src = w.am().L_NM[from];
    const QPointF local(src->width() / 2.0, src->height() / 2.0);
    const QPointF global = to >= 0 ? w.am().L_NM[to]->mapToGlobal(local) : w.am().HAI->mapToGlobal(QPointF(700, 200));
    QMouseEvent press(QEvent::MouseButtonPress, local, src->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(src, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, src->mapFromGlobal(global), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(src, &release);
}

void click(TestWorld& w, int seat)
{
    drag(w, seat, seat);
}

// ---- the menu bar -----------------------------------------------------------------

TEST(MenuBar, HasTheGamePlayersAndHelpMenus)
{
    TestWorld w;
    Am& a = w.am();
    EXPECT_EQ(a.M_MENU[0]->title(), "GAME");
    EXPECT_EQ(a.M_MENU[1]->title(), "参加選手");
    EXPECT_EQ(a.M_MENU[2]->title(), "ヘルプ");

    EXPECT_EQ(a.MENU1[0]->text(), "開始");
    EXPECT_TRUE(a.MENU1[1]->isSeparator());
    EXPECT_EQ(a.MENU1[2]->text(), "バージョン");
    EXPECT_EQ(a.MENU1[3]->text(), "終了");
    const QString players[4] = {"1人", "2人", "3人", "4人"};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(a.MENU2[k]->text(), players[k]);
    EXPECT_EQ(a.MENU3[0]->text(), "遊び方");
    EXPECT_EQ(a.MENU3[1]->text(), "操作方法");

    const QList<QAction*> game = a.M_MENU[0]->actions();
    ASSERT_EQ(game.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(game[i], a.MENU1[i]);
    for (QAction* item : {a.MENU1[0], a.MENU1[2], a.MENU1[3], a.MENU2[0], a.MENU2[1], a.MENU2[2], a.MENU2[3],
                          a.MENU3[0], a.MENU3[1]})
        EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
}

TEST(MenuBar, PlayerOptionButtonsCarryTheirToolTips)
{
    TestWorld w;
    const QString tips[4] = {"１人用です", "２人用です", "3人用です", "４人でプレイします"};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(w.am().SEL[k]->toolTip(), tips[k]);
    EXPECT_TRUE(w.am().SEL[0]->isChecked());
}

// ---- the player count ------------------------------------------------------------------

class PlayerCountMenu : public ::testing::TestWithParam<int> {};

TEST_P(PlayerCountMenu, SelectsTheButtonPlaysAClickAndBlanksTheRowsBeyond)
{
    const int k = GetParam();
    SetupWorld g;
    TestWorld& w = g.w;
    // Start from a count that differs, so the labels must change.
    const int other = k == 0 ? 3 : 0;
    SelectPlayerCount(other);
    w.trace.lines.clear();

    w.am().MENU2[k]->trigger();

    for (int b = 0; b < 4; ++b)
        EXPECT_EQ(w.am().SEL[b]->isChecked(), b == k) << b;
    EXPECT_EQ(w.lines("sound"), QStringList({"sound 10"}));
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(g.caption(seat), seat <= k ? kNames[seat] : QString(" ")) << seat;
        EXPECT_EQ(w.s.PL_NAME[seat], kNames[seat]) << seat;
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, PlayerCountMenu, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) { return std::to_string(info.param + 1) + "Players"; });

TEST(PlayerCount, ClickingAnOptionButtonDoesTheSame)
{
    SetupWorld g;
    g.w.am().SEL[1]->click();
    EXPECT_TRUE(g.w.am().SEL[1]->isChecked());
    EXPECT_EQ(g.w.lines("sound"), QStringList({"sound 10"}));
    EXPECT_EQ(g.caption(0), "A選手");
    EXPECT_EQ(g.caption(1), "B選手");
    EXPECT_EQ(g.caption(2), " ");
    EXPECT_EQ(g.caption(3), " ");
}

TEST(PlayerCount, TheMenuStillWorksDuringATournament)
{
    SetupWorld g;
    g.w.am().SELE->hide();
    g.w.s.STOP_FLAG = 0;
    g.w.am().MENU2[2]->trigger();
    EXPECT_TRUE(g.w.am().SEL[2]->isChecked());
    EXPECT_EQ(g.caption(3), " ");
    EXPECT_EQ(g.caption(2), "C選手");
}

// ---- the information panels ------------------------------------------------------------

struct PanelCase {
    const char* name;
    int menu;   // 0: GAME, 2: ヘルプ
    int item;
    QString title;
    QString text;  // empty: checked by shape (our own lines)
};

class InfoPanel : public ::testing::TestWithParam<PanelCase> {};

TEST_P(InfoPanel, PlaysAClickAndShowsItsLines)
{
    const PanelCase c = GetParam();
    TestWorld w;
    QAction* action = c.menu == 0 ? w.am().MENU1[c.item] : w.am().MENU3[c.item];
    action->trigger();

    EXPECT_EQ(w.lines("sound"), QStringList({"sound 10"}));
    ASSERT_EQ(w.dialogs.asked.size(), 1u);
    const auto& shown = w.dialogs.asked[0];
    EXPECT_EQ(shown.kind, "inform");
    EXPECT_EQ(shown.title, c.title);
    // The click comes before the box.
    const QStringList order = w.lines();
    EXPECT_LT(order.indexOf("sound 10"), order.indexOf(QRegularExpression("^dialog inform .*")));
    if (!c.text.isEmpty()) {
        EXPECT_EQ(shown.text, c.text);
    } else {
        // Four lines of our own, then the empty line that ends the text.
        EXPECT_TRUE(shown.text.endsWith("\n\n"));
        const QStringList lines = shown.text.split('\n');
        ASSERT_EQ(lines.size(), 6);
        for (int i = 0; i < 4; ++i)
            EXPECT_FALSE(lines[i].isEmpty()) << i;
        EXPECT_TRUE(lines[4].isEmpty());
        EXPECT_TRUE(lines[5].isEmpty());
        EXPECT_TRUE(lines[0].contains("ケゾラ"));
        EXPECT_TRUE(lines[0].contains("1.05"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Panels, InfoPanel,
    ::testing::Values(
        PanelCase{"Version", 0, 2, "バージョン", {}},
        PanelCase{"HowToPlay", 2, 0, "遊び方",
                  "選手を操り、体操してください。\n様々な技を駆使し、目指すは世界新記録!\n\n"},
        PanelCase{"Controls", 2, 1, "操作方法",
                  "基本操作は、画面上(フィールド上)でマウスを使うか、キーボードを使います。\n"
                  "マウスの場合、手系(左ボタン) 足系(右ボタン)\n"
                  "KeyBordの場合、手系(無変換 or Z) 足系(スペース or X)\n"
                  "詳しくは付属のKez.htmを参照下さい\n\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InfoPanel, AnUnknownTitleShowsAnEmptyText)
{
    TestWorld w;
    ShowInfoPanel("ほか");
    ASSERT_EQ(w.dialogs.asked.size(), 1u);
    EXPECT_EQ(w.dialogs.asked[0].text, "\n");
    EXPECT_EQ(w.lines("sound"), QStringList({"sound 10"}));
}

TEST(InfoPanel, WholeProgramVersionPanelFromTheMenu)
{
    const auto out = sim::RunSimulation(sim::ParseScript("at 1000 menu version\n"));
    QStringList after;
    bool chosen = false;
    for (const QString& l : out.transcript) {
        if (l == "1000 choose version")
            chosen = true;
        else if (chosen && !l.startsWith("state "))
            after << l;
    }
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after[0], "1000 sound 10");
    EXPECT_TRUE(after[1].startsWith("1000 dialog inform バージョン | ")) << after[1].toStdString();
    EXPECT_TRUE(after[1].endsWith("\\n\\n"));
}

// ---- dragging names -----------------------------------------------------------------------

TEST(NameLabels, DraggingSeat0OntoSeat3SwapsCaptionsAndNames)
{
    SetupWorld g;
    TestWorld& w = g.w;
    drag(w, 0, 3);
    EXPECT_EQ(w.lines("sound"), QStringList({"sound 1", "sound 14"}));
    EXPECT_EQ(g.caption(0), "D選手");
    EXPECT_EQ(g.caption(3), "A選手");
    EXPECT_EQ(w.s.PL_NAME[0], "D選手");
    EXPECT_EQ(w.s.PL_NAME[3], "A選手");
    EXPECT_EQ(g.caption(1), "B選手");
    EXPECT_EQ(g.caption(2), "C選手");
    EXPECT_EQ(w.s.DRAG_FROM, -1);
    EXPECT_TRUE(w.dialogs.asked.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(NameLabels, TheDragSoundComesAtThePressAndTheSwapSoundAtTheRelease)
{
    SetupWorld g;
    TestWorld& w = g.w;
    QWidget* src = w.am().L_NM[0];
    const QPointF local(src->width() / 2.0, src->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, local, src->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(src, &press);
    EXPECT_EQ(w.lines("sound"), QStringList({"sound 1"}));
    EXPECT_EQ(w.s.DRAG_FROM, 0);
    EXPECT_EQ(w.s.DRAG_NAME, "A選手");
    EXPECT_NE(QApplication::overrideCursor(), nullptr);  // the drag icon
    const QPointF global = w.am().L_NM[3]->mapToGlobal(local);
    QMouseEvent release(QEvent::MouseButtonRelease, src->mapFromGlobal(global), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(src, &release);
    EXPECT_EQ(w.lines("sound"), QStringList({"sound 1", "sound 14"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(NameLabels, WithTwoPlayersTheFirstNameMovesOntoABlankRow)
{
    SetupWorld g;
    TestWorld& w = g.w;
    w.am().MENU2[1]->trigger();
    ASSERT_EQ(g.caption(2), " ");
    ASSERT_EQ(g.caption(3), " ");
    drag(w, 0, 2);
    EXPECT_EQ(g.caption(2), "A選手");
    EXPECT_EQ(g.caption(0), " ");
    EXPECT_EQ(w.s.PL_NAME[2], "A選手");
    EXPECT_EQ(w.s.PL_NAME[0], " ");
    EXPECT_EQ(g.caption(1), "B選手");
    EXPECT_EQ(g.caption(3), " ");
}

TEST(NameLabels, ADragReleasedOffTheLabelsIsCancelled)
{
    SetupWorld g;
    TestWorld& w = g.w;
    drag(w, 0, -1);
    EXPECT_EQ(w.lines("sound"), QStringList({"sound 1"}));
    EXPECT_EQ(w.s.DRAG_FROM, -1);
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(g.caption(seat), kNames[seat]);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A later click on another label opens that seat's name entry; nothing is swapped.
    w.dialogs.answers.push_back("cancel");
    click(w, 2);
    ASSERT_EQ(w.dialogs.asked.size(), 1u);
    EXPECT_EQ(w.dialogs.asked[0].kind, "text");
    EXPECT_EQ(w.dialogs.asked[0].text, "選手 2の名前を入力してください\n6文字まで");
    EXPECT_FALSE(w.lines("sound").contains("sound 14"));
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(g.caption(seat), kNames[seat]);
        EXPECT_EQ(w.s.PL_NAME[seat], kNames[seat]);
    }
}

TEST(NameLabels, WholeProgramCancelledDragThenClick)
{
    const auto out = sim::RunSimulation(
        sim::ParseScript("answer yes\nanswer ハナコ\nat 1000 drag 0 off\nat 2000 click name 2\n"));
    QStringList after;
    for (const QString& l : out.transcript)
        if (!l.startsWith("state ") && l.section(' ', 0, 0).toInt() >= 1000)
            after << l;
    EXPECT_EQ(after, QStringList({"1000 sound 1",
                                  "2000 sound 1",
                                  "2000 dialog text 選手名の登録 | 選手 2の名前を入力してください\\n6文字まで | C選手 -> ハナコ",
                                  "2000 label 2 ハナコ white"}));
    EXPECT_TRUE(out.transcript.contains("state PL_NAME[2] ハナコ"));
    EXPECT_TRUE(out.transcript.contains("state PL_NAME[0] A選手"));
}

TEST(NameLabels, DuringATournamentDragsDoNothing)
{
    SetupWorld g;
    TestWorld& w = g.w;
    w.am().SELE->hide();
    drag(w, 0, 3);
    click(w, 1);
    EXPECT_TRUE(w.lines("sound").isEmpty());
    EXPECT_TRUE(w.dialogs.asked.empty());
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(g.caption(seat), kNames[seat]);
        EXPECT_EQ(w.s.PL_NAME[seat], kNames[seat]);
    }
    EXPECT_EQ(w.s.DRAG_FROM, -1);

    // A start left from before the tournament is forgotten by a drop.
    w.s.DRAG_FROM = 1;
    DropOn(2);
    EXPECT_EQ(w.s.DRAG_FROM, -1);
    EXPECT_EQ(g.caption(2), "C選手");
}

TEST(NameLabels, ASecondDragStartWhileOneIsUnderWayIsIgnored)
{
    SetupWorld g;
    TestWorld& w = g.w;
    DragStart(1);
    DragStart(2);
    EXPECT_EQ(w.s.DRAG_FROM, 1);
    EXPECT_EQ(w.lines("sound"), QStringList({"sound 1"}));
    DropOn(3);
    EXPECT_EQ(g.caption(1), "D選手");
    EXPECT_EQ(g.caption(3), "B選手");
    EXPECT_EQ(g.caption(2), "C選手");
}

// ---- the name entry -------------------------------------------------------------------------

TEST(EnterPlayerName, AsksWithTheSeatNumberAndTheCurrentName)
{
    SetupWorld g;
    TestWorld& w = g.w;
    w.s.PL_NAME[2] = "ハナコ";
    w.dialogs.answers.push_back("cancel");
    click(w, 2);
    ASSERT_EQ(w.dialogs.asked.size(), 1u);
    EXPECT_EQ(w.dialogs.asked[0].kind, "text");
    EXPECT_EQ(w.dialogs.asked[0].title, "選手名の登録");
    EXPECT_EQ(w.dialogs.asked[0].text, "選手 2の名前を入力してください\n6文字まで");
    // The input field starts with the current name.
    EXPECT_EQ(w.lines("dialog text"),
              QStringList({"dialog text 選手名の登録 | 選手 2の名前を入力してください\\n6文字まで | ハナコ -> (cancel)"}));
    // A plain click plays the drag sound only; no swap.
    EXPECT_EQ(w.lines("sound"), QStringList({"sound 1"}));
    EXPECT_EQ(w.s.DRAG_FROM, -1);
}

TEST(EnterPlayerName, TheFirstRowIsSeatZero)
{
    TestWorld w;
    w.dialogs.answers.push_back("cancel");
    EnterPlayerName(0);
    ASSERT_EQ(w.dialogs.asked.size(), 1u);
    EXPECT_EQ(w.dialogs.asked[0].text, "選手 0の名前を入力してください\n6文字まで");
}

struct NameCase {
    const char* name;
    QString answer;
    QString stored;
};

class EnterPlayerNameAnswers : public ::testing::TestWithParam<NameCase> {};

TEST_P(EnterPlayerNameAnswers, StoresAtMostSixCharacters)
{
    const NameCase c = GetParam();
    TestWorld w;
    w.s.PL_NAME[1] = "B選手";
    w.am().setNameCaption(1, "B選手");
    w.dialogs.answers.push_back(c.answer);
    EnterPlayerName(1);
    EXPECT_EQ(w.s.PL_NAME[1], c.stored);
    EXPECT_EQ(w.am().nameCaption(1), c.stored);
    // Whole code points only: no lone surrogate.
    const QString& n = w.s.PL_NAME[1];
    for (qsizetype i = 0; i < n.size(); ++i) {
        if (n[i].isHighSurrogate()) {
            ASSERT_LT(i + 1, n.size());
            EXPECT_TRUE(n[i + 1].isLowSurrogate());
            ++i;
        } else {
            EXPECT_FALSE(n[i].isLowSurrogate()) << i;
        }
    }
    EXPECT_LE(n.toUcs4().size(), 6);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, EnterPlayerNameAnswers,
    ::testing::Values(NameCase{"TenCharacters", "ABCDEFGHIJ", "ABCDEF"},
                      NameCase{"TenJapanese", "あいうえおかきくけこ", "あいうえお" "か"},
                      NameCase{"Short", "ユキ", "ユキ"},
                      NameCase{"ExactlySix", "123456", "123456"},
                      NameCase{"SpacesAndCommasAccepted", " a,b \"c", " a,b \""},
                      NameCase{"OutsideTheBasicPlane", "𠮷野家𠮷野家𠮷", "𠮷野家𠮷野家"},
                      NameCase{"PairAtTheSixthPlace", "ABCDE𠮷Z", "ABCDE𠮷"},
                      NameCase{"EmptyKeepsTheOldName", "", "B選手"},
                      NameCase{"CancelKeepsTheOldName", "cancel", "B選手"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kz::test
