#pragma once

#include "core/study/practiceRun.h"

#include <QList>
#include <QString>

#include <optional>

struct ResultRecord;

// A run over the questions that went wrong in a stored result, as the main
// window starts it: the questions in asking order, the kind of run, and the
// stored result's group and categories, which the run takes over.
struct Reexamination {
    QList<int> order;
    RunKind kind = RunKind::Practice;
    QString group;
    QString categories;
};

// The wrong numbers, then (in a practice or an examination alike) the hinted
// ones, each list only when its count says it has questions. A record that
// cannot be asked again as stored (nothing to ask, a number that is no
// askable question, a group the program does not know) gives nothing and
// the reason in Czech.
std::optional<Reexamination> reexaminationOf(const ResultRecord& result, RunKind kind,
                                             QString* refusal);
