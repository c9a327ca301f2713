#include <QFileInfo>
#include <QTest>

#include "form_fixture.h"

namespace numerel::ui::testing {
namespace {

class Page3Test : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        GoToPage(3);
    }
    QLineEdit* Text13() const { return Field("Text13"); }
    QLineEdit* Text14() const { return Field("Text14"); }
    void Search(const char* from, const char* to) {
        Type(Text13(), QString::fromUtf8(from));
        Type(Text14(), QString::fromUtf8(to));
        QTest::keyClick(Text14(), Qt::Key_Return);
        WaitForRun();
    }
};

struct TwinsCase {
    const char* name;
    const char* from;
    const char* to;
    const char* pane;
    const char* label11;
};

void PrintTo(const TwinsCase& c, std::ostream* os) {
    *os << c.name;
}

class Page3Twins : public Page3Test, public ::testing::WithParamInterface<TwinsCase> {};

TEST_P(Page3Twins, EnterListsThePairs) {
    const TwinsCase& c = GetParam();
    Search(c.from, c.to);
    EXPECT_EQ(PaneText(3), QString::fromUtf8(c.pane));
    EXPECT_EQ(Label("Label11")->text(), QString::fromUtf8(c.label11));
    EXPECT_EQ(Status(), "用时0秒");
    EXPECT_EQ(form->Progress()->BarWidth(), form->Progress()->BarFullWidth());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Page3Twins,
    ::testing::Values(
        TwinsCase{"BothFixedPairs", "2", "7", "(3,5)(5,7)", "共2对"},
        TwinsCase{"FixedPairsAndScan", "3", "20", "(3,5)(5,7)(11,13)(17,19)", "共4对"},
        TwinsCase{"SecondFixedPair", "4", "13", "(5,7)(11,13)", "共2对"},
        TwinsCase{"FixedPairCutByTheUpperBound", "2", "5", "(3,5)", "共1对"},
        TwinsCase{"ScanStartsBeyondTheBound", "6", "12", "此区间内没有孪生素数对", "共0对"},
        TwinsCase{"LeadingNumeral", "12abc", "20", "(17,19)", "共1对"},
        TwinsCase{"SixteenDigitsPairHalfOutside", "1000000000002000", "1000000000002798",
                  "(1000000000002371,1000000000002373)(1000000000002767,1000000000002769)",
                  "共2对"},
        TwinsCase{"TwentyNineDigits", "10000000000000000000000000000",
                  "10000000000000000000000000603",
                  "(10000000000000000000000000601,10000000000000000000000000603)", "共1对"},
        // The pair checked with PARI/GP (isprime of both members).
        TwinsCase{"BeyondTwoTo96", "10^40+16111", "10^40+16113",
                  "(10000000000000000000000000000000000016111,"
                  "10000000000000000000000000000000000016113)",
                  "共1对"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Page3Test, RejectionSetsTheLowerBoundToTwoAndKeepsTheResult) {
    Search("3", "20");
    ASSERT_EQ(PaneText(3), "(3,5)(5,7)(11,13)(17,19)");
    struct Row {
        const char* from;
        const char* to;
        const char* title;
    };
    for (const Row& row :
         {Row{"2", "3", "重新输入!"}, Row{"1", "10", "重新输入!"}, Row{"2.5", "10", "重新输入!"},
          Row{"", "", "重新输入!"}, Row{"2", "1e1000", "输入超限"}}) {
        SCOPED_TRACE(std::string(row.from) + " / " + row.to);
        platform.messages.clear();
        Search(row.from, row.to);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title, row.title);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(Text13()->text(), "2");
        EXPECT_TRUE(Text14()->hasFocus());
        EXPECT_EQ(PaneText(3), "(3,5)(5,7)(11,13)(17,19)");
        EXPECT_EQ(Label("Label11")->text(), "共4对");
        EXPECT_EQ(Status(), "计时(算)器");
    }
    Search("1", "10");
    EXPECT_EQ(platform.messages.back().text, "请输入两个≥2的整数!\r两数至少相差2.");
    Search("2", "1e1000");
    EXPECT_EQ(platform.messages.back().text, "很抱歉!,最大只能到\r10^1000-1(1000位)");
}

TEST_F(Page3Test, PageChangeAndEscapeClearThePage) {
    EXPECT_EQ(form->Keys().Default(), Button("Command13"));
    EXPECT_EQ(form->Keys().Cancel(), Button("Command14"));
    Search("3", "20");
    QTest::keyClick(Text14(), Qt::Key_Escape);
    EXPECT_EQ(Text13()->text(), "");
    EXPECT_EQ(Text14()->text(), "");
    EXPECT_EQ(PaneText(3), "");
    EXPECT_EQ(Label("Label11")->text(), "共");
    EXPECT_EQ(Status(), "计时(算)器");
    EXPECT_EQ(form->Progress()->BarWidth(), 0);
    EXPECT_TRUE(Text13()->hasFocus());
}

}  // namespace
}  // namespace numerel::ui::testing
