// A pane wraps a result between its items, never inside a number, and gives out (text, selection,
// copy) exactly the result, without the marks that allow those breaks.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QTextBlock>
#include <QTextLayout>

#include "ui/pane/output_pane.h"

namespace numerel::ui::testing {
namespace {

struct WrapCase {
    const char* name;
    const char* text;
};

class PaneWrap : public ::testing::TestWithParam<WrapCase> {};

// The shown lines of the pane, each as the text it holds.
QStringList ShownLines(OutputPane& pane) {
    QStringList lines;
    QTextDocument* document = pane.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block);  // lays the block out
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QString text = block.text().mid(line.textStart(), line.textLength());
            text.remove(QChar(0x200B));
            lines.append(text);
        }
    }
    return lines;
}

TEST_P(PaneWrap, LinesEndBetweenItems) {
    const QString text = QString::fromUtf8(GetParam().text);
    OutputPane pane(1, 12);
    pane.resize(320, 400);  // wider than any one item
    pane.show();
    pane.SetText(text);
    EXPECT_EQ(pane.Text(), text);
    const QStringList lines = ShownLines(pane);
    ASSERT_GT(lines.size(), 1) << "the text must need wrapping";
    EXPECT_EQ(lines.join(QString()), text);
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QChar last = lines[i].back();
        EXPECT_TRUE(QString::fromUtf8(" ×+=)").contains(last))
            << "line " << i << " ends inside an item: " << lines[i].toStdString() << " / "
            << lines[i + 1].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Results, PaneWrap,
    ::testing::Values(
        WrapCase{"Factorization",
                 "79228162514264337593543950335=3^2×5×7×13×17×97×193×241×257×673×65537×22253377"},
        WrapCase{"Goldbach", "79228162514264337593543950334=163+79228162514264337593543950171"},
        WrapCase{"Twins",
                 "(3,5)(5,7)(11,13)(17,19)(29,31)(41,43)(59,61)(71,73)(101,103)(107,109)(137,139)"
                 "(149,151)(179,181)(191,193)(197,199)"},
        WrapCase{"Primes",
                 "2 3 5 7 11 13 17 19 23 29 31 37 41 43 47 53 59 61 67 71 73 79 83 89 97 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaneWrapMarks, SelectionAndCopyHoldOnlyTheResult) {
    OutputPane pane(0, 18);
    pane.resize(200, 300);
    pane.show();
    pane.SetText(QString::fromUtf8("12=2^2×3"));
    // "2^2×3" starts at 3; Select and Find count positions in the result's own text.
    pane.Select(3, 5);
    EXPECT_EQ(pane.SelectedText(), QString::fromUtf8("2^2×3"));
    pane.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("2^2×3"));
    pane.Select(7, 1);
    EXPECT_EQ(pane.SelectedText(), "3");
}

}  // namespace
}  // namespace numerel::ui::testing
