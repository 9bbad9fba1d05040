#pragma once

#include <QList>
#include <QString>

// The variables of the current practice or examination run, owned by the
// main window and rewritten by the dialogs that end or repeat a run.
struct RunState {
    int questionCount = 0;
    int remaining = 0;
    int startPosition = 0;
    int wrongCount = 0;
    int hintCount = 0;
    int successPercent = 0;
    QList<int> wrongNumbers;
    QList<int> hintNumbers;
    QList<int> order;
    bool repeatRun = false;
    bool fromStoredResult = false;
    QString savedGroup;
    QString storedCategories;
    int currentNumber = 0;
    int rangeLow = 0;
    int rangeHigh = 0;
    bool awaitingAnswer = false;
    QString correctLetters;
    QString questionGroup;

    // Sets the run up to ask again its wrong questions, followed by the
    // hinted ones when those are included, with fresh counters.
    void prepareRepeat(bool withHinted);
};
