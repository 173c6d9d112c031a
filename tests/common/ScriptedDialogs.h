#pragma once
// A dialog seam for tests: every request is recorded and answered from a
// queue; a request the test did not script fails the test and is cancelled.

#include "support/Dialogs.h"

#include <QList>
#include <QVariant>

#include <functional>

class ScriptedDialogs : public DialogSeam {
public:
    ScriptedDialogs() : installed_(*this) {}
    ~ScriptedDialogs() override;

    // Queue the answer of the next file request: a path, or empty to cancel.
    void answerFile(const QString& path) { files_.append(path); }
    void answerFont(const QFont& font) { fonts_.append(QVariant(font)); }
    void cancelFont() { fonts_.append(QVariant()); }
    void answerColor(const QColor& color) { colors_.append(QVariant(color)); }
    void cancelColor() { colors_.append(QVariant()); }
    // The next print dialog: the user's choice, or nothing to cancel. The
    // offered range is recorded in `offered`.
    // `change` does to the printer what the dialog would (print to file,
    // options under Properties).
    void answerPrint(const PrintChoice& choice, std::function<void(QPrinter&)> change = {})
    {
        prints_.append(choice);
        printChanges_.append(std::move(change));
        printCancels_.append(false);
    }
    void cancelPrint()
    {
        prints_.append(PrintChoice{});
        printChanges_.append(std::function<void(QPrinter&)>());
        printCancels_.append(true);
    }
    void answerPrinterSetup(std::function<void(QPrinter&)> change) { setups_.append(std::move(change)); }

    QString openFile(QWidget* parent, const FileRequest& request) override;
    QString saveFile(QWidget* parent, const FileRequest& request) override;
    bool chooseFont(QWidget* parent, QFont& font) override;
    bool chooseColor(QWidget* parent, QColor& color) override;
    bool print(QWidget* parent, QPrinter& printer, PrintChoice& choice) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
    QList<PrintChoice> offered;

    struct Request {
        QString kind; // "open", "save", "font", "color"
        FileRequest file;
    };
    QList<Request> requests;

private:
    ScopedDialogSeam installed_;
    QStringList files_;
    QList<QVariant> fonts_;
    QList<QVariant> colors_;
    QList<PrintChoice> prints_;
    QList<bool> printCancels_;
    QList<std::function<void(QPrinter&)>> printChanges_;
    QList<std::function<void(QPrinter&)>> setups_;
};
