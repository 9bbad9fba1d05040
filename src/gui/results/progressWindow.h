#pragma once

// TPokrok, "Přehled pokroku": the progress view.

#include "core/progress/progress.h"

#include <QDialog>

class QRandomGenerator;
struct Settings;

// The progress view of the active profile: success over time, points of the
// points tests against the group's minimum, how each category stands and the
// forecast of passing the points test now.
class TPokrok : public QDialog {
    Q_OBJECT
  public:
    // Reads the profile's tables and shows the view; a store failure is
    // told in an error box and no view opens.
    static void run(const Settings& settings, const StorePlace& place, const BankIndex& index,
                    QRandomGenerator& generator, QWidget* owner);

    TPokrok(const Progress& progress, const QString& profile, const QString& group,
            QWidget* owner = nullptr);
};

// The forecast in words: "asi 37 %", "méně než 1 %".
QString chanceText(double probability);
