#include "ProgramWindows.h"

namespace numbrook {

namespace {

StringTable loadedStrings() {
    StringTable strings;
    strings.LoadLanguage();
    return strings;
}

} // namespace

ProgramWindows::ProgramWindows(SoundEngine &sound)
    : strings(loadedStrings()), display(session, answers, pictures),
      main(sound, session, answers, strings, pictures, display, splash) {}

ProgramWindows::~ProgramWindows() {
    strings.SaveLanguage();
}

} // namespace numbrook
