// SIGTERM and SIGHUP (a logout, `kill`) end the program the way a confirmed close does: the run
// is stopped, a save in progress is finished and the run's temporary result files are removed,
// instead of being left behind until the next start.
#pragma once

class QCoreApplication;

namespace numerel::ui {

// Makes either signal quit `app`'s event loop. Call once, before exec().
void QuitOnTerminationSignals(QCoreApplication& app);

}  // namespace numerel::ui
