#pragma once
// The readers of what other people send us, each driven with one input as
// raw bytes. libFuzzer calls them through FuzzMain.cpp; the test suite runs
// every stored input (tests/fuzz/corpus/<target>/) through them again, so
// each input that ever crashed a reader stays a regression case.
//
// Besides "no crash, no sanitizer report", each target checks what must hold
// for any input it accepts; a broken check aborts with a message.

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// A job file: the label format, template and data source streams read one
// after the other into a fresh job, as opening a job does.
int FuzzJobFile(const std::uint8_t* data, std::size_t size);
// A template file read into a fresh template, and the template's snapshot.
int FuzzTemplateFile(const std::uint8_t* data, std::size_t size);
// The font text of the settings store (FNSTRINGTOFONT).
int FuzzFontText(const std::uint8_t* data, std::size_t size);
// The data-file loader: lines, label index and every label decoded.
int FuzzDataFile(const std::uint8_t* data, std::size_t size);
// The table reader (CSV, TSV) and the label layout over its rows.
int FuzzTable(const std::uint8_t* data, std::size_t size);
// The RTF reader behind the instructions window.
int FuzzRtf(const std::uint8_t* data, std::size_t size);
// The page renderer: a job, its picture and its data file drawn as a page.
int FuzzPage(const std::uint8_t* data, std::size_t size);
// The settings file: read, one value changed, written and read again.
int FuzzSettingsFile(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    const char* name; // also the corpus folder's name
    int (*run)(const std::uint8_t*, std::size_t);
};

inline constexpr FuzzTarget FuzzTargetTable[] = {
    {"job", FuzzJobFile},   {"template", FuzzTemplateFile},
    {"font", FuzzFontText}, {"datafile", FuzzDataFile},
    {"rtf", FuzzRtf},       {"page", FuzzPage},
    {"table", FuzzTable},   {"settings", FuzzSettingsFile},
};

// The input of the page target: two bytes (little-endian) giving the
// picture's length, a byte of switches (bits 0-1 the picture's suffix: svg,
// png, svgz, gif; bit 2 to the printer; bit 3 labels hidden; bit 4 outlines
// shown; bit 5 the data is a table), a byte for the preview scale, the
// picture, the job file's three streams (four for a table: the fourth holds
// the layout) and, after them, the data file's content.
QByteArray PageInput(quint8 flags, quint8 scale, const QByteArray& picture, const QByteArray& jobFile,
                     const QByteArray& dataFile);

// Aborts with the message when a check on the reader's result fails.
[[noreturn]] void FuzzCheckFailed(const char* target, const char* what);
#define FUZZ_CHECK(target, condition)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            FuzzCheckFailed(target, #condition);                                                                       \
    } while (false)
