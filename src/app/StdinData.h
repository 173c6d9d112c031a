#pragma once
// Data read from standard input (gorvin --print JOB --data -): written once
// into a temporary file of the user's own, so that it is loaded and indexed
// as any data file, and removed when the program ends, whether it ends
// normally, after an error or by a signal.

#include <QString>

#include <optional>

// What the input holds: text blocks, or a table with commas or tabs. The
// temporary file's name ends as a data file of that kind does.
enum class StdinFormat { Text, Csv, Tsv };

// The format a name stands for ("text", "csv", "tsv", in any letter case).
std::optional<StdinFormat> stdinFormatNamed(const QString& name);

class StdinData {
public:
    StdinData() = default;
    ~StdinData();
    StdinData(const StdinData&) = delete;
    StdinData& operator=(const StdinData&) = delete;

    // Reads the descriptor (standard input) to its end into a new file in
    // the temporary folder, made anew (never through a link) and readable
    // by the user only. False, with error saying why and nothing left
    // behind, when the input is larger than a data file may be, cannot be
    // read, or the file cannot be made or written. One such file at a time.
    bool read(int descriptor, StdinFormat format, QString& error);
    // The temporary file; empty before read() succeeds.
    const QString& fileName() const { return fileName_; }
    // Removes the file now.
    void remove();

private:
    QString fileName_;
};

// Removes the temporary file of the data read from standard input, if there
// is one. Safe to call from a signal handler.
void removeStdinDataFile() noexcept;
