#include "app/runState.h"

void RunState::prepareRepeat(bool withHinted) {
    order = wrongNumbers;
    if (withHinted)
        order += hintNumbers;
    wrongNumbers.clear();
    hintNumbers.clear();
    questionCount = remaining = int(order.size());
    wrongCount = hintCount = successPercent = 0;
}
