#include "ui/pages/page.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <optional>

#include "ui/pages/keyboard_model.h"
#include "ui/pages/pick_path_binding.h"
#include "ui/pane/output_pane.h"
#include "ui/platform/fonts.h"
#include "ui/platform/platform.h"
#include "ui/run/progress_frame.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

Page::Page(Shell& shell, QWidget* parent) : QWidget(parent), shell_(shell) {}

QLineEdit* Page::MakeField(const QString& name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setFont(SongFont(kControlPointSize));
    shell_.keys.Watch(field);
    return field;
}

QPushButton* Page::MakeButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setFont(SongFont(kControlPointSize));
    button->setAutoDefault(false);
    return button;
}

QPushButton* Page::MakeRunButton(const QString& name, const QString& caption) {
    QPushButton* button = MakeButton(name, caption);
    shell_.run.RegisterRunButton(button);
    return button;
}

QLabel* Page::MakeLabel(const QString& name, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    label->setFont(SongFont(kControlPointSize));
    return label;
}

QCheckBox* Page::MakeCheck(const QString& name, const QString& caption) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setFont(SongFont(kControlPointSize));
    return box;
}

QCheckBox* Page::MakeProgressBox(int index) {
    QCheckBox* box = MakeCheck(QString("Check3_%1").arg(index), "显示进度(较慢)");
    shell_.run.RegisterProgressBox(index, box);
    return box;
}

OutputPane* Page::Pane(int index) const {
    return shell_.panes.at(static_cast<std::size_t>(index));
}

QPushButton* Page::ShownOf(QPushButton* binary, QPushButton* decimal) {
    return decimal->isHidden() ? binary : decimal;
}

bool Page::Show(const Message& message) {
    return shell_.platform.ShowMessage(message);
}

PickPathBinding* Page::BindPickPath(PickPathInstance instance) {
    return new PickPathBinding(std::move(instance), shell_.keys, shell_.platform, this);
}

void Page::FocusArriving(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
}

void Page::ClearTool(std::initializer_list<QLineEdit*> fields, int pane, ClearResets resets,
                     FocusAfter focus) {
    if (pane != kNoPane) Pane(pane)->SetText(QString());
    for (QLineEdit* field : fields) field->clear();
    if (focus == FocusAfter::First) (*fields.begin())->setFocus();
    if (focus == FocusAfter::Last) (*std::rbegin(fields))->setFocus();
    if (resets != ClearResets::Nothing) shell_.run.ResetStatus();
    if (resets == ClearResets::StatusAndBar) shell_.run.Frame()->SetBarWidth(0);
}

void Page::Reject(const Rejection& rejection, std::initializer_list<QLineEdit*> fields, int pane) {
    Reject(rejection, std::vector<QLineEdit*>(fields), pane);
}

void Page::Reject(const Rejection& rejection, const std::vector<QLineEdit*>& fields, int pane) {
    if (rejection.message) Show(*rejection.message);
    QLineEdit* first = fields.front();
    QLineEdit* last = fields.back();
    switch (rejection.effect) {
        case FieldEffect::None:
            break;
        case FieldEffect::EmptyAll:
            for (QLineEdit* field : fields) field->clear();
            break;
        case FieldEffect::EmptyAllBackward:
            for (auto field = std::rbegin(fields); field != std::rend(fields); ++field)
                (*field)->clear();
            break;
        case FieldEffect::RewriteFirst:
            first->setText(QString::fromStdString(rejection.text));
            break;
        case FieldEffect::RewriteLast:
            last->setText(QString::fromStdString(rejection.text));
            break;
    }
    if (rejection.focus == FocusAfter::First) first->setFocus();
    if (rejection.focus == FocusAfter::Last) last->setFocus();
    if (rejection.empty_pane) Pane(pane)->SetText(QString());
}

bool Page::Admit(const SearchTool& tool, const Rejection* rejection) {
    if (rejection != nullptr && !rejection->message && !rejection->empty_pane) return false;
    shell_.run.ResetStatus();
    if (tool.shared_pane) {
        // Emptied before any message, so that no other tool's result stands beside it.
        Pane(tool.pane)->SetText(QString());
        shell_.run.Frame()->SetBarWidth(0);
    }
    if (rejection == nullptr) return true;
    Reject(*rejection, tool.fields, tool.pane);
    return false;
}

void Page::RunSearch(const SearchTool& tool, SearchWork work) {
    tool.count.SetText(tool.count_while_running);
    auto summary = std::make_shared<std::optional<SearchSummary>>();
    const auto show_count = [count = tool.count, summary] {
        if (*summary) count.SetText(QString::fromStdString((*summary)->caption));
    };
    std::function<void()> before_pane;
    std::function<void(bool shown)> after;
    switch (tool.count_shown) {
        case CountShown::BeforePane:
            before_pane = show_count;
            break;
        case CountShown::WithListOnly:
            before_pane = show_count;
            // A count without its list would mislead.
            after = [count = tool.count, running = tool.count_while_running](bool shown) {
                if (!shown) count.SetText(running);
            };
            break;
        case CountShown::AfterReport:
            after = [show_count](bool shown) {
                if (shown) show_count();
            };
            break;
    }
    shell_.run.RunThroughResultFile(
        this, Pane(tool.pane), tool.progress_box,
        [work = std::move(work), summary](ResultSink& sink, const ProgressFn& progress) {
            *summary = work(sink, progress);
            return PaneTextOf(**summary);
        },
        std::move(before_pane), std::move(after));
}

}  // namespace numerel::ui
