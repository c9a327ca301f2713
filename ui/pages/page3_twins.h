// Page 3, "孪生素数": every pair of twin primes lying wholly inside [from, to], with the number of
// pairs. One search button: bounds above 15 digits are searched exactly all the same, up to 1000
// digits. A rejection leaves the pane and the count as the last run left them.
#pragma once

#include "ui/pages/interval_search_page.h"

namespace numerel::ui {

class Page3Twins : public IntervalSearchPage {
    Q_OBJECT
public:
    explicit Page3Twins(Shell& shell, QWidget* parent = nullptr);

private:
    void Search(PathButton button) override;
};

}  // namespace numerel::ui
