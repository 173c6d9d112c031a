#pragma once
// The print system's queue that the printing tests print through: "LabelPDF",
// a cups-pdf queue (set up by scripts/test) that turns each job into a PDF
// file. Without a running cupsd or the queue those tests are skipped, never
// passed.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace PrintQueue {

QString name();
// Why the queue cannot be printed to, or empty when it can; `asDefault` asks
// that it also be the default printer (through PRINTER).
QString unavailable(bool asDefault = false);
// The folders cups-pdf may write this user's files to.
QStringList pdfFolders();
// The PDF cups-pdf made of the job, once it is complete; empty when none came
// within 90 s. A job is found by its number (named so by the "Label" option)
// or by a text of its title, in a file written since `since`.
QString waitForPdf(int jobId);
QString waitForPdf(const QString& titleText, const QDateTime& since = {});

// What the print system keeps of a job of the queue.
struct Job {
    bool found = false;
    QString title;
    int priority = 0;
};
Job job(int jobId);
// Whether the queue has, or had, a job whose title holds the text.
bool hadJobTitled(const QString& text);

} // namespace PrintQueue

// Skips the test, giving the reason, when the queue cannot be printed to.
#define SKIP_WITHOUT_QUEUE(...)                                                                                        \
    if (const QString why = PrintQueue::unavailable(__VA_ARGS__); !why.isEmpty())                                      \
    GTEST_SKIP() << why.toStdString()
