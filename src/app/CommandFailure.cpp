#include "CommandFailure.h"

#include "support/ErrorLog.h"
#include "support/Messages.h"

#include <new>

QString failureCause(const std::exception& e)
{
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return Messages::notEnoughMemory();
    return Messages::unexpectedError(QString::fromLocal8Bit(e.what()));
}

void reportCommandFailure(int code, const QString& operation, const std::exception& e)
{
    // Telling of a failure must not fail in turn, whatever memory is left.
    try {
        FNLOGERROR(code, operation + QStringLiteral("\n\r") + failureCause(e), true, true);
    } catch (...) {
    }
}
