// Page 2, "批量求素数": every prime of an interval [from, to] with its count, up to 15 digits
// with the binary64 search button and up to 1000 digits with the Decimal96 one, both in one place.
#pragma once

#include "ui/pages/interval_search_page.h"

namespace numerel::ui {

class Page2Primes : public IntervalSearchPage {
    Q_OBJECT
public:
    explicit Page2Primes(Shell& shell, QWidget* parent = nullptr);

private:
    void Search(PathButton button) override;

    PickPathBinding* bounds_change_;
};

}  // namespace numerel::ui
