#include "gui/results/protocolReportDialog.h"

#include "core/base/windows1250.h"
#include "core/pointstest/testReport.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "gui/ui/widgets.h"

#include "gui/ui/czechFileModel.h"
#include <QDir>

#include <QFileDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// The report's lines are 47 characters wide; at this size they fit the box.
constexpr int kReportPixels = 11;
constexpr qreal kPrintPoints = 8;
} // namespace

QString TTestDetailForm::chooseSaveFile(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setObjectName(u"SaveDialog1"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(u"Textové soubory (*.txt)"_s);
    // The report goes to the chosen name plus ".txt", which replaces an
    // existing file without asking; a question about the chosen name itself
    // would ask about the wrong file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog); // our own Czech file list below
    dialog.setProxyModel(new CzechFileModel(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

TTestDetailForm::TTestDetailForm(const ProtocolRecord& protocol, QWidget* owner,
                                 SaveChooser chooser)
    : QDialog(owner, kDialogFlags), lines_(testreport::lines(protocol)),
      chooser_(std::move(chooser)) {
    setObjectName(u"TestDetailForm"_s);
    setWindowTitle(testreport::caption(protocol));
    setFont(windowFont());
    setFixedSize(392, 466);

    auto* btnOK = placeButton(this, "btnOK", u"&OK"_s, {32, 432, 105, 25});
    auto* btnTisk = placeButton(this, "btnTisk", u"&Vytisknout"_s, {144, 432, 105, 25});
    auto* btnUloz = placeButton(this, "btnUloz", u"&Uložit do souboru"_s, {256, 432, 105, 25});

    mProtokol_ = new QPlainTextEdit(this);
    mProtokol_->setObjectName(u"mProtokol"_s);
    mProtokol_->setGeometry(0, 0, 392, 425);
    mProtokol_->setFont(courierFont(kReportPixels));
    mProtokol_->setReadOnly(true);
    mProtokol_->setAccessibleName(u"Protokol z testu"_s);
    mProtokol_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    mProtokol_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Columns only line up unbroken; a long profile name scrolls instead.
    mProtokol_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette palette = mProtokol_->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    mProtokol_->setPalette(palette);
    mProtokol_->setPlainText(lines_.join(u'\n'));
    mProtokol_->moveCursor(QTextCursor::Start);

    setTabOrder(btnOK, btnTisk);
    setTabOrder(btnTisk, btnUloz);
    setTabOrder(btnUloz, mProtokol_);
    btnOK->setFocus();

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnTisk, &QPushButton::clicked, this, &TTestDetailForm::btnTiskClick);
    connect(btnUloz, &QPushButton::clicked, this, &TTestDetailForm::btnUlozClick);
}

namespace {
QString printerName(const QPrinter& printer) {
    return printer.outputFileName().isEmpty() ? printer.printerName()
                                              : QDir::toNativeSeparators(printer.outputFileName());
}
} // namespace

bool TTestDetailForm::printReport(QPrinter& printer, QString* error) const {
    printer.setDocName(windowTitle());
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = u"Protokol nelze vytisknout, tisk se nepodařilo zahájit (%1)."_s.arg(
            printerName(printer));
        return false;
    }
    // The box's face at the size it stands for on paper, so the columns
    // keep to one character width.
    QFont font = mProtokol_->font();
    font.setPointSizeF(kPrintPoints);
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal lineHeight = metrics.lineSpacing();
    const qreal pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const int perPage = qMax(1, int(pageHeight / lineHeight));
    for (int i = 0; i < lines_.size(); ++i) {
        if (i > 0 && i % perPage == 0 && !printer.newPage()) {
            *error = u"Protokol se nepodařilo vytisknout celý, tiskárna nepřijala další "
                     u"stránku (%1)."_s.arg(printerName(printer));
            return false;
        }
        painter.drawText(QPointF(0, (i % perPage) * lineHeight + metrics.ascent()), lines_[i]);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        *error = u"Protokol se nepodařilo vytisknout (%1)."_s.arg(printerName(printer));
        return false;
    }
    return true;
}

bool TTestDetailForm::saveReport(const QString& chosenName, QString* error) const {
    // Every name gets the extension, even one that already ends in it.
    const QString path = chosenName + u".txt"_s;
    const QString shown = QDir::toNativeSeparators(path);
    if (!cp1250::encodable(lines_.join(u'\n'))) {
        *error = u"Protokol nelze uložit do souboru %1:\nobsahuje znaky, které kódování "
                 u"Windows-1250 nezná."_s.arg(shown);
        return false;
    }
    QString reason;
    if (!cp1250::writeLines(path, lines_, &reason)) {
        *error = u"Protokol nelze uložit do souboru %1:\n%2"_s.arg(shown, reason);
        return false;
    }
    return true;
}

void TTestDetailForm::btnTiskClick() {
    QPrinter printer(QPrinter::HighResolution);
    // Comfortable margins unless the learner sets others in the dialog; the
    // printer's own minimum is a few millimetres from the edge.
    printer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(u"PrintDialog1"_s);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!printReport(printer, &error))
        msg::error(this, error);
}

void TTestDetailForm::btnUlozClick() {
    const QString name = chooser_(this);
    if (name.isEmpty())
        return;
    QString error;
    if (!saveReport(name, &error))
        msg::error(this, error);
}
