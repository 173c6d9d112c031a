#pragma once
// How a command that failed in a way nothing else caught is told.

#include <QString>

#include <exception>

// Error numbers of the error log besides those of the file commands.
enum : int {
    ErrorDrawingPage = 12,       // the preview's page could not be drawn
    ErrorUnexpectedFailure = 14, // a command failed in a way nothing else caught
};

// A command that failed with an exception (most often: not enough memory)
// is logged as error `code` with a beep and told to the user: `operation`
// says what failed, followed by the cause.
void reportCommandFailure(int code, const QString& operation, const std::exception& e);
// The cause as the user reads it: "There is not enough memory." for an
// allocation that failed, else "Unexpected error: " and the error's text.
QString failureCause(const std::exception& e);
