// The window with big results, offscreen (not a test): for each case the time from the click to
// the result painted in its pane, the process's peak RSS and the bytes of the stored result; for
// a long result, then also what saving it costs the window.
// Each case runs in a process of its own so that peak RSS is that case's.
//   window_bench              all cases, one line each
//   window_bench PAGE FROM TO [S]  one case; with S, Stop is clicked S seconds after the click
//   window_bench div A B DIGITS    the calculator's A/B to DIGITS digits
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "ui/pages/clickable_label.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pane/long_text_view.h"
#include "ui/pane/output_pane.h"
#include "ui/pane/pane_menu.h"
#include "ui/platform/platform.h"
#include "ui/run/run_protocol.h"
#include "ui/window/main_window.h"

namespace {

using numerel::ui::Platform;

// Answers every dialog at once, so a long run's "计算完成!" box does not wait for a user.
class SilentPlatform final : public Platform {
public:
    bool ShowMessage(const numerel::Message&) override { return true; }
    std::optional<QString> AskText(const QString&, const QString&) override { return precision; }
    std::optional<numerel::ui::FontChoice> ChooseFont(const QFont&, const QColor&) override {
        return {};
    }
    std::optional<QString> ChooseSaveFile(const QString&, const QStringList&) override {
        return save_path;
    }
    void PlayTone(int, int) override {}
    bool LaunchCalculator() override { return false; }
    std::int64_t NowSeconds() override { return QDateTime::currentSecsSinceEpoch(); }

    std::optional<QString> save_path;
    std::optional<QString> precision;  // the answer to a precision prompt
};

// "保存" on a long pane: how long the click holds the window, when the file is complete, and the
// longest the event loop went unserved meanwhile (timer ticks every 10 ms).
void SaveLongPane(numerel::ui::MainWindow& form, numerel::ui::OutputPane* pane,
                  SilentPlatform& platform) {
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.txt");
    platform.save_path = path;
    pane->setFocus();
    QElapsedTimer clock;
    clock.start();
    qint64 last_tick = 0;
    qint64 longest_gap = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest_gap = std::max(longest_gap, now - last_tick);
        last_tick = now;
    });
    ticks.start(10);
    form.Menu()->Save();
    const double click_ms = clock.nsecsElapsed() / 1e6;
    last_tick = clock.elapsed();
    while (!QFileInfo::exists(path)) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf(
        "  save: click returned in %.1f ms, %lld bytes saved after %.2f s, longest "
        "event-loop gap %lld ms\n",
        click_ms, static_cast<long long>(QFileInfo(path).size()), clock.nsecsElapsed() / 1e9,
        static_cast<long long>(longest_gap));
}

long PeakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Spins the event loop until the run ends, as the window does.
void WaitForRunEnd(numerel::ui::RunProtocol& run) {
    if (!run.Busy()) return;
    QEventLoop loop;
    QObject::connect(&run, &numerel::ui::RunProtocol::RunFinished, &loop, &QEventLoop::quit);
    loop.exec();
}

const char* const kFirstField[] = {"Text1", "Text2", "Text4"};
const char* const kSecondField[] = {"", "Text3", "Text5"};

int RunCase(int page, const QString& from, const QString& to, double stop_after) {
    SilentPlatform platform;
    numerel::ui::MainWindow form(platform);
    form.show();
    form.Tabs()->setCurrentIndex(page);
    form.findChild<QLineEdit*>(kFirstField[page])->setText(from);
    if (*kSecondField[page] != '\0') form.findChild<QLineEdit*>(kSecondField[page])->setText(to);
    QApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    form.Keys().PressEnter();
    numerel::ui::RunProtocol& run = form.Run();
    QElapsedTimer since_stop;
    if (stop_after > 0)
        QTimer::singleShot(static_cast<int>(stop_after * 1000), [&] {
            since_stop.start();
            form.StopButton()->click();
        });
    WaitForRunEnd(run);
    numerel::ui::OutputPane* pane = form.Pane(page);
    pane->repaint();
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double stop_to_screen = since_stop.isValid() ? since_stop.nsecsElapsed() / 1e9 : 0;
    const QString stored = pane->StoredFile();
    const qint64 bytes = stored.isEmpty() ? static_cast<qint64>(run.ResultFile().BytesWritten())
                                          : QFileInfo(stored).size();
    // The keys that move through the pane, each with the repaint it causes.
    QWidget* view = pane->IsLong() ? static_cast<QWidget*>(pane->LongView()) : pane;
    double slowest_key_ms = 0;
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_PageDown, Qt::NoModifier}, std::pair{Qt::Key_End, Qt::ControlModifier},
          std::pair{Qt::Key_PageUp, Qt::NoModifier},
          std::pair{Qt::Key_Home, Qt::ControlModifier}}) {
        QElapsedTimer key_clock;
        key_clock.start();
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(view, &press);
        view->repaint();
        pane->repaint();
        slowest_key_ms = std::max(slowest_key_ms, key_clock.nsecsElapsed() / 1e6);
    }
    // A window resize lays the pane's lines out anew.
    QElapsedTimer resize_clock;
    resize_clock.start();
    form.resize(form.width() - 40, form.height());
    QApplication::processEvents();
    pane->repaint();
    const double resize_ms = resize_clock.nsecsElapsed() / 1e6;
    std::printf(
        "page %d  %s..%s  click-to-screen %.2f s  stop-to-screen %.2f s  peak RSS %ld MB  stored "
        "%lld bytes  "
        "pane %lld chars  slowest key %.1f ms  resize %.1f ms  status %s  %s\n",
        page, qPrintable(from), qPrintable(to), seconds, stop_to_screen, PeakRssMb(),
        static_cast<long long>(bytes), static_cast<long long>(pane->TextLength()), slowest_key_ms,
        resize_ms, qPrintable(form.StatusLabel()->text()),
        page == 2 ? qPrintable(form.findChild<QLabel*>("Label6")->text()) : "");
    if (pane->IsLong() && stop_after == 0) SaveLongPane(form, pane, platform);
    return 0;
}

}  // namespace

// The calculator: A / B to `precision` digits (page 6 has no default button, so the division
// button is clicked); click to screen, peak RSS and what the pane holds.
int DivisionCase(const QString& a, const QString& b, const QString& precision) {
    SilentPlatform platform;
    platform.precision = precision;
    numerel::ui::MainWindow form(platform);
    form.show();
    form.Tabs()->setCurrentIndex(6);
    form.findChild<QLineEdit*>("Text22")->setText(a);
    form.findChild<QLineEdit*>("Text23")->setText(b);
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    form.findChild<QPushButton*>("Command27_3")->click();
    numerel::ui::RunProtocol& run = form.Run();
    WaitForRunEnd(run);
    numerel::ui::OutputPane* pane = form.Pane(6);
    pane->repaint();
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::printf(
        "page 6  %s / %s to %s digits  click-to-screen %.2f s  peak RSS %ld MB  pane %lld "
        "chars  status %s\n",
        qPrintable(a), qPrintable(b), qPrintable(precision), seconds, PeakRssMb(),
        static_cast<long long>(pane->Text().size()), qPrintable(form.StatusLabel()->text()));
    if (pane->IsLong()) SaveLongPane(form, pane, platform);
    return 0;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 5 && QString(argv[1]) == "div") return DivisionCase(argv[2], argv[3], argv[4]);
    if (argc >= 4)
        return RunCase(std::atoi(argv[1]), argv[2], argv[3], argc > 4 ? std::atof(argv[4]) : 0);
    const char* const cases[][4] = {{"2", "1", "100000000", "0"},
                                    {"1", "1", "1000000", "0"},
                                    {"2", "1", "100000000000", "0"},
                                    {"2", "1", "100000000000", "2"}};
    for (const auto& c : cases) {
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedChannels);
        one.start(QCoreApplication::applicationFilePath(), {c[0], c[1], c[2], c[3]});
        one.waitForFinished(-1);
    }
    return 0;
}
