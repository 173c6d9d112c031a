# The strict build, shared by the program's build and the fuzz build (which
# compiles the same sources): the warnings every file compiles clean under,
# warnings as errors on request, and no silent conversion between QString and
# 8-bit text in the program's own code. docs/HACKING.md, "Building strictly".

# scripts/test turns this on. It is off by default so that a newer compiler's
# new warnings do not stop someone building by hand.
option(GORVIN_WERROR "Treat compiler warnings as errors" OFF)

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion)
if(GORVIN_WERROR)
  add_compile_options(-Werror)
endif()

# gorvin_strict_text(target...): the targets' own files write every QString
# literal as QStringLiteral or u""_s and compare with QLatin1StringView; a
# const char* never turns into a QString (or a QUrl) unnoticed, nor a QString
# into a const char*. Only for targets under src/: the tests compare with
# literal texts everywhere and keep the implicit conversions.
function(gorvin_strict_text)
  foreach(target IN LISTS ARGN)
    target_compile_definitions(${target} PRIVATE
      QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING)
  endforeach()
endfunction()
