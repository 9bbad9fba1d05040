#pragma once

#include "core/store/storePlace.h"

#include <QString>
#include <QStringList>

class QRandomGenerator;
class QWidget;
struct BankIndex;
struct Settings;

// Where the progress view's module may stand: beside the executable (a
// program folder), or in the installed library folder.
QStringList progressModuleFolders();

// Loads the progress view's module from the first of the folders that holds
// it and shows the view; a module that is missing or damaged is told in
// Czech and the program goes on.
void showProgressView(const Settings& settings, const StorePlace& place, const BankIndex& index,
                      QRandomGenerator& generator, QWidget* owner,
                      const QStringList& moduleFolders = progressModuleFolders());
