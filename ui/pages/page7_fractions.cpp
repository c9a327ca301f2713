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

    connect(periodInput, &QLineEdit::textChanged, this, &Page7Fractions::PeriodChanged);
    connect(numeratorInput, &QLineEdit::textChanged, this, &Page7Fractions::NumeratorChanged);
    for (QLineEdit* field : gcdInputs)
        connect(field, &QLineEdit::textChanged, this, &Page7Fractions::GcdOperandsChanged);
    connect(toFractionButton, &QPushButton::clicked, this, &Page7Fractions::ToFraction);
    connect(fractionClearButton, &QPushButton::clicked, this, &Page7Fractions::ClearFraction);
    connect(reduceButton, &QPushButton::clicked, this, &Page7Fractions::Reduce);
    connect(gcdButton, &QPushButton::clicked, this, &Page7Fractions::GcdLcm);
    connect(gcdClearButton, &QPushButton::clicked, this, &Page7Fractions::ClearGcd);
}

QGroupBox* Page7Fractions::BuildFractionFrame() {
    auto* frame = new QGroupBox("循环小数化分数", this);
    frame->setObjectName("FrameFraction");
    frame->setFont(SongFont(kControlPointSize));

    decimalCaption = MakeLabel("Label41", "整数.非循环小数");
    decimalCaption->setToolTip(kDecimalTip);
    decimalInput = MakeField("Text18");
    decimalInput->setToolTip(kDecimalTip);
    periodCaption = MakeLabel("Label42", "循环部分(一个循环节)");
    periodCaption->setToolTip(kPeriodTip);
    periodInput = MakeField("Text19");
    periodInput->setToolTip(kPeriodTip);
    toFractionButton = MakeRunButton("Command24", "化");
    toFractionButton->setToolTip("把循环小数化为分数");
    numeratorCaption = MakeLabel("Label34", "分子");
    numeratorInput = MakeField("Text20");
    fractionBar = new QFrame(frame);
    fractionBar->setObjectName("Line1");
    fractionBar->setFrameShape(QFrame::HLine);
    fractionBar->setFrameShadow(QFrame::Plain);
    denominatorCaption = MakeLabel("Label47", "分母");
    denominatorInput = MakeField("Text21");
    reduceButton = MakeRunButton("Command26", "约分");
    reduceButton->setToolTip("可以对左边的分数进行约分");
    fractionClearButton = MakeButton("Command25", "清空");
    for (QLineEdit* field : {decimalInput, periodInput, numeratorInput, denominatorInput})
        field->setMinimumWidth(96);
    // One- and two-character captions: narrow buttons leave the fields room in a small window.
    const int button_width = reduceButton->fontMetrics().horizontalAdvance("约分") + 28;
    for (QPushButton* button : {toFractionButton, reduceButton, fractionClearButton})
        button->setFixedWidth(button_width);

    // The decimal sits at the height of the fraction bar: x = numerator / denominator.
    auto* grid = new QGridLayout(frame);
    grid->addWidget(decimalCaption, 0, 0);
    grid->addWidget(periodCaption, 0, 1, 1, 2);
    grid->addWidget(numeratorCaption, 1, 3);
    grid->addWidget(numeratorInput, 1, 4);
    grid->addWidget(decimalInput, 2, 0);
    grid->addWidget(periodInput, 2, 1);
    grid->addWidget(toFractionButton, 2, 2);
    grid->addWidget(fractionBar, 2, 4);
    grid->addWidget(reduceButton, 2, 5);
    grid->addWidget(fractionClearButton, 2, 6);
    grid->addWidget(denominatorCaption, 3, 3);
    grid->addWidget(denominatorInput, 3, 4);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(4, 3);

    // The dots float above periodInput, outside the layout, over the first and last period digit.
    firstDot = MakeLabel("Label39", "·");
    lastDot = MakeLabel("Label40", "·");
    for (QLabel* dot : {firstDot, lastDot}) {
        dot->setParent(frame);
        // A 9 pt middle dot is a single pixel; a larger bold one reads as the repetend mark.
        QFont font = SongFont(kPanePointSize);
        font.setBold(true);
        dot->setFont(font);
        dot->setAlignment(Qt::AlignCenter);
        dot->setFixedSize(dot->sizeHint());
        dot->show();
    }
    periodInput->installEventFilter(this);
    return frame;
}

QGroupBox* Page7Fractions::BuildGcdFrame() {
    auto* frame = new QGroupBox("最大公约数和最小公倍数", this);
    frame->setObjectName("FrameGcd");
    frame->setFont(SongFont(kControlPointSize));
    gcdButton = MakeRunButton("Command10", "计算");
    gcdClearButton = MakeButton("Command9", "清空");

    auto* grid = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        gcdInputs.at(at) = MakeField(QString("Text10_%1").arg(i));
        gcdLengths.at(at) = MakeLabel(QString("Label37_%1").arg(i), "0");
        gcdLengths.at(at)->setMinimumWidth(
            gcdLengths.at(at)->fontMetrics().horizontalAdvance("000000"));
        gcdLengths.at(at)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(gcdInputs.at(at), i, 0);
        grid->addWidget(gcdLengths.at(at), i, 1);
    }
    grid->addWidget(gcdButton, 0, 2);
    grid->addWidget(gcdClearButton, 1, 2);
    grid->setColumnStretch(0, 1);
    // The buttons are made before the fields: Tab goes through the fields first all the same.
    setTabOrder(gcdInputs[0], gcdInputs[1]);
    setTabOrder(gcdInputs[1], gcdButton);
    setTabOrder(gcdButton, gcdClearButton);

    auto* column = new QVBoxLayout(frame);
    column->addLayout(grid);
    column->addWidget(Pane(7), 1);
    Pane(7)->setWordWrapMode(QTextOption::WrapAnywhere);
    return frame;
}

void Page7Fractions::Activate() {
    FocusArriving(gcdInputs[0]);
}

bool Page7Fractions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == periodInput &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        PlaceDots(dotted_period_);
    return Page::eventFilter(watched, event);
}

int Page7Fractions::CharacterCentre(const QString& text, int index) const {
    // Where QLineEdit draws its text: the style's contents rectangle, less the text margins and
    // the edit's own inner margin.
    QStyleOptionFrame panel;
    panel.initFrom(periodInput);
    panel.rect = periodInput->rect();
    panel.lineWidth =
        periodInput->hasFrame()
            ? periodInput->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, periodInput)
            : 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    const QRect contents = periodInput->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, periodInput)
                               .marginsRemoved(periodInput->textMargins());
    const int left = contents.x() + kLineEditInnerMargin;
    const int line_width = contents.width() - 2 * kLineEditInnerMargin;
    const QFontMetrics metrics(periodInput->font());
    // A text wider than the box shows its end at the right edge.
    const int text_width = metrics.horizontalAdvance(text);
    const int scroll = text_width > line_width ? text_width - line_width + 1 : 0;
    const int start = metrics.horizontalAdvance(text.left(index));
    const int width = metrics.horizontalAdvance(text.mid(index, 1));
    return left - scroll + start + width / 2;
}

void Page7Fractions::CentreDotAt(QLabel* dot, int x_in_period) {
    const QPoint top = periodInput->mapTo(dot->parentWidget(), QPoint(x_in_period, 0));
    // The middle dot sits halfway down its label; this puts it just above the box.
    dot->move(top.x() - dot->width() / 2, top.y() - dot->height() * 3 / 4);
    dot->raise();
}

void Page7Fractions::PlaceDots(const QString& period) {
    // Before anything is typed both dots stand over where the first digit will be.
    const QString text = period.isEmpty() ? QString("0") : period;
    CentreDotAt(firstDot, CharacterCentre(text, 0));
    CentreDotAt(lastDot, CharacterCentre(text, static_cast<int>(text.length()) - 1));
}

void Page7Fractions::PeriodChanged() {
    if (!periodInput->text().isEmpty()) {
        dotted_period_ = periodInput->text();
        PlaceDots(dotted_period_);
    }
    shell_.keys.SetDefault(toFractionButton);
    shell_.keys.SetCancel(fractionClearButton);
}

void Page7Fractions::NumeratorChanged() {
    shell_.keys.SetDefault(reduceButton);
    shell_.keys.SetCancel(fractionClearButton);
}

void Page7Fractions::GcdOperandsChanged() {
    for (std::size_t i = 0; i < gcdInputs.size(); ++i)
        gcdLengths.at(i)->setText(QString::number(gcdInputs.at(i)->text().length()));
    shell_.keys.SetDefault(gcdButton);
    shell_.keys.SetCancel(gcdClearButton);
}

void Page7Fractions::ToFraction() {
    const std::optional<Fraction> fraction =
        RepeatingDecimalToFraction(Std(decimalInput), Std(periodInput));
    if (!fraction) return;
    numeratorInput->setText(QString::fromStdString(fraction->numerator));
    denominatorInput->setText(QString::fromStdString(fraction->denominator));
}

void Page7Fractions::Reduce() {
    const std::optional<Fraction> reduced =
        ReduceFraction(Std(numeratorInput), Std(denominatorInput));
    if (!reduced) return;
    numeratorInput->setText(QString::fromStdString(reduced->numerator));
    denominatorInput->setText(QString::fromStdString(reduced->denominator));
}

void Page7Fractions::ClearFraction() {
    // The focus moves between the two groups: the fraction boxes' change reactions see it there.
    ClearTool({decimalInput, periodInput}, kNoPane, ClearResets::Nothing);
    ClearTool({numeratorInput, denominatorInput}, kNoPane, ClearResets::Nothing, FocusAfter::Stays);
}

void Page7Fractions::GcdLcm() {
    Pane(7)->SetText(QString());
    shell_.run.ResetStatus();
    const GcdLcmChecked checked = GcdLcmCheck(Std(gcdInputs[0]), Std(gcdInputs[1]));
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        Reject(*rejection, {gcdInputs[0], gcdInputs[1]}, 7);
        return;
    }
    const std::int64_t t0 = shell_.platform.NowSeconds();
    auto pane = std::make_shared<std::string>();
    shell_.run.RunOnWorker(
        this, [operands = std::get<GcdLcmOperands>(checked), pane] { *pane = GcdLcmRun(operands); },
        [this, pane, t0](const RunProtocol::RunEnd& end) {
            if (!shell_.run.Completed(end, t0)) return;
            Pane(7)->SetText(QString::fromStdString(*pane));
            shell_.run.ReportElapsed(t0, shell_.platform.NowSeconds());
        });
}

void Page7Fractions::ClearGcd() {
    ClearTool({gcdInputs[0], gcdInputs[1]}, 7, ClearResets::Status);
}

}  // namespace numerel::ui
