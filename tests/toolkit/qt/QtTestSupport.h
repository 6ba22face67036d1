#pragma once

#include "framework/Runtime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs `action`, which is to bring up a message box, and presses the box's
// first button. Returns the box's text followed by its buttons in brackets.
inline QString AnswerMessageBox(const std::function<void()>& action)
{
    QString seen = "no message box";
    QTimer poll;
    poll.callOnTimeout([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        seen = box->text();
        for (QAbstractButton* button : box->buttons())
            seen += " [" + button->text() + "]";
        QTest::mouseClick(box->buttons().value(0), Qt::LeftButton);
    });
    poll.start(10);
    action();
    return seen;
}

// Runs `run`, which holds an event loop, and ends the loop if it is still
// going after `ms`, so that a fault fails the test instead of hanging it.
// Returns whether the loop ended by itself.
inline bool EndsByItself(const std::function<void()>& run, int ms = 5000)
{
    bool expired = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.callOnTimeout([&expired] {
        expired = true;
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        fw::RuntimeQuit();
        // Also when the framework's quit is what fails.
        QCoreApplication::exit(1);
    });
    deadline.start(ms);
    run();
    return !expired;
}
