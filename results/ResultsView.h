// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The results window as the rest of the program sees it. The window, its charts and its
// report live in a library of their own that the program loads when the parent first opens
// the window: the charting library and everything only the window needs are no part of the
// program's start-up.

#include <QtGlobal>

#include <memory>

class QString;
class QWidget;

namespace numbrook {

class ResultsStore;

class ResultsView {
public:
    virtual ~ResultsView() = default;
    // The window itself (a top-level widget named "fmResults").
    virtual QWidget *widget() = 0;
    // Sets every text anew in `languageIndex` and reloads the data.
    virtual void setLanguage(int languageIndex) = 0;
    // Reads everything from the store again (after a quiz, for example).
    virtual void reload() = 0;
    // Shows the results of child `id`, with the fluency time that child's settings give.
    virtual void setChild(qint64 id, int fluencyMs) = 0;
    // Moves the window beside `anchor` on its screen.
    virtual void placeBesideWindow(const QWidget &anchor) = 0;
};

// The entry point of the window's library, which builds the window.
using ResultsViewMaker = ResultsView *(*)(ResultsStore &store, int languageIndex, qint64 child,
                                          int fluencyMs);
inline constexpr char kResultsViewMakerName[] = "numbrook_make_results_view";
// The library's file name, looked for in the private folder numbrook of the library directory
// (the build tree and the installed layout alike) and in the program's own folder.
inline constexpr char kResultsViewLibrary[] = "libnumbrook-results-window.so";

// Builds the results window, loading its library first where it is not loaded yet; null, with
// a warning in the log that says why, when the library cannot be found or loaded.
std::unique_ptr<ResultsView> MakeResultsView(ResultsStore &store, int languageIndex, qint64 child,
                                             int fluencyMs);

} // namespace numbrook
