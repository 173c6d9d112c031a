#pragma once
#include <QString>
#include <cstdint>

// Appends one numbered, time-stamped entry to the error log "ERRFILE.TXT" in
// the program folder, beeping and showing the text as asked.
void FNLOGERROR(std::int32_t number, const QString& text, bool beep, bool show);
