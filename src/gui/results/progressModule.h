#pragma once

// The progress view is a module of its own (tarmelka-progress.so), loaded on
// first use: the chart library it needs then stays out of the program's
// start-up. The module exports one entry, which runs TPokrok::run.

#include "core/store/storePlace.h"

#include <QString>

class QRandomGenerator;
class QWidget;
struct BankIndex;
struct Settings;

inline constexpr char kProgressModuleFile[] = "tarmelka-progress.so";
inline constexpr char kProgressModuleEntry[] = "tarmelkaShowProgress";
using ShowProgress = void (*)(const Settings& settings, const StorePlace& place,
                              const BankIndex& index, QRandomGenerator& generator,
                              QWidget* owner);
