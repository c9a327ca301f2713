// What the panes' menu needs of the window that holds the panes.
#pragma once

class QWidget;

namespace numerel::ui {

class OutputPane;

class PaneHost {
public:
    // The window the menu and the Find dialog belong to; its focused control may be a pane.
    virtual QWidget* HostWindow() = 0;
    virtual int PaneCount() const = 0;
    virtual OutputPane* Pane(int index) const = 0;
    // The index of the page in view (its pane has the same index), -1 with none.
    virtual int CurrentPage() const = 0;

protected:
    ~PaneHost() = default;
};

}  // namespace numerel::ui
