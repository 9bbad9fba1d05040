#pragma once

// TNastaveni, "Nastavení programu Tarmelka 2003": the settings dialog.

#include "core/settings/profiles.h"
#include "core/settings/settings.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

// The settings dialog: categories, licence group, protocol switches and user
// profiles. It works on a copy of the Settings and hands the copy back on
// "OK"; the caller applies it. Nothing here writes config.ini.
// The object names of the category switches, in the categories' order.
inline constexpr std::array<const char*, 7> kCategoryBoxes{
    "cbPravidla", "cbOpravneni", "cbZakonDoprava", "cbZdravoveda",
    "cbPodminky", "cbZnacky",    "cbKrizovatky"};

class TNastaveni : public QDialog {
    Q_OBJECT
  public:
    explicit TNastaveni(const Settings& current, QWidget* owner = nullptr);
    ~TNastaveni() override;

    // Shows the dialog centred on owner. The changed Settings on "OK";
    // nothing on "Storno" or the close box.
    static std::optional<Settings> edit(const Settings& current, QWidget* owner);

    // The Settings as "OK" applies them.
    Settings chosenSettings() const;
    QString currentProfileName() const { return currentProfileName_; }

  protected:
    // Neither Enter nor Esc closes the dialog.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void setTabOrder();
    void FormCreate();
    void btnOKClick();
    void btnStormoClick();
    void btnVytvoritUClick();
    void btnVymazatUClick();
    void comboProfilClick(int index);
    void fillProfiles(const QString& shown);

    Settings current_;
    profiles::ProfileList list_;
    QString currentProfileName_;

    std::array<QCheckBox*, 7> categoryBoxes_{};
    std::array<QCheckBox*, 3> protocolBoxes_{};
    std::array<QRadioButton*, 8> groupButtons_{};
    QComboBox* comboProfil_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnStormo_ = nullptr;
    QPushButton* btnVytvoritU_ = nullptr;
    QPushButton* btnVymazatU_ = nullptr;
};
