#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs::~ScriptedDialogs()
{
    EXPECT_TRUE(files_.isEmpty()) << "scripted file answers left unused: " << files_.size();
    EXPECT_TRUE(fonts_.isEmpty()) << "scripted font answers left unused";
    EXPECT_TRUE(colors_.isEmpty()) << "scripted colour answers left unused";
    EXPECT_TRUE(prints_.isEmpty()) << "scripted print answers left unused";
    EXPECT_TRUE(setups_.isEmpty()) << "scripted printer set-up answers left unused";
}

QString ScriptedDialogs::openFile(QWidget*, const FileRequest& request)
{
    requests.append({QStringLiteral("open"), request});
    if (files_.isEmpty()) {
        ADD_FAILURE() << "unexpected open-file dialog: " << request.caption.toStdString();
        return QString();
    }
    return files_.takeFirst();
}

QString ScriptedDialogs::saveFile(QWidget*, const FileRequest& request)
{
    requests.append({QStringLiteral("save"), request});
    if (files_.isEmpty()) {
        ADD_FAILURE() << "unexpected save-file dialog: " << request.caption.toStdString();
        return QString();
    }
    return files_.takeFirst();
}

bool ScriptedDialogs::chooseFont(QWidget*, QFont& font)
{
    requests.append({QStringLiteral("font"), {}});
    if (fonts_.isEmpty()) {
        ADD_FAILURE() << "unexpected font dialog";
        return false;
    }
    const QVariant answer = fonts_.takeFirst();
    if (!answer.isValid())
        return false;
    font = answer.value<QFont>();
    return true;
}

bool ScriptedDialogs::chooseColor(QWidget*, QColor& color)
{
    requests.append({QStringLiteral("color"), {}});
    if (colors_.isEmpty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return false;
    }
    const QVariant answer = colors_.takeFirst();
    if (!answer.isValid())
        return false;
    color = answer.value<QColor>();
    return true;
}

bool ScriptedDialogs::print(QWidget*, QPrinter& printer, PrintChoice& choice)
{
    requests.append({QStringLiteral("print"), {}});
    offered.append(choice);
    if (prints_.isEmpty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    }
    const PrintChoice answer = prints_.takeFirst();
    const auto change = printChanges_.takeFirst();
    if (printCancels_.takeFirst())
        return false;
    if (change)
        change(printer);
    choice = answer;
    return true;
}

bool ScriptedDialogs::printerSetup(QWidget*, QPrinter& printer)
{
    requests.append({QStringLiteral("printersetup"), {}});
    if (setups_.isEmpty()) {
        ADD_FAILURE() << "unexpected printer set-up dialog";
        return false;
    }
    setups_.takeFirst()(printer);
    return true;
}
