#include "ui/pages/page7_fractions.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <variant>

#include "core/tools/fraction_tools.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pane/output_pane.h"
#include "ui/platform/fonts.h"
#include "ui/platform/platform.h"
#include "ui/platform/platform_prompter.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

namespace {

const char* const kDecimalTip = "例如 \"1.02345345....\"中的\"1.02\"";
const char* const kPeriodTip = "例如 \"1.02345345....\"中的\"345\"";
// QLineEdit keeps this many pixels between its contents rectangle and the text.
constexpr int kLineEditInnerMargin = 2;

std::string Std(const QLineEdit* field) {
    return field->text().toStdString();
}

}  // namespace

Page7Fractions::Page7Fractions(Shell& shell, QWidget* parent) : Page(shell, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFractionFrame());
    layout->addWidget(BuildGcdFrame(), 1);

    connect(Text19, &QLineEdit::textChanged, this, &Page7Fractions::Text19_Change);
    connect(Text20, &QLineEdit::textChanged, this, &Page7Fractions::Text20_Change);
    for (QLineEdit* field : Text10)
        connect(field, &QLineEdit::textChanged, this, &Page7Fractions::Text10_Change);
    connect(Command24, &QPushButton::clicked, this, &Page7Fractions::Command24_Click);
    connect(Command25, &QPushButton::clicked, this, &Page7Fractions::Command25_Click);
    connect(Command26, &QPushButton::clicked, this, &Page7Fractions::Command26_Click);
    connect(Command10, &QPushButton::clicked, this, &Page7Fractions::Command10_Click);
    connect(Command9, &QPushButton::clicked, this, &Page7Fractions::Command9_Click);
}

QGroupBox* Page7Fractions::BuildFractionFrame() {
    auto* frame = new QGroupBox("循环小数化分数", this);
    frame->setObjectName("FrameFraction");
    frame->setFont(SongFont(kControlPointSize));

    Label41 = MakeLabel("Label41", "整数.非循环小数");
    Label41->setToolTip(kDecimalTip);
    Text18 = MakeField("Text18");
    Text18->setToolTip(kDecimalTip);
    Label42 = MakeLabel("Label42", "循环部分(一个循环节)");
    Label42->setToolTip(kPeriodTip);
    Text19 = MakeField("Text19");
    Text19->setToolTip(kPeriodTip);
    Command24 = MakeRunButton("Command24", "化");
    Command24->setToolTip("把循环小数化为分数");
    Label34 = MakeLabel("Label34", "分子");
    Text20 = MakeField("Text20");
    Line1 = new QFrame(frame);
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Label47 = MakeLabel("Label47", "分母");
    Text21 = MakeField("Text21");
    Command26 = MakeRunButton("Command26", "约分");
    Command26->setToolTip("可以对左边的分数进行约分");
    Command25 = MakeButton("Command25", "清空");
    for (QLineEdit* field : {Text18, Text19, Text20, Text21}) field->setMinimumWidth(96);
    // One- and two-character captions: narrow buttons leave the fields room in a small window.
    const int button_width = Command26->fontMetrics().horizontalAdvance("约分") + 28;
    for (QPushButton* button : {Command24, Command26, Command25})
        button->setFixedWidth(button_width);

    // The decimal sits at the height of the fraction bar: x = numerator / denominator.
    auto* grid = new QGridLayout(frame);
    grid->addWidget(Label41, 0, 0);
    grid->addWidget(Label42, 0, 1, 1, 2);
    grid->addWidget(Label34, 1, 3);
    grid->addWidget(Text20, 1, 4);
    grid->addWidget(Text18, 2, 0);
    grid->addWidget(Text19, 2, 1);
    grid->addWidget(Command24, 2, 2);
    grid->addWidget(Line1, 2, 4);
    grid->addWidget(Command26, 2, 5);
    grid->addWidget(Command25, 2, 6);
    grid->addWidget(Label47, 3, 3);
    grid->addWidget(Text21, 3, 4);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(4, 3);

    // The dots float above Text19, outside the layout, over the first and last period digit.
    Label39 = MakeLabel("Label39", "·");
    Label40 = MakeLabel("Label40", "·");
    for (QLabel* dot : {Label39, Label40}) {
        dot->setParent(frame);
        // A 9 pt middle dot is a single pixel; a larger bold one reads as the repetend mark.
        QFont font = SongFont(kPanePointSize);
        font.setBold(true);
        dot->setFont(font);
        dot->setAlignment(Qt::AlignCenter);
        dot->setFixedSize(dot->sizeHint());
        dot->show();
    }
    Text19->installEventFilter(this);
    return frame;
}

QGroupBox* Page7Fractions::BuildGcdFrame() {
    auto* frame = new QGroupBox("最大公约数和最小公倍数", this);
    frame->setObjectName("FrameGcd");
    frame->setFont(SongFont(kControlPointSize));
    Command10 = MakeRunButton("Command10", "计算");
    Command9 = MakeButton("Command9", "清空");

    auto* grid = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Text10.at(at) = MakeField(QString("Text10_%1").arg(i));
        Label37.at(at) = MakeLabel(QString("Label37_%1").arg(i), "0");
        Label37.at(at)->setMinimumWidth(Label37.at(at)->fontMetrics().horizontalAdvance("000000"));
        Label37.at(at)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(Text10.at(at), i, 0);
        grid->addWidget(Label37.at(at), i, 1);
    }
    grid->addWidget(Command10, 0, 2);
    grid->addWidget(Command9, 1, 2);
    grid->setColumnStretch(0, 1);
    // The buttons are made before the fields: Tab goes through the fields first all the same.
    setTabOrder(Text10[0], Text10[1]);
    setTabOrder(Text10[1], Command10);
    setTabOrder(Command10, Command9);

    auto* column = new QVBoxLayout(frame);
    column->addLayout(grid);
    column->addWidget(Pane(7), 1);
    Pane(7)->setWordWrapMode(QTextOption::WrapAnywhere);
    return frame;
}

void Page7Fractions::Activate() {
    Text10[0]->setFocus();
}

bool Page7Fractions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text19 && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        PlaceDots(dotted_period_);
    return Page::eventFilter(watched, event);
}

int Page7Fractions::CharacterCentre(const QString& text, int index) const {
    // Where QLineEdit draws its text: the style's contents rectangle, less the text margins and
    // the edit's own inner margin.
    QStyleOptionFrame panel;
    panel.initFrom(Text19);
    panel.rect = Text19->rect();
    panel.lineWidth = Text19->hasFrame() ? Text19->style()->pixelMetric(
                                               QStyle::PM_DefaultFrameWidth, &panel, Text19)
                                         : 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    const QRect contents = Text19->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, Text19)
                               .marginsRemoved(Text19->textMargins());
    const int left = contents.x() + kLineEditInnerMargin;
    const int line_width = contents.width() - 2 * kLineEditInnerMargin;
    const QFontMetrics metrics(Text19->font());
    // A text wider than the box shows its end at the right edge.
    const int text_width = metrics.horizontalAdvance(text);
    const int scroll = text_width > line_width ? text_width - line_width + 1 : 0;
    const int start = metrics.horizontalAdvance(text.left(index));
    const int width = metrics.horizontalAdvance(text.mid(index, 1));
    return left - scroll + start + width / 2;
}

void Page7Fractions::CentreDotAt(QLabel* dot, int x_in_text19) {
    const QPoint top = Text19->mapTo(dot->parentWidget(), QPoint(x_in_text19, 0));
    // The middle dot sits halfway down its label; this puts it just above the box.
    dot->move(top.x() - dot->width() / 2, top.y() - dot->height() * 3 / 4);
    dot->raise();
}

void Page7Fractions::PlaceDots(const QString& period) {
    // Before anything is typed both dots stand over where the first digit will be.
    const QString text = period.isEmpty() ? QString("0") : period;
    CentreDotAt(Label39, CharacterCentre(text, 0));
    CentreDotAt(Label40, CharacterCentre(text, static_cast<int>(text.length()) - 1));
}

void Page7Fractions::Text19_Change() {
    if (!Text19->text().isEmpty()) {
        dotted_period_ = Text19->text();
        PlaceDots(dotted_period_);
    }
    shell_.keys.SetDefault(Command24);
    shell_.keys.SetCancel(Command25);
}

void Page7Fractions::Text20_Change() {
    shell_.keys.SetDefault(Command26);
    shell_.keys.SetCancel(Command25);
}

void Page7Fractions::Text10_Change() {
    for (std::size_t i = 0; i < Text10.size(); ++i)
        Label37.at(i)->setText(QString::number(Text10.at(i)->text().length()));
    shell_.keys.SetDefault(Command10);
    shell_.keys.SetCancel(Command9);
}

void Page7Fractions::Command24_Click() {
    const std::optional<Fraction> fraction = RepeatingDecimalToFraction(Std(Text18), Std(Text19));
    if (!fraction) return;
    Text20->setText(QString::fromStdString(fraction->numerator));
    Text21->setText(QString::fromStdString(fraction->denominator));
}

void Page7Fractions::Command26_Click() {
    PlatformPrompter prompter(shell_.platform, this);
    const std::optional<Fraction> reduced = ReduceFraction(Std(Text20), Std(Text21), prompter);
    if (!reduced) return;
    Text20->setText(QString::fromStdString(reduced->numerator));
    Text21->setText(QString::fromStdString(reduced->denominator));
}

void Page7Fractions::Command25_Click() {
    // The focus moves between the two groups: the fraction boxes' change reactions see it there.
    ClearTool({Text18, Text19}, kNoPane, ClearResets::Nothing);
    ClearTool({Text20, Text21}, kNoPane, ClearResets::Nothing, FocusAfter::Stays);
}

void Page7Fractions::Command10_Click() {
    Pane(7)->SetText(QString());
    shell_.run.ResetStatus();
    const GcdLcmChecked checked = GcdLcmCheck(Std(Text10[0]), Std(Text10[1]));
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        Reject(*rejection, {Text10[0], Text10[1]}, 7);
        return;
    }
    const std::int64_t t0 = shell_.platform.NowSeconds();
    auto pane = std::make_shared<std::string>();
    Platform* platform = &shell_.platform;
    QObject* ui = this;
    shell_.run.RunOnWorker(
        this,
        [operands = std::get<GcdLcmOperands>(checked), pane, platform, ui] {
            PlatformPrompter prompter(*platform, ui);
            *pane = GcdLcmRun(operands, prompter);
        },
        [this, pane, t0](const RunProtocol::RunEnd& end) {
            if (!shell_.run.Completed(end, t0)) return;
            Pane(7)->SetText(QString::fromStdString(*pane));
            shell_.run.ReportElapsed(t0, shell_.platform.NowSeconds());
        });
}

void Page7Fractions::Command9_Click() {
    ClearTool({Text10[0], Text10[1]}, 7, ClearResets::Status);
}

}  // namespace numerel::ui
