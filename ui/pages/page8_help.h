// Page 8: the help document, read-only, shipped as a resource.
#pragma once

#include "ui/pages/page.h"

namespace numerel::ui {

class Page8Help : public Page {
    Q_OBJECT
public:
    explicit Page8Help(Shell& shell, QWidget* parent = nullptr);
};

// The help document's HTML.
QString HelpDocument();

}  // namespace numerel::ui
