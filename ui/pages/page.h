// Base of the tab pages: builds controls the way the window design names them and knows what a
// page change to it does (focus, default and cancel button).
#pragma once

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <variant>
#include <vector>

#include "core/message.h"
#include "core/result_sink.h"
#include "core/tools/checked.h"
#include "core/tools/search_output.h"
#include "ui/pages/search_tool.h"
#include "ui/pages/shell.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace numerel::ui {

class PickPathBinding;
struct PickPathInstance;

class Page : public QWidget {
    Q_OBJECT
public:
    explicit Page(Shell& shell, QWidget* parent = nullptr);
    // The page-change row of this page: focus, default and cancel button.
    virtual void Activate() {}

protected:
    // Arriving on a page: the field takes the focus with its text selected, so that what the
    // user types replaces a remembered value instead of running on from its end.
    static void FocusArriving(QLineEdit* field);
    // Controls in the 9 pt Song face, with the design's name as objectName.
    QLineEdit* MakeField(const QString& name);
    QPushButton* MakeButton(const QString& name, const QString& caption);
    // A button that starts a computation: disabled while any run goes on.
    QPushButton* MakeRunButton(const QString& name, const QString& caption);
    QLabel* MakeLabel(const QString& name, const QString& caption);
    QCheckBox* MakeCheck(const QString& name, const QString& caption);
    // The run protocol's progress box `index`, "显示进度(较慢)", registered with it.
    QCheckBox* MakeProgressBox(int index);
    OutputPane* Pane(int index) const;
    // Of a binary64 / Decimal96 button pair, the one in view. A page change makes it the default
    // so that Enter runs the button the user sees.
    static QPushButton* ShownOf(QPushButton* binary, QPushButton* decimal);
    bool Show(const Message& message);
    // The integer fields' change reaction for one group of fields, owned by this page.
    PickPathBinding* BindPickPath(PickPathInstance instance);
    // What a clear button puts back to idle besides its fields and pane.
    enum class ClearResets { StatusAndBar, Status, Nothing };
    static constexpr int kNoPane = -1;
    // A clear button: the pane (unless kNoPane) emptied, then the fields in the order given, the
    // focus, then the resets.
    void ClearTool(std::initializer_list<QLineEdit*> fields, int pane,
                   ClearResets resets = ClearResets::StatusAndBar,
                   FocusAfter focus = FocusAfter::First);
    // Shows a check's rejection and applies its field effect to the tool's fields, given in the
    // order its check reads them, and to the pane.
    void Reject(const Rejection& rejection, std::initializer_list<QLineEdit*> fields, int pane);
    void Reject(const Rejection& rejection, const std::vector<QLineEdit*>& fields, int pane);

    // A press of a search tool: `checked` is its check's outcome, `run` its run phase
    // (input, sink, progress) -> SearchSummary.
    template <class Input, class Run>
    void RunSearch(const SearchTool& tool, const Checked<Input>& checked, Run run) {
        if (!Admit(tool, std::get_if<Rejection>(&checked))) return;
        RunSearch(tool, [input = std::get<Input>(checked), run = std::move(run)](
                            ResultSink& sink, const ProgressFn& progress) {
            return run(input, sink, progress);
        });
    }
    // The two halves of RunSearch, for a tool that acts between them. Admit: a silent rejection
    // that keeps the pane does nothing at all; otherwise the status goes back to idle (a shared
    // pane is emptied with the bar) and the rejection, if any, is shown. True when the run may
    // start.
    bool Admit(const SearchTool& tool, const Rejection* rejection);
    // The count shows its running text, the work runs through the result file and the count
    // caption follows as the tool says; a run that ends without a summary shows no caption.
    using SearchWork = std::function<SearchSummary(ResultSink&, const ProgressFn&)>;
    void RunSearch(const SearchTool& tool, SearchWork work);

    Shell& shell_;
};

}  // namespace numerel::ui
