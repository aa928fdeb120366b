// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "StringTable.h"

#include "SettingsKey.h"

namespace numbrook {

namespace {

struct Texts {
    const char *english;
    const char *russian;
};

// One row per key, in the order of UiKey.
constexpr std::array<Texts, UiKeyCount> Table{{
    {"English", "Русский"},
    {"Interface", "Интерфейс"},
    {"Questions settings", "Настройки вопросов"},
    {"Actions settings", "Настройки действий"},
    {"Display settings", "Настройки дисплея"},
    {"System settings", "Настройки системы"},
    {"Level", "Сложность"},
    {"Questions complexity level", "Сложность вопросов"},
    {"Speed", "Скорость"},
    {"Question change speed", "Скорость смены вопросов"},
    {"Actions", "Действия"},
    {"Permitted actions", "Разрешенные действия"},
    {"Resolution", "Разрешение"},
    {"Display resolution", "Разрешение дисплея"},
    {"Hotkeys", "Горячие клавиши"},
    {"Hotkeys selection", "Выбор горячих клавиш"},
    {"Show hints", "Показывать подсказки"},
    {"Show hints", "Показывать всплывающие подсказки"},
    {"Auto minimization", "Минимизация"},
    {"Auto minimization program at the start", "Авто минимизация программы при запуске"},
    {"Autorun", "Автозапуск"},
    {"Autorun program at the start of Windows", "Автозапуск программы при старте Windows"},
    {"Show SPDIF", "Показывать SPDIF"},
    {"Show SPDIF device", "Показывать SPDIF устройства"},
    {"Points", "Баллы"},
    {"Display points", "Показывать баллы"},
    {"Hint", "Подсказка"},
    {"Show hint", "Показывать подсказку"},
    {"*ESC - display close", "*ESC - закрыть дисплей"},
    {"See help file", "Показать файл помощи"},
    {"Go to our website", "Перейти на наш сайт"},
    {"Minimize to tray", "Свернуть программу в Tray"},
    {"Exit the program", "Выйти из программы"},
    {"Visit the program page", "Посетить страницу программы"},
    {"Summation and subtraction", "Сложение и вычитание"},
    {"Multiplication and division", "Умножение и деление"},
    {"More and less", "Больше и меньше"},
    {"Binary fractions", "Двоичные дроби"},
    {"Decimal fraction", "Десятичные дроби"},
    {"Hyperbolic logarithm", "Натуральный логарифм"},
    {"Briggs logarithm", "Десятичный логарифм"},
    {"Factorial", "Факториал"},
    {"Sinus and cosine", "Синус и косинус"},
    {"Tangent and cotangent", "Тангенс и котангенс"},
    {"Soundcard", "Звуковка"},
    {"Microphone", "Микрофон"},
    {"L", "Л"},
    {"R", "П"},
    {"Lvl", "Lvl"},
    {"External file", "Внешний файл"},
    {"Delay", "Задержка"},
    {"Porog", "Порог"},
    {"The number of threads Out: ", "Количество потоков Out: "},
    {"The number of threads In:  ", "Количество потоков In:  "},
    {"Total:", "Всего:"},
    {"Correct:", "Верно:"},
    {"Wrong:", "Неверно:"},
    {"Points:", "Баллы:"},
    {"Is the expression correct?", "Верно ли выражение?"},
    {"The answer key works only while a Numbrook window has the focus.",
     "Клавиша ответа работает, только пока активно окно Numbrook."},
    {"Results", "Результаты"},
    {"Start", "Старт"},
    {"Previous speed", "Предыдущая скорость"},
    {"Next speed", "Следующая скорость"},
    {"Previous microphone", "Предыдущий микрофон"},
    {"Next microphone", "Следующий микрофон"},
    {"Previous answer key", "Предыдущая клавиша ответа"},
    {"Next answer key", "Следующая клавиша ответа"},
    {"Previous language", "Предыдущий язык"},
    {"Next language", "Следующий язык"},
    {"Microphone signal", "Сигнал микрофона"},
    {"Answer key signal", "Сигнал клавиши ответа"},
    {"Threshold", "Порог"},
    {"Microphone volume", "Громкость микрофона"},
    {"Microphone level", "Уровень микрофона"},
    {"Sound playing", "Воспроизведение звука"},
    {"Question", "Вопрос"},
    {"Large text", "Крупный текст"},
    {"Show the question across the board", "Показывать вопрос во всю доску"},
    {"Only claps", "Только хлопки"},
    {"Answer only to a clap, not to talk, music or the television; the threshold is then how "
     "much louder than the room the clap must be",
     "Отвечать только на хлопок, а не на речь, музыку или телевизор; порог тогда — насколько "
     "хлопок громче комнаты"},
}};

const QString LanguageValue = QStringLiteral("Languare");

constexpr std::array<const char *, 10> KindCaptions{"+ -", "* /", "< >", "1/2",     "0.5",
                                                    "ln",  "log", "!",   "sin cos", "tg ctg"};

} // namespace

QString UiText(UiKey key, qint32 languageIndex) {
    const int row = int(key);
    if (row < 0 || row >= UiKeyCount)
        return {};
    if (languageIndex == LanguageEnglish)
        return QString::fromUtf8(Table[row].english);
    if (languageIndex == LanguageRussian)
        return QString::fromUtf8(Table[row].russian);
    return {};
}

QString KindCaption(int kind) {
    if (kind < 1 || kind > int(KindCaptions.size()))
        return {};
    return QString::fromUtf8(KindCaptions[kind - 1]);
}

void StringTable::refill() {
    if (LanguageIndex != LanguageEnglish && LanguageIndex != LanguageRussian)
        return;
    for (int row = 0; row < UiKeyCount; ++row)
        texts_[row] = UiText(UiKey(row), LanguageIndex);
}

void StringTable::LoadLanguage() {
    // A value of another type reads as missing, which means English. So does an index that
    // names no language: it would leave every caption and the language field blank.
    LanguageIndex = SettingsKey().readInteger(LanguageValue).value_or(LanguageEnglish);
    if (LanguageIndex != LanguageEnglish && LanguageIndex != LanguageRussian) {
        LanguageIndex = LanguageEnglish;
    }
}

void StringTable::SaveLanguage() const {
    SettingsKey key;
    key.writeInteger(LanguageValue, LanguageIndex);
    key.close();
}

} // namespace numbrook
