#include "gui/results/progressModule.h"

#include "gui/results/progressWindow.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT void tarmelkaShowProgress(const Settings& settings,
                                                   const StorePlace& place,
                                                   const BankIndex& index,
                                                   QRandomGenerator& generator, QWidget* owner) {
    TPokrok::run(settings, place, index, generator, owner);
}

// The entry keeps the type the program calls it by.
static_assert(std::is_same_v<decltype(&tarmelkaShowProgress), ShowProgress>);
