#include "presentation/Ranking.h"
#include "support/TestWorld.h"

#include <QListWidget>
#include <gtest/gtest.h>

using namespace kz;

TEST(RankingLine, Layout)
{
    // rank, tie, name, value -> line
    struct Case {
        int rank;
        bool tied;
        const char* name;
        double value;
        const char* line;
    };
    const Case cases[] = {
        {1, false, "A選手", 85.3, " 1位 Ａ選手　　　   85.3"},
        {9, false, "さくら", 62.0, " 9位 さくら　　　   62.0"},
        {10, false, "さくら", 62.0, "10位 さくら　　　   62.0"},
        {100, false, "さくら", 62.0, "100位 さくら　　　   62.0"},
        {2, true, "大河原翔", 785.25, "     大河原翔　　  785.3"},
        {3, false, "K.ナガセ", 0.5, " 3位 Ｋ．ナガセ　     .5"},
        {4, false, "あいうえおかきく", 1234.5, " 4位 あいうえおか 1234.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RankingLine(c.rank, c.tied, c.name, c.value), QString(c.line)) << c.line;
}

namespace {

struct Ranking : ::testing::Test {
    test::TestWorld w;
    void SetUp() override
    {
        for (int i = 0; i < 100; ++i) {
            w.s.ATH_NAME[i] = QString("選手%1").arg(i);
            w.s.ATH_STATE[i] = 0;
            w.s.ATH_TOTAL[i] = 0;
            w.s.ATH_SCORE[i] = 0;
        }
        w.s.PL_STATE = {-1, -1, -1, -1, -1, -1};
        w.s.BASE_LEVEL = 62;
        w.s.RECORD = 400;
        w.s.RECORD_NAME = "Morel";
    }
    void opponent(int slot, double score, double totalBefore = 0)
    {
        w.s.ATH_STATE[slot] = 1;
        w.s.ATH_SCORE[slot] = score;
        w.s.ATH_TOTAL[slot] = totalBefore;
    }
    void seat(int s, const QString& name, double score, int state = 1)
    {
        w.s.PL_STATE[s] = state;
        w.s.PL_SCORE[s] = score;
        w.am().setNameCaption(s, name);
        w.s.ATH_STATE[96 + s] = 1;
    }
    QStringList texts(QListWidget* list) const
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    QList<int> selected(QListWidget* list) const
    {
        QList<int> out;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected())
                out << i;
        return out;
    }
};

} // namespace

TEST_F(Ranking, TiesShareARankAndTheNextRankSkips)
{
    opponent(3, 70);
    opponent(1, 80);
    opponent(2, 70);
    opponent(4, 65);
    RankTotals();
    EXPECT_EQ(texts(w.am().List), QStringList({" 1位 選手１　　　   80.0", " 2位 選手２　　　   70.0",
                                               "     選手３　　　   70.0", " 4位 選手４　　　   65.0", " "}));
    EXPECT_EQ(w.s.ATH_MARK[2], 1);
    EXPECT_EQ(w.s.ATH_MARK[3], 1);
    EXPECT_EQ(w.s.ATH_MARK[4], 3);
}

TEST_F(Ranking, TotalsGrowEliminationsAndTheRecord)
{
    opponent(0, 61.99, 300);  // below the mark: eliminated, but its total still counts for the record
    opponent(5, 62.0, 338);   // exactly the mark: stays
    opponent(6, 90, 310.0);   // 400.0: equal to the record, not strictly above
    seat(0, "A選手", 70);
    w.s.ATH_TOTAL[96] = 10;
    RankTotals();
    EXPECT_EQ(w.s.ATH_STATE[0], 0);
    EXPECT_EQ(w.s.ATH_STATE[5], 1);
    EXPECT_DOUBLE_EQ(w.s.ATH_TOTAL[0], 361.99);
    EXPECT_DOUBLE_EQ(w.s.RECORD, 400);
    EXPECT_EQ(w.s.RECORD_NAME, "Morel");
    EXPECT_EQ(w.s.ATH_NAME[96], "A選手");
    EXPECT_EQ(w.s.PL_RANK[0], 2);
    EXPECT_EQ(w.am().List->count(), 4); // three athletes and the closing blank line

    w.s.ATH_SCORE[6] = 0.5;
    w.s.ATH_SCORE[5] = 62;
    w.s.PL_SCORE[0] = 62;
    RankTotals();
    EXPECT_DOUBLE_EQ(w.s.RECORD, 462);
    EXPECT_EQ(w.s.RECORD_NAME, "選手5");
    EXPECT_EQ(w.s.ATH_STATE[6], 0); // raised nothing, eliminated
}

TEST_F(Ranking, AnEliminatedSeatHasNoLineButARank)
{
    opponent(1, 80);
    opponent(2, 70);
    seat(0, "A選手", 75);
    seat(1, "B選手", 50);
    RankTotals();
    EXPECT_EQ(texts(w.am().List).size(), 4);
    EXPECT_EQ(w.s.PL_RANK[0], 1);
    EXPECT_EQ(w.s.PL_RANK[1], 2); // the line before the place it would have taken
    RankMatch();
    EXPECT_EQ(texts(w.am().SLIST), QStringList({" 1位 選手１　　　   80.0", " 2位 Ａ選手　　　   75.0",
                                                " 3位 選手２　　　   70.0", " "}));
    EXPECT_EQ(w.s.PL_MRANK[0], 1);

    w.s.PL_STATE[1] = 0; // the flow marks the failed seat before the highlighting
    MarkMatchList();
    MarkTotalsList();
    EXPECT_EQ(selected(w.am().List), QList<int>({1}));
    EXPECT_EQ(selected(w.am().SLIST), QList<int>({1}));
    EXPECT_FALSE(w.am().Pic->isHidden());
    EXPECT_FALSE(w.am().S_PIC->isHidden());
}

TEST_F(Ranking, UnoccupiedSeatsNeverShow)
{
    opponent(1, 80);
    seat(0, "A選手", 75);
    for (int s = 1; s < 4; ++s)
        w.s.ATH_STATE[96 + s] = 1; // reset for every slot at a tournament start
    RankTotals();
    RankMatch();
    EXPECT_EQ(w.am().List->count(), 3);
    EXPECT_EQ(w.am().SLIST->count(), 3);
    for (int s = 1; s < 4; ++s)
        EXPECT_EQ(w.s.ATH_STATE[96 + s], 0);
}

TEST_F(Ranking, HighlightingStopsAtALineThatDoesNotExist)
{
    opponent(1, 80);
    seat(0, "A選手", 75);
    seat(1, "B選手", 75);
    RankTotals();
    w.s.PL_RANK[1] = 40;
    MarkTotalsList();
    EXPECT_EQ(selected(w.am().List), QList<int>({1}));
    EXPECT_TRUE(w.am().Pic->isHidden());
}
