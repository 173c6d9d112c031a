#pragma once
// The numbered error log: a plain text file "ERRFILE.TXT" in the program
// folder (see ProgramFolder.h), lines ending in CR LF, opened and closed for
// every entry and never truncated.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>

// Thrown when the error log cannot be created, opened or written. The
// message names the file and the reason.
class ErrorLogFailure : public std::runtime_error {
public:
    ErrorLogFailure(const QString& path, const QString& reason);
    const QString& path() const { return path_; }

private:
    QString path_;
};

// Appends one numbered, time-stamped entry to the error log "ERRFILE.TXT" in
// the program folder, beeping and showing the text as asked.
// A new log, or one that exists but is empty, starts with three header lines that ask the reader to send the
// file to the maker. A text with line breaks continues over several lines.
// A log that cannot be written (a folder that cannot be created or written,
// a full disk) never stops the caller: the beep and the message box asked for
// still come, the failure is written to standard error with the log's path
// and the reason, and the result is false. True when the entry was written.
bool FNLOGERROR(std::int32_t number, const QString& text, bool beep, bool show);

// The log's full path: programFolder() + "/ERRFILE.TXT".
QString errorLogPath();

// The three lines a new log starts with.
QStringList errorLogHeader();

// The entry's time stamp: the system's short date, a blank and the system's
// long time; the date alone at exactly midnight.
QString errorLogTimeStamp(const QDateTime& when);

// The bytes of one entry in the file: time stamp, " Error[", number, "]: ",
// the text with every line break (LF CR, CR LF, LF or CR) written as CR LF,
// and a closing CR LF. UTF-8.
QByteArray errorLogEntry(std::int32_t number, const QString& text, const QDateTime& when);

// Appends an entry to the log at path, writing the header first when the file
// does not exist yet or is empty. Throws ErrorLogFailure.
void appendErrorLogEntry(const QString& path, std::int32_t number, const QString& text, const QDateTime& when);
