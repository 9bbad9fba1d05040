#pragma once

// THlavniFormular, "Tarmelka 2003": the main window with its menus, the
// question area and the help panel.

#include "core/base/clock.h"
#include "core/base/paths.h"
#include "core/questions/questionTable.h"
#include "core/questions/selection.h"
#include "core/records/purge.h"
#include "core/store/tableStore.h"
#include "core/settings/settings.h"
#include "core/study/mode.h"
#include "core/study/practiceRun.h"

#include <QRandomGenerator>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class HelpPanel;
enum class RecordOutcome;
class QuestionArea;
class SchoolLink;

// The fourth panel of the status bar, while no school server takes it.
inline const QString kCopyrightPanel = QStringLiteral("© 2003–2026 tým Tarmelka");
class Speaker;

// The main window: menus, the idle picture, the question area and help panel
// of the running mode, and the run state of a practice or examination.
class THlavniFormular : public QWidget {
    Q_OBJECT
  public:
    explicit THlavniFormular(const AppPaths& paths, QWidget* parent = nullptr);
    ~THlavniFormular() override;

    // Opens the question table and loads the settings; false (after telling
    // the learner why) when the program cannot run.
    bool FormCreate();

    void SetMode(Mode mode, bool on);
    void NextQuestion();
    bool StartRun(bool examination);
    void EvaluateAnswer();
    void setClock(const Clock& clock) { clock_ = clock; }
    Mode currentMode() const { return mode_; }
    void ShowHintInStatusBar(const QString& hint);

    Settings& settings() { return settings_; }
    PracticeRun& run() { return run_; }
    const AppPaths& paths() const { return paths_; }
    QuestionTable& table() { return table1_; }
    QuestionArea* questionArea() const { return pOtazky_; }
    HelpPanel* helpPanel() const { return pPomoc_; }
    Speaker* speaker() const { return speaker_; }
    ViewChoices& view() { return view_; }
    QLabel* statusPanel(int index) const { return panels_[index]; }

    // Shows the Settings in the status bar, the group item and the run commands.
    void showSettings();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildClient();
    void buildMenus();
    void loadPictures();
    void LoadSettings();
    void M1UlozitNastaveniClick();
    void M1NastaveniClick();
    void M1TestClick();
    void showResults(RunKind kind);
    void smProcClick();
    void smZkouClick();
    void M1VysledekTestuClick();
    void M1NejslabsiClick();
    void M1PokrokClick();
    void M1OProgramuClick();
    void M1NapovedaClick();
    void M1StavovyRadekClick();
    void M1PostupnyVyberClick();
    void M1NahodnyVyberClick();
    void M2KonecRezimuClick();
    void M1ZvetseniClick(int percent);
    void M1CteniNahlasClick();
    void readAloud(); // the question on screen, when reading aloud is on
    void attachMenu(QMenuBar* menu);
    void showViewChoices();
    RunKind runKind() const;
    // The bank as the draw sees it; nothing, after telling why, on a store error.
    std::optional<BankIndex> bankIndex();
    // Whether the settings leave any question to ask; tells the learner if not.
    bool anySelectable(int total);
    RecordOutcome storeResult(RunKind kind);
    void startPracticeOrExamination(bool examination);
    void stAClick(int answer);
    void pOtazkyMouseDown();
    void M2OznacSpravneClick();
    void finishRun();
    void recordAnswer(bool right, bool hint);
    QString historyError_;    // the first failed write of the answer history in this run
    bool mayExplain_ = false; // practice, wrong verdict on screen: P shows the note
    void askNextQuestion();

    AppPaths paths_;
    Settings settings_;
    ViewChoices view_;
    Mode mode_ = Mode::Idle;
    ProfileHistory profileHistory_;
    QuestionTable table1_;
    QRandomGenerator generator_{QRandomGenerator::securelySeeded()};
    PracticeRun run_{generator_};
    Clock clock_ = systemClock();

    QWidget* client_ = nullptr;
    QLabel* imgPozadi_ = nullptr;
    QStatusBar* stavovyRadek1_ = nullptr;
    QLabel* panels_[4] = {};
    QuestionArea* pOtazky_ = nullptr;
    HelpPanel* pPomoc_ = nullptr;
    Speaker* speaker_ = nullptr;
    SchoolLink* school_ = nullptr;
    // Where the lists and the progress read: the school's server while it
    // answers, else this PC's folder.
    StorePlace recordsPlace();
    // Queues a copy of records just stored here for the school's server.
    void copyForSchool(const TableSchema& table, const QList<Row>& rows);
    void showSchoolState();
    void M1ServerSkolyClick();
    void M1PrehledTridyClick();

    QMenuBar* menu1_ = nullptr;
    QMenuBar* menu2_ = nullptr;
    QAction *M1Ukoncit_, *M1Skupina_, *M1Nastaveni_, *M1StavovyRadek_, *M1PostupnyVyber_,
        *M1NahodnyVyber_, *M1UlozitNastaveni_, *M1Prohlizet_, *M1Procvicovat_, *M1Zkouset_,
        *M1Test_, *smProc_, *smZkou_, *M1VysledekTestu_, *M1OProgramu_, *M1Napoveda_, *M1Nejslabsi_,
        *M1Pokrok_, *M1CteniNahlas_, *M1ServerSkoly_, *M1PrehledTridy_;
    QMenu* M1Zvetseni_ = nullptr;
    QAction *M2KonecRezimu_, *M2OznacSpravne_, *M2oProgramu_;
};
