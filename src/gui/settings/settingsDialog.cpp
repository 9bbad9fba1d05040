#include "gui/settings/settingsDialog.h"

#include "core/questions/bank.h"
#include "gui/ui/centring.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

struct GroupButton {
    const char16_t* group; // the button is named "rb" + group
    const char16_t* caption;
    int x, y, width;
};

// In keyboard order; the starred groups differ from the plain one only by
// limits within the group, so they share its questions and points.
constexpr std::array<GroupButton, 8> kGroupButtons{{
    {u"A", u"A", 8, 16, 70},
    {u"A1", u"A1", 80, 16, 70},
    {u"AM", u"AM", 152, 16, 70},
    {u"B", u"B (B+E) *", 8, 32, 70},
    {u"B1", u"B1", 80, 32, 70},
    {u"T", u"T", 152, 32, 70},
    {u"C", u"C (C1, C+E, C1+E) *", 8, 48, 225},
    {u"D", u"D (D1, D+E, D1+E) *", 8, 64, 225},
}};

constexpr std::array<const char16_t*, 3> kProtocolCaptions{
    u"Procvičování testových otázek (z určitých či všech kategorií)",
    u"Zkoušení testových otázek (z určitých či všech kategorií)",
    u"Testu z pravidel silničního provozu",
};
constexpr std::array<const char*, 3> kProtocolNames{"cbProcvicovani", "cbZkouseni", "cbTest"};

// Delphi-sized check boxes and radio buttons: 17 px high, rows 16 px apart.
constexpr int kBoxHeight = 17;

// A frame whose caption sits on its top line, as in the classic dialog, so
// that the first row of boxes at 16 px clears the line. The platform style
// draws the line below the caption, through that row.
class ClassicFrame : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QFontMetrics fm(font());
        const int line = fm.height() / 2;
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(0, line, width() - 1, height() - line - 1);
        const QRect caption(6, 0, fm.horizontalAdvance(title()) + 4, fm.height());
        p.fillRect(caption, palette().window());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
    }
};

QGroupBox* frame(QWidget* parent, const char* name, const QString& title, QRect place) {
    auto* box = new ClassicFrame(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    b->setAutoDefault(false); // Enter must not press a button for the learner
    return b;
}

QStringList profileNames(const Settings& s) {
    QStringList names;
    const int count = std::clamp(s.profileCount, 0, kMaxProfiles);
    for (int i = 0; i < count; ++i)
        names << s.profiles[i];
    return names;
}

} // namespace

TNastaveni::TNastaveni(const Settings& current, QWidget* owner)
    : QDialog(owner), current_(current), list_(profileNames(current)) {
    setObjectName(u"TNastaveni"_s);
    setWindowTitle(u"Nastavení programu Tarmelka 2003"_s);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(566, 311);
    setFont(windowFont());
    buildControls();
    setTabOrder();
    FormCreate();
}

std::optional<Settings> TNastaveni::edit(const Settings& current, QWidget* owner) {
    TNastaveni dialog(current, owner);
    centreOn(&dialog, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenSettings();
}

TNastaveni::~TNastaveni() {
    // The profile box may still report a choice while QDialog takes its
    // children down, when this object is no TNastaveni any more.
    disconnect(comboProfil_, nullptr, this, nullptr);
}

void TNastaveni::buildControls() {
    QGroupBox* gbZK =
        frame(this, "gbZK", u"Procvičovat/zkoušet otázky z kategorie:"_s, {8, 8, 305, 137});
    for (int i = 0; i < bank::kCategoryCount; ++i) {
        auto* box = new QCheckBox(bank::categoryTitles()[i], gbZK);
        box->setObjectName(QString::fromLatin1(kCategoryBoxes[i]));
        box->setGeometry(8, 16 + 16 * i, 305 - 8,
                         kBoxHeight); // the longest caption needs all of it
        categoryBoxes_[i] = box;
    }

    QGroupBox* gbSkupina =
        frame(this, "gbSkupina", u"Skupina řidičského oprávnění:"_s, {320, 8, 241, 89});
    for (std::size_t i = 0; i < kGroupButtons.size(); ++i) {
        const GroupButton& g = kGroupButtons[i];
        auto* rb = new QRadioButton(QString::fromUtf16(g.caption), gbSkupina);
        rb->setObjectName(u"rb"_s + QString::fromUtf16(g.group));
        rb->setGeometry(g.x, g.y, g.width, kBoxHeight);
        groupButtons_[i] = rb;
    }

    auto* lbHvezda = new QLabel(u"*"_s, this);
    lbHvezda->setObjectName(u"lbHvezda"_s);
    lbHvezda->move(320, 104);
    lbHvezda->adjustSize();
    auto* stPozn = new QLabel(u"skupiny v závorce se od skupiny před závorkou liší pouze omezením "
                              u"v rámci skupiny (otázky pro ně i počet bodů je všude stejný)"_s,
                              this);
    stPozn->setObjectName(u"stPozn"_s);
    stPozn->setTextFormat(Qt::PlainText);
    stPozn->setWordWrap(true);
    stPozn->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    stPozn->setGeometry(328, 104, 233, 41);

    QGroupBox* gbProtokol = frame(this, "gbProtokol", u"Vytvářet protokol u:"_s, {8, 152, 553, 73});
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(QString::fromUtf16(kProtocolCaptions[i]), gbProtokol);
        box->setObjectName(QString::fromLatin1(kProtocolNames[i]));
        box->setGeometry(8, 16 + 16 * i, 553 - 16, kBoxHeight);
        protocolBoxes_[i] = box;
    }

    QGroupBox* gbProfil = frame(this, "gbProfil", u"Profil uživatele:"_s, {8, 232, 369, 65});
    comboProfil_ = new QComboBox(gbProfil);
    comboProfil_->setAccessibleName(u"Profil uživatele"_s);
    comboProfil_->setObjectName(u"comboProfil"_s);
    comboProfil_->setEditable(true);
    comboProfil_->setInsertPolicy(QComboBox::NoInsert); // typed text is never a new profile
    comboProfil_->setMaxVisibleItems(kMaxProfiles);
    comboProfil_->setGeometry(16, 24, 169, 21);
    comboProfil_->installEventFilter(this);
    comboProfil_->lineEdit()->installEventFilter(this);
    comboProfil_->lineEdit()->setAccessibleName(u"Jméno profilu"_s);
    btnVytvoritU_ = button(gbProfil, "btnVytvoritU", u"Vytvořit"_s, {200, 22, 75, 25});
    btnVymazatU_ = button(gbProfil, "btnVymazatU", u"Vymazat"_s, {280, 22, 75, 25});

    btnOK_ = button(this, "btnOK", u"OK"_s, {400, 256, 75, 25});
    btnStormo_ = button(this, "btnStormo", u"Storno"_s, {480, 256, 75, 25});

    connect(btnOK_, &QPushButton::clicked, this, &TNastaveni::btnOKClick);
    connect(btnStormo_, &QPushButton::clicked, this, &TNastaveni::btnStormoClick);
    connect(btnVytvoritU_, &QPushButton::clicked, this, &TNastaveni::btnVytvoritUClick);
    connect(btnVymazatU_, &QPushButton::clicked, this, &TNastaveni::btnVymazatUClick);
    connect(comboProfil_, &QComboBox::activated, this, &TNastaveni::comboProfilClick);
}

void TNastaveni::setTabOrder() {
    QList<QWidget*> order{btnOK_, btnStormo_};
    for (QWidget* w : categoryBoxes_)
        order << w;
    for (QWidget* w : groupButtons_)
        order << w;
    for (QWidget* w : protocolBoxes_)
        order << w;
    order << comboProfil_ << btnVytvoritU_ << btnVymazatU_;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    btnOK_->setFocus();
}

void TNastaveni::FormCreate() {
    for (int i = 0; i < bank::kCategoryCount; ++i)
        categoryBoxes_[i]->setChecked(current_.categories[i]);
    for (int i = 0; i < 3; ++i)
        protocolBoxes_[i]->setChecked(current_.protocols[i]);
    // A group no button names (a hand-edited file) leaves every button clear.
    for (QRadioButton* rb : groupButtons_)
        rb->setChecked(rb->objectName() == u"rb"_s + current_.group);
    fillProfiles(current_.activeProfile);
    currentProfileName_ = comboProfil_->currentText();
}

void TNastaveni::fillProfiles(const QString& shown) {
    comboProfil_->clear();
    comboProfil_->addItems(list_.names());
    comboProfil_->setEditText(shown);
}

Settings TNastaveni::chosenSettings() const {
    Settings s = current_;
    for (int i = 0; i < bank::kCategoryCount; ++i)
        s.categories[i] = categoryBoxes_[i]->isChecked();
    for (int i = 0; i < 3; ++i)
        s.protocols[i] = protocolBoxes_[i]->isChecked();
    for (std::size_t i = 0; i < kGroupButtons.size(); ++i)
        if (groupButtons_[i]->isChecked())
            s.group = QString::fromUtf16(kGroupButtons[i].group);
    const QStringList& names = list_.names();
    s.profileCount = int(names.size());
    for (int i = 0; i < kMaxProfiles; ++i)
        s.profiles[i] = i < names.size() ? names[i] : QString();
    const int shown = list_.indexOf(comboProfil_->currentText());
    s.activeProfile = shown >= 0 ? names[shown] : currentProfileName_;
    return s;
}

void TNastaveni::btnOKClick() {
    accept();
}

void TNastaveni::btnStormoClick() {
    reject();
}

void TNastaveni::btnVytvoritUClick() {
    QInputDialog input(this);
    input.setObjectName(u"InputBox"_s);
    input.setWindowTitle(u"Vytvoření nového profilu"_s);
    input.setLabelText(u"Nový profil:"_s);
    input.setTextValue(u"Profil"_s);
    input.setOkButtonText(u"OK"_s);
    input.setCancelButtonText(u"Storno"_s);
    if (auto* edit = input.findChild<QLineEdit*>())
        edit->setMaxLength(profiles::kMaxNameLength); // the learner sees the limit while typing
    if (input.exec() != QDialog::Accepted)
        return;

    QString added;
    switch (list_.add(input.textValue(), &added)) {
    case profiles::AddOutcome::Added:
        fillProfiles(added);
        currentProfileName_ = added;
        break;
    case profiles::AddOutcome::Refused:
        msg::error(this, u"Tento profil nelze vytvořit!"_s);
        break;
    case profiles::AddOutcome::Full:
        msg::error(this, u"Nový profil nemohl být vytvořen!\nLze vytvořit pouze %1 profilů."_s.arg(
                             kMaxProfiles));
        break;
    case profiles::AddOutcome::Present:
        msg::info(this, u"Tento profil je již vytvořen!"_s);
        break;
    }
}

void TNastaveni::btnVymazatUClick() {
    if (list_.remove(comboProfil_->currentText()) == profiles::RemoveOutcome::BaseProfile) {
        msg::error(this, u"Nelze odstranit základní profil!"_s);
        return;
    }
    fillProfiles(profiles::kBaseProfile);
    currentProfileName_ = profiles::kBaseProfile;
}

void TNastaveni::comboProfilClick(int index) {
    if (index >= 0 && index < list_.count())
        currentProfileName_ = list_.names()[index];
}

void TNastaveni::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TNastaveni::eventFilter(QObject* watched, QEvent* event) {
    // comboProfilKeyPress: Enter and Esc drop the typed text and bring back
    // the profile the box last stood on.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            comboProfil_->setEditText(currentProfileName_);
            comboProfil_->lineEdit()->selectAll();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
