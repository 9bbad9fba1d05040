#include "gui/results/progressWindow.h"

#include "core/questions/testPlan.h"
#include "core/settings/settings.h"
#include "gui/ui/centring.h"
#include "gui/ui/messages.h"
#include "gui/ui/widgets.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QGraphicsSimpleTextItem>
#include <QGridLayout>
#include <QGroupBox>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int kWidth = 960;
constexpr int kHeight = 700;

// Short names: the chart's axis has no room for the categories' full titles.
const auto& kShortTitles = bank::categoryShortTitles();

const QColor kUnseen(176, 176, 176);

QString number(qint64 n) {
    return QLocale(QLocale::Czech).toString(n);
}

// The figures of a series as a screen reader says them: "6.12. 9:30 40 %, …".
QString figures(const QString& name, const QList<ProgressPoint>& points, const QString& unit) {
    QStringList parts;
    for (const ProgressPoint& p : points)
        parts << p.when.toString(u"d.M.yyyy H:mm"_s) + u' ' + QString::number(p.value) + unit;
    return name + u": "_s + parts.join(u", "_s) + u'.';
}

// Tab stops at each chart, so a screen reader says its figures, and a frame
// shows where the focus is.
void reachableByTab(QWidget* part) {
    part->setFocusPolicy(Qt::TabFocus);
    part->setStyleSheet(u"%1:focus { border: 2px solid palette(highlight); }"_s.arg(
        QString::fromLatin1(part->metaObject()->className())));
}

QChartView* chartView(QWidget* parent, const char* name, QChart* chart,
                      const QString& description) {
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(250);
    view->setAccessibleName(chart->title());
    view->setAccessibleDescription(description);
    reachableByTab(view);
    return view;
}

// A time axis that spans the points with labels that never repeat.
QDateTimeAxis* timeAxis(const QList<const QList<ProgressPoint>*>& series) {
    QDateTime low, high;
    for (const auto* points : series)
        for (const ProgressPoint& p : *points) {
            if (!low.isValid() || p.when < low)
                low = p.when;
            if (!high.isValid() || p.when > high)
                high = p.when;
        }
    const TimeScale scale = timeScale(low, high);
    auto* axis = new QDateTimeAxis;
    axis->setFormat(scale.format);
    axis->setRange(scale.from, scale.to);
    axis->setTickCount(scale.ticks);
    return axis;
}

QLineSeries* line(const QString& name, const QList<ProgressPoint>& points, const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setColor(colour);
    series->setPointsVisible(true);
    for (const ProgressPoint& p : points)
        series->append(double(p.when.toMSecsSinceEpoch()), p.value);
    return series;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// From 0 to high, ticks every step; the range starts a little below 0, so a
// line at 0 stays visible above the axis.
QValueAxis* valueAxis(int high, int step, const QString& title, const QString& format) {
    auto* axis = new QValueAxis;
    axis->setRange(-0.03 * high, high);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setTitleText(title);
    axis->setLabelFormat(format);
    return axis;
}

// A place holder for a chart with nothing to draw yet.
QLabel* emptyChart(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumHeight(250);
    reachableByTab(label);
    return label;
}

QWidget* successChart(QWidget* parent, const Progress& p) {
    const QString title = u"Úspěšnost v procvičování a zkoušení"_s;
    if (p.practice.isEmpty() && p.examination.isEmpty())
        return emptyChart(parent, "chUspesnost",
                          title + u"\n\nZatím není uložen žádný výsledek procvičování ani "
                                  u"zkoušení. Výsledky se ukládají, když je v nastavení "
                                  u"zapnut protokol."_s);
    auto* chart = new QChart;
    chart->setTitle(title);
    QDateTimeAxis* x = timeAxis({&p.practice, &p.examination});
    QValueAxis* y = valueAxis(100, 20, u"úspěšnost (%)"_s, u"%d %"_s);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    // Only what has results gets a line and a place in the legend.
    if (!p.practice.isEmpty())
        attach(chart, line(u"Procvičování"_s, p.practice, colours::kBlue), x, y);
    if (!p.examination.isEmpty())
        attach(chart, line(u"Zkoušení"_s, p.examination, colours::kMaroon), x, y);
    return chartView(parent, "chUspesnost", chart,
                     figures(u"Procvičování"_s, p.practice, u" %"_s) + u' ' +
                         figures(u"Zkoušení"_s, p.examination, u" %"_s));
}

QWidget* pointsChart(QWidget* parent, const Progress& p, const QString& group) {
    const QString title = u"Body v testech na body"_s;
    if (p.tests.isEmpty())
        return emptyChart(parent, "chBody",
                          title + u"\n\nZatím není uložen žádný test na body. Testy se "
                                  u"ukládají, když je v nastavení zapnut protokol."_s);
    auto* chart = new QChart;
    chart->setTitle(title);
    QDateTimeAxis* x = timeAxis({&p.tests});
    QValueAxis* y = valueAxis(testplan::kMaxPoints, testplan::kMaxPoints / 5, u"body"_s, u"%d"_s);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(chart, line(u"Získané body"_s, p.tests, colours::kBlue), x, y);
    if (p.minPoints) {
        auto* minimum = new QLineSeries;
        minimum->setName(u"Minimum skupiny %1: %2 bodů"_s.arg(group).arg(*p.minPoints));
        QPen pen(colours::kWrong);
        pen.setStyle(Qt::DashLine);
        pen.setWidth(2);
        minimum->setPen(pen);
        minimum->append(double(x->min().toMSecsSinceEpoch()), *p.minPoints);
        minimum->append(double(x->max().toMSecsSinceEpoch()), *p.minPoints);
        attach(chart, minimum, x, y);
    }
    return chartView(parent, "chBody", chart,
                     figures(u"Získané body"_s, p.tests, u" bodů"_s) +
                         (p.minPoints ? u" Minimum %1 bodů."_s.arg(*p.minPoints) : QString()));
}

// Percentages written into the bars where they fit; a narrow part stays
// unlabelled rather than crowding its neighbours. Placed again whenever the
// plot area moves.
class BarLabels : public QObject {
  public:
    BarLabels(QChart* chart, QAbstractBarSeries* series, const QList<QList<int>>& percents)
        : QObject(chart), chart_(chart), series_(series), percents_(percents) {
        connect(chart, &QChart::plotAreaChanged, this, &BarLabels::place);
    }

  private:
    void place() {
        qDeleteAll(labels_);
        labels_.clear();
        for (int row = 0; row < percents_.size(); ++row) {
            int start = 0;
            for (int part = 0; part < percents_[row].size(); ++part) {
                const int value = percents_[row][part];
                const QPointF a = chart_->mapToPosition(QPointF(start, row), series_);
                const QPointF b = chart_->mapToPosition(QPointF(start + value, row), series_);
                start += value;
                auto* label = new QGraphicsSimpleTextItem(u"%1 %"_s.arg(value), chart_);
                label->setBrush(part == 2 ? Qt::black : Qt::white); // dark on the grey part
                label->setZValue(100);                              // above the bars
                const QRectF box = label->boundingRect();
                if (value == 0 || box.width() + 4 > b.x() - a.x()) {
                    delete label;
                    continue;
                }
                label->setPos((a.x() + b.x() - box.width()) / 2, a.y() - box.height() / 2);
                labels_ << label;
            }
        }
    }

    QChart* chart_;
    QAbstractBarSeries* series_;
    QList<QList<int>> percents_; // per category row, the parts in the sets' order
    QList<QGraphicsSimpleTextItem*> labels_;
};

QWidget* categoryChart(QWidget* parent, const Progress& p) {
    auto* chart = new QChart;
    chart->setTitle(u"Okruhy podle poslední odpovědi (v závorce otázky dosud bez odpovědi)"_s);
    QBarSet* sets[] = {new QBarSet(u"naposledy správně"_s), new QBarSet(u"naposledy špatně"_s),
                       new QBarSet(u"dosud bez odpovědi"_s)};
    const QColor colours[] = {colours::kRight, colours::kWrong, kUnseen};
    int totals[3] = {};
    QStringList names;
    QList<QList<int>> percents;
    // The chart lists its first category at the bottom; the first category
    // belongs on top, as in every other list of the program.
    for (int i = 6; i >= 0; --i) {
        const CategoryProgress& c = p.categories[i];
        const QList<int> parts{c.rightAtLast, c.seen - c.rightAtLast, c.neverSeen()};
        percents << percentages(parts);
        for (int k = 0; k < 3; ++k) {
            *sets[k] << percents.last()[k];
            totals[k] += parts[k];
        }
        names << u"%1 (%2)"_s.arg(kShortTitles[i]).arg(c.neverSeen());
    }
    auto* series = new QHorizontalStackedBarSeries;
    for (int k = 0; k < 3; ++k) {
        sets[k]->setColor(colours[k]);
        series->append(sets[k]);
    }
    series->setBarWidth(0.7);
    chart->addSeries(series);
    for (int k = 0; k < 3; ++k) // a part no category has stays out of the legend
        chart->legend()->markers(series)[k]->setVisible(totals[k] > 0);
    auto* y = new QBarCategoryAxis;
    y->append(names);
    auto* x = new QValueAxis;
    x->setRange(0, 100);
    x->setTitleText(u"podíl otázek okruhu (%)"_s);
    x->setLabelFormat(u"%d %"_s);
    chart->addAxis(y, Qt::AlignLeft);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(y);
    series->attachAxis(x);
    new BarLabels(chart, series, percents);
    QStringList rows;
    for (int i = 0; i < 7; ++i) // percents run from the last category up
        rows << u"%1: %2 % naposledy správně, %3 % naposledy špatně, %4 % bez odpovědi"_s
                    .arg(kShortTitles[i])
                    .arg(percents[6 - i][0])
                    .arg(percents[6 - i][1])
                    .arg(percents[6 - i][2]);
    return chartView(parent, "chOkruhy", chart, rows.join(u"; "_s) + u'.');
}

QGroupBox* forecastBox(QWidget* parent, const Progress& p, const QString& group) {
    auto* box = new QGroupBox(u"Předpověď testu na body"_s, parent);
    box->setObjectName(u"gbPredpoved"_s);
    auto* layout = new QVBoxLayout(box);
    auto* chance = new QLabel(box);
    chance->setObjectName(u"lbPravdepodobnost"_s);
    chance->setTextFormat(Qt::PlainText);
    chance->setWordWrap(true);
    // Half as large again, whether the window font is set in points or pixels.
    QFont big = chance->font();
    if (big.pixelSize() > 0)
        big.setPixelSize(big.pixelSize() * 3 / 2);
    else
        big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    chance->setFont(big);
    reachableByTab(chance);
    auto* detail = new QLabel(box);
    detail->setObjectName(u"lbPredpovedPodrobne"_s);
    detail->setTextFormat(Qt::PlainText);
    detail->setWordWrap(true);
    if (p.forecast) {
        const forecast::Forecast& f = *p.forecast;
        chance->setText(u"Pravděpodobnost, že test na body nyní složíte: "_s +
                        chanceText(f.probability()));
        setTextColour(chance, f.probability() >= 0.5 ? colours::kRight : colours::kWrong);
        detail->setText(
            u"Odhad z %1 simulovaných testů sestavených podle pravidel testu na body pro "
            u"skupinu %2. Průměrně by vyšlo %3 bodů z %4, potřeba je %5.\n\n"
            u"Každá otázka se počítá podle vašich posledních odpovědí na ni (nejvýše %6). "
            u"Otázky, na které jste ještě neodpověděli, se počítají podle vaší úspěšnosti "
            u"v jejich okruhu; dokud je v okruhu odpovědí málo, podle úspěšnosti celkové."_s
                .arg(number(f.tests), group, QString::number(std::lround(f.meanPoints)))
                .arg(testplan::kMaxPoints)
                .arg(f.minPoints)
                .arg(forecast::kRecentAnswers));
    } else {
        chance->setText(u"Předpověď nelze spočítat."_s);
        detail->setText(u"Pro skupinu %1 nelze sestavit test na body."_s.arg(group));
    }
    auto* count = new QLabel(u"Zodpovězených otázek celkem: "_s + number(p.answers), box);
    count->setObjectName(u"lbOdpovedi"_s);
    count->setTextFormat(Qt::PlainText);
    layout->addWidget(chance);
    layout->addWidget(detail);
    if (p.answers == 0) {
        auto* start = new QLabel(u"Zatím nemáte žádnou odpověď. Odhad se zpřesní, jakmile "
                                 u"začnete procvičovat."_s,
                                 box);
        start->setObjectName(u"lbZacatek"_s);
        start->setWordWrap(true);
        layout->addWidget(start);
    }
    layout->addStretch();
    layout->addWidget(count);
    return box;
}

} // namespace

QString chanceText(double probability) {
    const double percent = 100.0 * probability;
    if (percent > 0 && percent < 1)
        return u"méně než 1 %"_s;
    if (percent > 99 && percent < 100)
        return u"více než 99 %"_s;
    return u"asi %1 %"_s.arg(std::lround(percent));
}

void TPokrok::run(const Settings& settings, const StorePlace& place, const BankIndex& index,
                  QRandomGenerator& generator, QWidget* owner) {
    const Progress progress =
        gatherProgress(place, settings.activeProfile, settings.group, index, generator);
    if (!progress.unreadable.isEmpty())
        msg::error(owner, u"Část přehledu pokroku nelze zobrazit, protože tabulku nelze "
                          u"přečíst. Ostatní části se zobrazí.\n\n"_s +
                              progress.unreadable.join(u"\n\n"_s));
    TPokrok view(progress, settings.activeProfile, settings.group, owner);
    centreOn(&view, owner);
    view.exec();
}

TPokrok::TPokrok(const Progress& progress, const QString& profile, const QString& group,
                 QWidget* owner)
    : QDialog(owner) {
    setObjectName(u"TPokrok"_s);
    setWindowTitle(u"Přehled pokroku"_s);
    resize(kWidth, kHeight);
    auto* grid = new QGridLayout(this);
    auto* heading = new QLabel(u"Profil: %1     Skupina: %2"_s.arg(profile, group), this);
    heading->setObjectName(u"lbProfil"_s);
    heading->setTextFormat(Qt::PlainText);
    grid->addWidget(heading, 0, 0, 1, 2);
    grid->addWidget(successChart(this, progress), 1, 0);
    grid->addWidget(pointsChart(this, progress, group), 1, 1);
    grid->addWidget(categoryChart(this, progress), 2, 0);
    grid->addWidget(forecastBox(this, progress, group), 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    auto* close = new QPushButton(u"Zavřít"_s, this);
    close->setObjectName(u"btnZavrit"_s);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(close, 3, 1, Qt::AlignRight);
}
