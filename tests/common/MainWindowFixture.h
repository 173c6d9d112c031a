#pragma once
// A real main window with the program's other windows, on the offscreen
// platform, over a clean settings store and a temporary folder of files.

#include "app/FormMAIN.h"
#include "common/Controls.h"
#include "common/ScriptedDialogs.h"
#include "common/ScriptedMessages.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the main window with the given command line.
    TFormMAIN& start(const QStringList& commandLine = {});
    // Closes it as the user would; true when it closed.
    bool closeMain();

    // A data file of `labels` labels of `lines` lines each; returns its path.
    QString writeData(const char* name, int labels, int lines = 2);
    // A job file for a sheet of `across` x `down` labels on A4 with the data
    // file given (may be empty); returns its path.
    QString writeJob(const QString& path, int across, int down, const QString& dataFile, int start = 1, int repeat = 1);
    QString path(const QString& name) const;

    template <class T>
    T* child(const char* name) const
    {
        return ::child<T>(*main_, name);
    }
    bool actionEnabled(const char* menu, const char* action);
    // Replaces a line edit's text in one user edit, as a paste does.
    void typeInto(const char* box, const QString& text);
    void leave(const char* box);
    // Opens the menu (which sets the enabled states) and chooses the entry,
    // as the user does.
    void trigger(const char* name)
    {
        auto* action = main_->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        for (QObject* o : action->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(o))
                emit menu->aboutToShow();
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }
    // The last plain message box: the error of a file command.
    QString lastPlain() const
    {
        for (auto it = messages.shown.crbegin(); it != messages.shown.crend(); ++it)
            if (it->plain)
                return it->text;
        return QString();
    }

    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    std::unique_ptr<TFormMAIN> main_;
    std::vector<std::unique_ptr<QWidget>> others_;
};
