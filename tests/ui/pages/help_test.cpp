#include <QTextDocument>

#include "form_fixture.h"
#include "ui/pages/page8_help.h"

namespace numerel::ui::testing {
namespace {

// The help must keep telling the user what the tools need to be used right.
TEST(HelpDocument, CoversTheLimitsKeysAndAlarms) {
    QTextDocument document;
    document.setHtml(HelpDocument());
    const QString text = document.toPlainText();
    for (const char* point : {"改版说明",
                              "素数",
                              "合数",
                              "哥德巴赫猜想",
                              "孪生素数",
                              "完全数",
                              "79228162514264337593543950335",
                              "2^96−1",
                              "10^1000-1",
                              "2^128+1",
                              "[未分解:N]",
                              "999999999999999",
                              "Enter",
                              "Esc",
                              "Tab",
                              "*.txt",
                              "*.doc",
                              "10秒",
                              "60秒",
                              "分解一个数",
                              "分解一批数",
                              "批量求素数",
                              "哥氏猜想",
                              "批量找因数",
                              "高精度计算",
                              "分数工具"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(point))) << point;
    }
}

TEST_F(FormTest, HelpPaneIsReadOnlyAndFilled) {
    EXPECT_TRUE(form->Pane(8)->isReadOnly());
    EXPECT_TRUE(form->Pane(8)->toPlainText().contains("Numerel2.02 使用说明"));
}

}  // namespace
}  // namespace numerel::ui::testing
