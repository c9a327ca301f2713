// A fresh main window on a fake platform, with its temporary result file in a test directory.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "fake_platform.h"
#include "ui/pages/clickable_label.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pane/output_pane.h"
#include "ui/run/progress_frame.h"
#include "ui/run/run_protocol.h"
#include "ui/window/form1.h"

namespace numerel::ui::testing {

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        form = std::make_unique<Form1>(platform, dir.path());
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    template <typename T>
    T* Find(const QString& name) const {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit* Field(const QString& name) const { return Find<QLineEdit>(name); }
    QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }
    QLabel* Label(const QString& name) const { return Find<QLabel>(name); }
    QCheckBox* Check3(int i) const { return Find<QCheckBox>(QString("Check3_%1").arg(i)); }
    QString Status() const { return form->Label9()->text(); }
    QString PaneText(int i) const { return form->Pane(i)->Text(); }
    void GoToPage(int page) { form->Tabs()->setCurrentIndex(page); }
    // Lets the event loop run until the run in progress (if any) has ended, as a user would wait.
    // Until no run goes on: a tool that asks between two runs starts the second as the first
    // finishes.
    void WaitForRun() {
        RunProtocol& run = form->Run();
        QElapsedTimer waited;
        waited.start();
        while (run.Busy() && waited.elapsed() < 120000) {
            QEventLoop loop;
            QObject::connect(&run, &RunProtocol::RunFinished, &loop, &QEventLoop::quit);
            QTimer::singleShot(120000 - waited.elapsed(), &loop, &QEventLoop::quit);
            loop.exec();
        }
        EXPECT_FALSE(run.Busy()) << "the run did not end";
    }
    // Typing as a paste would: one change.
    static void Type(QLineEdit* field, const QString& text) { field->setText(text); }

    QTemporaryDir dir;
    FakePlatform platform;
    std::unique_ptr<Form1> form;
};

}  // namespace numerel::ui::testing
