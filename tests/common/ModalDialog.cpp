#include "ModalDialog.h"

#include <QDialog>
#include <QTimer>

namespace {
void cancel(QWidget& window)
{
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        dialog->reject();
    else
        window.close();
}
} // namespace

void whenModalWidget(std::function<void(QWidget&)> steps, AfterSteps after)
{
    QTimer::singleShot(0, [steps = std::move(steps), after] {
        QWidget* open = QApplication::activeModalWidget();
        if (!open) {
            ADD_FAILURE() << "no modal window is open";
            closeModals();
            return;
        }
        steps(*open);
        if (open->isVisible() && (after == AfterSteps::Cancel || ::testing::Test::HasFailure()))
            cancel(*open);
    });
}

void expectNoModal()
{
    QTimer::singleShot(0, [] {
        if (QWidget* open = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal window " << open->objectName().toStdString();
            closeModals();
        }
    });
}

void closeModals()
{
    while (QWidget* open = QApplication::activeModalWidget()) {
        cancel(*open);
        if (QApplication::activeModalWidget() == open)
            break; // it refused to close
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isModal() && window->isVisible())
            cancel(*window);
}

QWidget* topLevelNamed(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name)
            return window;
    return nullptr;
}
