#pragma once
// Driving a modal window from a test: the steps are queued before the call
// that opens the window and run once its event loop is running.

#include <QApplication>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>

// What becomes of the window when the steps are done.
enum class AfterSteps {
    CancelOnFailure, // a failed step never leaves the test waiting on it
    Cancel,          // whatever the steps leave open is cancelled
};

// Runs `steps` on the modal window the next call opens. The test fails when
// no modal window of that class is open.
void whenModalWidget(std::function<void(QWidget&)> steps, AfterSteps after);

template <class Window = QWidget>
void whenModal(std::type_identity_t<std::function<void(Window&)>> steps, AfterSteps after = AfterSteps::CancelOnFailure)
{
    whenModalWidget(
        [steps = std::move(steps)](QWidget& open) {
            if (auto* window = qobject_cast<Window*>(&open))
                steps(*window);
            else
                ADD_FAILURE() << "the modal window is a " << open.metaObject()->className() << ", not a "
                              << Window::staticMetaObject.className();
        },
        after);
}

// Fails the test when the call about to be made opens a modal window, and
// cancels that window.
void expectNoModal();

// Cancels every modal window still open.
void closeModals();

// The top-level window of that object name, or null.
QWidget* topLevelNamed(const QString& name);
