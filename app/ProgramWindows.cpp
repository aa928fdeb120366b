#include "ProgramWindows.h"

namespace numbrook {

namespace {

StringTable loadedStrings() {
    StringTable strings;
    strings.LoadLanguage();
    return strings;
}

} // namespace

ProgramWindows::ProgramWindows()
    : strings(loadedStrings()), display(session, answers),
      main(session, answers, strings, display, splash) {}

ProgramWindows::~ProgramWindows() {
    strings.SaveLanguage();
}

} // namespace numbrook
