#include "core/study/reexamination.h"

#include "core/questions/bank.h"
#include "core/records/resultRecord.h"

using namespace Qt::StringLiterals;

namespace {
const QString kDamaged = u"Záznam výsledku je poškozen: "_s;

bool askable(int number) {
    return number >= 1 && number <= bank::kQuestionCount && !bank::isRetired(number);
}
} // namespace

std::optional<Reexamination> reexaminationOf(const ResultRecord& result, RunKind kind,
                                             QString* refusal) {
    auto refuse = [refusal](const QString& why) -> std::optional<Reexamination> {
        if (refusal)
            *refusal = kDamaged + why;
        return std::nullopt;
    };
    Reexamination again{{}, kind, result.group, result.categories};
    if (result.wrongCount > 0)
        again.order += result.wrongNumbers;
    if (result.hintCount > 0)
        again.order += result.hintNumbers;
    // Counts that promise questions with no number behind them would start
    // a run over nothing.
    if (again.order.isEmpty())
        return refuse(u"neobsahuje čísla otázek, které by bylo možné znovu prozkoušet."_s);
    for (int number : std::as_const(again.order))
        if (!askable(number))
            return refuse(u"otázka číslo %1 nemůže být položena."_s.arg(number));
    if (!bank::isGroup(result.group))
        return refuse(u"neznámá skupina „%1“."_s.arg(result.group));
    return again;
}
