// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "StringTable.h"

#include "InterfaceLanguages.h"
#include "SettingsKey.h"

namespace numbrook {

namespace {

struct Source {
    const char *text;
    const char *disambiguation = nullptr;
};

// The English source text of each key, in the order of UiKey; the catalogues under
// translations/ hold the other languages. Where two keys share an English text, the second
// tells the translator which one it is.
constexpr std::array<Source, UiKeyCount> Table{{
    {QT_TRANSLATE_NOOP("StringTable", "English")},
    {QT_TRANSLATE_NOOP("StringTable", "Interface")},
    {QT_TRANSLATE_NOOP("StringTable", "Questions settings")},
    {QT_TRANSLATE_NOOP("StringTable", "Actions settings")},
    {QT_TRANSLATE_NOOP("StringTable", "Display settings")},
    {QT_TRANSLATE_NOOP("StringTable", "System settings")},
    {QT_TRANSLATE_NOOP("StringTable", "Level")},
    {QT_TRANSLATE_NOOP("StringTable", "Questions complexity level")},
    {QT_TRANSLATE_NOOP("StringTable", "Speed")},
    {QT_TRANSLATE_NOOP("StringTable", "Question change speed")},
    {QT_TRANSLATE_NOOP("StringTable", "Actions")},
    {QT_TRANSLATE_NOOP("StringTable", "Permitted actions")},
    {QT_TRANSLATE_NOOP("StringTable", "Resolution")},
    {QT_TRANSLATE_NOOP("StringTable", "Display resolution")},
    {QT_TRANSLATE_NOOP("StringTable", "Hotkeys")},
    {QT_TRANSLATE_NOOP("StringTable", "Hotkeys selection")},
    {QT_TRANSLATE_NOOP("StringTable", "Show hints")},
    QT_TRANSLATE_NOOP3("StringTable", "Show hints", "the longer hint of the option"),
    {QT_TRANSLATE_NOOP("StringTable", "Auto minimization")},
    {QT_TRANSLATE_NOOP("StringTable", "Auto minimization program at the start")},
    {QT_TRANSLATE_NOOP("StringTable", "Autorun")},
    {QT_TRANSLATE_NOOP("StringTable", "Autorun program at the start of Windows")},
    {QT_TRANSLATE_NOOP("StringTable", "Show SPDIF")},
    {QT_TRANSLATE_NOOP("StringTable", "Show SPDIF device")},
    {QT_TRANSLATE_NOOP("StringTable", "Points")},
    {QT_TRANSLATE_NOOP("StringTable", "Display points")},
    {QT_TRANSLATE_NOOP("StringTable", "Hint")},
    {QT_TRANSLATE_NOOP("StringTable", "Show hint")},
    {QT_TRANSLATE_NOOP("StringTable", "*ESC - display close")},
    {QT_TRANSLATE_NOOP("StringTable", "See help file")},
    {QT_TRANSLATE_NOOP("StringTable", "Go to our website")},
    {QT_TRANSLATE_NOOP("StringTable", "Minimize to tray")},
    {QT_TRANSLATE_NOOP("StringTable", "Exit the program")},
    {QT_TRANSLATE_NOOP("StringTable", "Visit the program page")},
    {QT_TRANSLATE_NOOP("StringTable", "Summation and subtraction")},
    {QT_TRANSLATE_NOOP("StringTable", "Multiplication and division")},
    {QT_TRANSLATE_NOOP("StringTable", "More and less")},
    {QT_TRANSLATE_NOOP("StringTable", "Binary fractions")},
    {QT_TRANSLATE_NOOP("StringTable", "Decimal fraction")},
    {QT_TRANSLATE_NOOP("StringTable", "Hyperbolic logarithm")},
    {QT_TRANSLATE_NOOP("StringTable", "Briggs logarithm")},
    {QT_TRANSLATE_NOOP("StringTable", "Factorial")},
    {QT_TRANSLATE_NOOP("StringTable", "Sinus and cosine")},
    {QT_TRANSLATE_NOOP("StringTable", "Tangent and cotangent")},
    {QT_TRANSLATE_NOOP("StringTable", "Soundcard")},
    {QT_TRANSLATE_NOOP("StringTable", "Microphone")},
    {QT_TRANSLATE_NOOP("StringTable", "L")},
    {QT_TRANSLATE_NOOP("StringTable", "R")},
    {QT_TRANSLATE_NOOP("StringTable", "Lvl")},
    {QT_TRANSLATE_NOOP("StringTable", "External file")},
    {QT_TRANSLATE_NOOP("StringTable", "Delay")},
    {QT_TRANSLATE_NOOP("StringTable", "Porog")},
    {QT_TRANSLATE_NOOP("StringTable", "The number of threads Out: ")},
    {QT_TRANSLATE_NOOP("StringTable", "The number of threads In:  ")},
    {QT_TRANSLATE_NOOP("StringTable", "Total:")},
    {QT_TRANSLATE_NOOP("StringTable", "Correct:")},
    {QT_TRANSLATE_NOOP("StringTable", "Wrong:")},
    {QT_TRANSLATE_NOOP("StringTable", "Points:")},
    {QT_TRANSLATE_NOOP("StringTable", "Is the expression correct?")},
    {QT_TRANSLATE_NOOP("StringTable",
                       "The answer key works only while a Numbrook window has the focus.")},
    {QT_TRANSLATE_NOOP("StringTable", "Results")},
    {QT_TRANSLATE_NOOP("StringTable", "Start")},
    {QT_TRANSLATE_NOOP("StringTable", "Previous speed")},
    {QT_TRANSLATE_NOOP("StringTable", "Next speed")},
    {QT_TRANSLATE_NOOP("StringTable", "Previous microphone")},
    {QT_TRANSLATE_NOOP("StringTable", "Next microphone")},
    {QT_TRANSLATE_NOOP("StringTable", "Previous answer key")},
    {QT_TRANSLATE_NOOP("StringTable", "Next answer key")},
    {QT_TRANSLATE_NOOP("StringTable", "Previous language")},
    {QT_TRANSLATE_NOOP("StringTable", "Next language")},
    {QT_TRANSLATE_NOOP("StringTable", "Microphone signal")},
    {QT_TRANSLATE_NOOP("StringTable", "Answer key signal")},
    {QT_TRANSLATE_NOOP("StringTable", "Threshold")},
    {QT_TRANSLATE_NOOP("StringTable", "Microphone volume")},
    {QT_TRANSLATE_NOOP("StringTable", "Microphone level")},
    {QT_TRANSLATE_NOOP("StringTable", "Sound playing")},
    {QT_TRANSLATE_NOOP("StringTable", "Question")},
    {QT_TRANSLATE_NOOP("StringTable", "Large text")},
    {QT_TRANSLATE_NOOP("StringTable", "Show the question across the board")},
    {QT_TRANSLATE_NOOP("StringTable", "Child")},
    {QT_TRANSLATE_NOOP("StringTable",
                       "Who plays next: each child has their own settings and results")},
    {QT_TRANSLATE_NOOP("StringTable", "Previous child")},
    {QT_TRANSLATE_NOOP("StringTable", "Next child")},
    {QT_TRANSLATE_NOOP("StringTable", "Add a child")},
    {QT_TRANSLATE_NOOP("StringTable", "Change")},
    {QT_TRANSLATE_NOOP("StringTable", "Remove")},
    {QT_TRANSLATE_NOOP("StringTable", "First child")},
    QT_TRANSLATE_NOOP3("StringTable", "Add a child", "the title of the dialog that adds a child"),
    {QT_TRANSLATE_NOOP("StringTable", "Name and picture")},
    {QT_TRANSLATE_NOOP("StringTable", "Name:")},
    {QT_TRANSLATE_NOOP("StringTable", "Picture:")},
    {QT_TRANSLATE_NOOP("StringTable", "No picture")},
    {QT_TRANSLATE_NOOP("StringTable", "Please type the child's name.")},
    {QT_TRANSLATE_NOOP("StringTable", "Another child already has this name.")},
    {QT_TRANSLATE_NOOP("StringTable",
                       "The results database cannot be used just now. Please try again later.")},
    {QT_TRANSLATE_NOOP("StringTable", "Remove child")},
    {QT_TRANSLATE_NOOP("StringTable",
                       "Remove %1 and all of their results? This cannot be undone.")},
    {QT_TRANSLATE_NOOP("StringTable", "OK")},
    {QT_TRANSLATE_NOOP("StringTable", "Cancel")},
    {QT_TRANSLATE_NOOP("StringTable", "%1, is the expression correct?")},
    {QT_TRANSLATE_NOOP("StringTable", "Practice")},
    {QT_TRANSLATE_NOOP("StringTable", "Ask mostly the facts the child does not know yet")},
    {QT_TRANSLATE_NOOP("StringTable", "level 1 only")},
    {QT_TRANSLATE_NOOP("StringTable", "Fluent within")},
    {QT_TRANSLATE_NOOP(
        "StringTable",
        "A fact counts as learnt when the child answers its true equation within this time")},
    {QT_TRANSLATE_NOOP("StringTable", "Shorter fluency time")},
    {QT_TRANSLATE_NOOP("StringTable", "Longer fluency time")},
    {QT_TRANSLATE_NOOP("StringTable", "%1 sec.")},
    {QT_TRANSLATE_NOOP("StringTable", "School signs")},
    {QT_TRANSLATE_NOOP("StringTable", "Show the signs as at school: × ÷ − instead of * / -")},
    {QT_TRANSLATE_NOOP("StringTable", "÷")},
    {QT_TRANSLATE_NOOP("StringTable", "Numbrook: help")},
    {QT_TRANSLATE_NOOP("StringTable", "Close")},
    {QT_TRANSLATE_NOOP("StringTable",
                       "The help text %1 was not found. It was looked for in:\n    %2")},
    {QT_TRANSLATE_NOOP("StringTable", "No sound playing")},
    {QT_TRANSLATE_NOOP("StringTable", "800 x 600 window")},
    {QT_TRANSLATE_NOOP("StringTable", "Full screen")},
    {QT_TRANSLATE_NOOP("StringTable", "Previous output device")},
    {QT_TRANSLATE_NOOP("StringTable", "Next output device")},
    {QT_TRANSLATE_NOOP("StringTable", "Left volume")},
    {QT_TRANSLATE_NOOP("StringTable", "Right volume")},
    {QT_TRANSLATE_NOOP("StringTable", "Left level")},
    {QT_TRANSLATE_NOOP("StringTable", "Right level")},
    {QT_TRANSLATE_NOOP("StringTable", "Previous sound file")},
    {QT_TRANSLATE_NOOP("StringTable", "Next sound file")},
    {QT_TRANSLATE_NOOP("StringTable", "Play")},
    {QT_TRANSLATE_NOOP("StringTable", "Stop playing")},
    {QT_TRANSLATE_NOOP("StringTable", "Start recording")},
    {QT_TRANSLATE_NOOP("StringTable", "Stop recording")},
    {QT_TRANSLATE_NOOP("StringTable", "Sound log")},
    {QT_TRANSLATE_NOOP("StringTable", "Only claps")},
    {QT_TRANSLATE_NOOP(
        "StringTable",
        "Answer only to a clap, not to talk, music or the television; the threshold is then how "
        "much louder than the room the clap must be")},
}};

// A row still written as {"English", "Russian"} would pass its Russian text for a
// disambiguation and show English in every language: disambiguations are plain ASCII notes.
constexpr bool disambiguationsAreNotes() {
    for (const Source &row : Table) {
        for (const char *c = row.disambiguation; c && *c; ++c) {
            if (static_cast<unsigned char>(*c) >= 0x80)
                return false;
        }
    }
    return true;
}
static_assert(disambiguationsAreNotes(),
              "a row holds a translation: the catalogues under translations/ hold those");

constexpr std::array<const char *, 10> KindCaptions{"+ -", "* /", "< >", "1/2",     "0.5",
                                                    "ln",  "log", "!",   "sin cos", "tg ctg"};

} // namespace

QString UiText(UiKey key, qint32 languageIndex) {
    const int row = int(key);
    if (row < 0 || row >= UiKeyCount || !IsInterfaceLanguage(languageIndex))
        return {};
    return TranslatedText(languageIndex, "StringTable", Table[std::size_t(row)].text,
                          Table[std::size_t(row)].disambiguation);
}

QString KindCaption(int kind) {
    if (kind < 1 || kind > int(KindCaptions.size()))
        return {};
    return QString::fromUtf8(KindCaptions[kind - 1]);
}

void StringTable::refill() {
    if (!IsInterfaceLanguage(LanguageIndex))
        return;
    for (int row = 0; row < UiKeyCount; ++row)
        texts_[std::size_t(row)] = UiText(UiKey(row), LanguageIndex);
}

void StringTable::LoadLanguage() {
    LanguageIndex = StoredInterfaceLanguage();
}

void StringTable::SaveLanguage() const {
    SettingsKey key;
    key.writeInteger(QLatin1String(InterfaceLanguageSetting), LanguageIndex);
    key.close();
}

} // namespace numbrook
