#pragma once
// A dialog seam for tests: every request is recorded and answered from a
// queue; a request the test did not script fails the test and is cancelled.

#include "support/Dialogs.h"

#include <QList>
#include <QVariant>

class TScriptedDialogs : public TDialogSeam {
public:
    TScriptedDialogs() : installed_(*this) {}
    ~TScriptedDialogs() override;

    // Queue the answer of the next file request: a path, or empty to cancel.
    void answerFile(const QString& path) { files_.append(path); }
    void answerFont(const QFont& font) { fonts_.append(QVariant(font)); }
    void cancelFont() { fonts_.append(QVariant()); }
    void answerColor(const QColor& color) { colors_.append(QVariant(color)); }
    void cancelColor() { colors_.append(QVariant()); }

    QString openFile(QWidget* parent, const TFILEREQUEST& request) override;
    QString saveFile(QWidget* parent, const TFILEREQUEST& request) override;
    bool chooseFont(QWidget* parent, QFont& font) override;
    bool chooseColor(QWidget* parent, QColor& color) override;

    struct TRequest {
        QString kind; // "open", "save", "font", "color"
        TFILEREQUEST file;
    };
    QList<TRequest> requests;

private:
    TScopedDialogSeam installed_;
    QStringList files_;
    QList<QVariant> fonts_;
    QList<QVariant> colors_;
};
