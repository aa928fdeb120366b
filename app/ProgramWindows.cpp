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
    : strings(loadedStrings()), display(session, answers, pictures),
      main(session, answers, strings, pictures, display, splash) {}

ProgramWindows::~ProgramWindows() {
    strings.SaveLanguage();
}

} // namespace numbrook
