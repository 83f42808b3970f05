#include "business/LoanGraph.h"

#include "controls/OutputDialogs.h"
#include "taxengine/NumberText.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace quillon::business {

namespace {

const QString kGraphName = QStringLiteral("frmLoanGraph");

QString rand(double value) {
    return QStringLiteral("R ") + formatPattern(value, u"# ### ### ##0.00");
}

QValueAxis *amountAxis(const QString &title, double top) {
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(0, top > 0 ? top * 1.05 : 1);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->applyNiceNumbers();
    return axis;
}

} // namespace

LoanGraph::LoanGraph(QWidget *parent) : QWidget(parent), m_dialogs(&OutputDialogs::standard()) {
    setObjectName(kGraphName);
    setWindowTitle(QStringLiteral("Annual Amortisation Graph"));
    m_view = new QChartView(new QChart, this);
    m_view->setObjectName(QStringLiteral("chtLoanGraph"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(640, 420);
    auto *save = new QPushButton(QStringLiteral("Sa&ve picture…"), this);
    save->setObjectName(QStringLiteral("cmdSavePicture"));
    auto *print = new QPushButton(QStringLiteral("&Print…"), this);
    print->setObjectName(QStringLiteral("cmdPrintGraph"));
    connect(save, &QPushButton::clicked, this, &LoanGraph::savePicture);
    connect(print, &QPushButton::clicked, this, &LoanGraph::print);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 8);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(print);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
}

void LoanGraph::paint(QPainter &painter, const QRect &target) {
    painter.setRenderHint(QPainter::Antialiasing);
    m_view->render(&painter, target, m_view->viewport()->rect());
}

bool LoanGraph::writePicture(const QString &path) {
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        return m_view->grab().save(path, "PNG");
    QPdfWriter pdf(path);
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setTitle(windowTitle());
    pdf.setCreator(QStringLiteral("Quillon"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    paint(painter, QRect(QPoint(), pdf.pageLayout().paintRectPixels(pdf.resolution()).size()));
    return painter.end();
}

void LoanGraph::savePicture() {
    QString path = m_dialogs->saveFile(
        this, QStringLiteral("Save picture"), documentsPath(QStringLiteral("Loan graph.png")),
        QStringLiteral("PNG pictures (*.png);;PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    if (!writePicture(path))
        m_dialogs->failed(this,
                          QStringLiteral("The picture could not be written to %1.").arg(path));
}

void LoanGraph::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(windowTitle());
    if (!m_dialogs->choosePrinter(this, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_dialogs->failed(this, QStringLiteral("The graph could not be printed: the printer is not "
                                               "ready."));
        return;
    }
    // The graph above a footer line that carries the date it was printed.
    const QRect page(QPoint(), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const int footer = painter.fontMetrics().height() * 2;
    paint(painter, page.adjusted(0, 0, 0, -footer));
    painter.drawText(page.adjusted(0, page.height() - footer, 0, 0),
                     Qt::AlignRight | Qt::AlignBottom,
                     QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
}

QChart *LoanGraph::chart() const {
    return m_view->chart();
}

void LoanGraph::LoanAmortGraph(std::int16_t yearsWithPart, std::int16_t wholeYears,
                               std::int16_t kind, const ScheduleColumn &balance,
                               const ScheduleColumn &interest, const ScheduleColumn &capital) {
    const int years = kind == 2 ? yearsWithPart : kind == 1 ? wholeYears : 0;
    m_partYear = kind == 2;
    m_series = {};
    for (int y = 1; y <= years && y < static_cast<int>(kScheduleSize); ++y) {
        const auto i = static_cast<std::size_t>(y);
        m_series.balance.push_back(balance[i]);
        m_series.interest.push_back(interest[i]);
        m_series.capital.push_back(capital[i]);
    }
    rebuild();
}

void LoanGraph::rebuild() {
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Loan amortisation by year"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    const int years = static_cast<int>(m_series.balance.size());

    QStringList labels;
    for (int y = 1; y <= years; ++y)
        labels << (m_partYear && y == years ? QStringLiteral("%1*").arg(y) : QString::number(y));
    auto *capital = new QBarSet(QStringLiteral("Capital paid in the year"));
    auto *interest = new QBarSet(QStringLiteral("Interest paid in the year"));
    capital->setColor(QColor(0x2e, 0x7d, 0x32));
    interest->setColor(QColor(0xef, 0x6c, 0x00));
    double topPaid = 0;
    for (int i = 0; i < years; ++i) {
        const auto k = static_cast<std::size_t>(i);
        capital->append(m_series.capital[k]);
        interest->append(m_series.interest[k]);
        topPaid = std::max(topPaid, m_series.capital[k] + m_series.interest[k]);
    }
    auto *bars = new QStackedBarSeries;
    bars->append(capital);
    bars->append(interest);
    chart->addSeries(bars);

    auto *line = new QLineSeries;
    line->setName(QStringLiteral("Balance at the year end"));
    QPen pen(QColor(0x1f, 0x3a, 0x5f));
    pen.setWidthF(2.5);
    line->setPen(pen);
    line->setPointsVisible(true);
    // The bars stand at category positions 0, 1, ...; the line's points at the same places.
    for (int i = 0; i < years; ++i)
        line->append(i, m_series.balance[static_cast<std::size_t>(i)]);
    chart->addSeries(line);
    const double topBalance = m_series.balance.empty() ? 0
                                                       : *std::max_element(m_series.balance.begin(),
                                                                           m_series.balance.end());

    auto *yearAxis = new QBarCategoryAxis;
    yearAxis->append(labels);
    yearAxis->setTitleText(m_partYear ? QStringLiteral("Year (* part year)")
                                      : QStringLiteral("Year"));
    chart->addAxis(yearAxis, Qt::AlignBottom);
    bars->attachAxis(yearAxis);
    line->attachAxis(yearAxis);
    QValueAxis *paidAxis = amountAxis(QStringLiteral("Paid in the year (R)"), topPaid);
    chart->addAxis(paidAxis, Qt::AlignLeft);
    bars->attachAxis(paidAxis);
    QValueAxis *balanceAxis = amountAxis(QStringLiteral("Balance (R)"), topBalance);
    chart->addAxis(balanceAxis, Qt::AlignRight);
    line->attachAxis(balanceAxis);

    const auto tip = [labels](const QString &what, int index, double value) {
        QToolTip::showText(
            QCursor::pos(),
            QStringLiteral("Year %1\n%2: %3").arg(labels.value(index), what, rand(value)));
    };
    for (QBarSet *set : {capital, interest})
        connect(set, &QBarSet::hovered, set, [set, tip](bool on, int index) {
            if (on)
                tip(set->label(), index, set->at(index));
            else
                QToolTip::hideText();
        });
    connect(line, &QLineSeries::hovered, line, [line, tip](const QPointF &point, bool on) {
        if (on)
            tip(line->name(), qRound(point.x()), point.y());
        else
            QToolTip::hideText();
    });

    QChart *old = m_view->chart();
    m_view->setChart(chart);
    delete old;
}

LoanGraph *showLoanGraph(QWidget *owner, const std::function<void(LoanGraph &)> &fill) {
    QMdiArea *area = nullptr;
    for (QWidget *w = owner; w && !area; w = w->parentWidget())
        area = qobject_cast<QMdiArea *>(w);
    LoanGraph *graph = nullptr;
    if (area) {
        for (QMdiSubWindow *sub : area->subWindowList())
            if (auto *g = qobject_cast<LoanGraph *>(sub->widget()))
                graph = g;
        if (!graph) {
            graph = new LoanGraph;
            QMdiSubWindow *sub = area->addSubWindow(graph);
            sub->setAttribute(Qt::WA_DeleteOnClose);
        }
    } else {
        graph = owner->findChild<LoanGraph *>(kGraphName, Qt::FindDirectChildrenOnly);
        if (!graph)
            graph = new LoanGraph(owner);
        graph->setWindowFlag(Qt::Window);
    }
    fill(*graph);
    QWidget *frame = area ? graph->parentWidget() : graph;
    frame->adjustSize();
    frame->move(0, 0);
    frame->show();
    frame->raise();
    if (area)
        area->setActiveSubWindow(static_cast<QMdiSubWindow *>(frame));
    return graph;
}

} // namespace quillon::business

// The entry point frmLoans finds in this module: Qt Charts is loaded only when a graph is first
// asked for.
extern "C" Q_DECL_EXPORT void quillonShowLoanGraph(QWidget *owner,
                                                   const quillon::business::LoanGraphFigures &f) {
    quillon::business::showLoanGraph(owner, [&f](quillon::business::LoanGraph &graph) {
        graph.LoanAmortGraph(f.yearsWithPart, f.wholeYears, f.kind, *f.balance, *f.interest,
                             *f.capital);
    });
}
