#include "shell/frmHelpBrowser.h"

#include "controls/Twips.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QResizeEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon::shell {

namespace {
constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 6.0;
} // namespace

frmHelpBrowser::frmHelpBrowser(const QString &documentPath, QWidget *parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelpBrowser"));
    setWindowTitle(QStringLiteral("Quillon Help"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_browser = new QWidget(this);
    m_browser->setObjectName(QStringLiteral("brwWebBrowser"));
    m_document = new QPdfDocument(this);
    m_view = new QPdfView(m_browser);
    m_view->setObjectName(QStringLiteral("pdfView"));
    m_view->setDocument(m_document);
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);

    auto *bar = new QToolBar(m_browser);
    bar->setObjectName(QStringLiteral("helpToolBar"));
    const auto add = [this, bar](const QString &name, const QString &text, QKeySequence key,
                                 void (frmHelpBrowser::*slot)()) {
        QAction *a = bar->addAction(text);
        a->setObjectName(name);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
    };
    add(QStringLiteral("actPreviousPage"), QStringLiteral("Previous Page"),
        QKeySequence::MoveToPreviousPage, &frmHelpBrowser::previousPage);
    add(QStringLiteral("actNextPage"), QStringLiteral("Next Page"), QKeySequence::MoveToNextPage,
        &frmHelpBrowser::nextPage);
    bar->addSeparator();
    add(QStringLiteral("actZoomIn"), QStringLiteral("Zoom In"), QKeySequence::ZoomIn,
        &frmHelpBrowser::zoomIn);
    add(QStringLiteral("actZoomOut"), QStringLiteral("Zoom Out"), QKeySequence::ZoomOut,
        &frmHelpBrowser::zoomOut);
    add(QStringLiteral("actFitWidth"), QStringLiteral("Fit Width"),
        QKeySequence(Qt::CTRL | Qt::Key_0), &frmHelpBrowser::fitWidth);
    bar->addSeparator();
    m_pageLabel = new QLabel(bar);
    m_pageLabel->setObjectName(QStringLiteral("lblPage"));
    m_pageLabel->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(m_pageLabel);

    auto *layout = new QVBoxLayout(m_browser);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_problem = new QLabel(m_browser);
    m_problem->setObjectName(QStringLiteral("lblHelpProblem"));
    m_problem->setWordWrap(true);
    m_problem->setAlignment(Qt::AlignCenter);
    m_problem->setMargin(24);
    layout->addWidget(bar);
    layout->addWidget(m_problem, 1);
    layout->addWidget(m_view, 1);

    connect(m_view->pageNavigator(), &QPdfPageNavigator::currentPageChanged, this,
            &frmHelpBrowser::updatePageLabel);
    connect(m_document, &QPdfDocument::pageCountChanged, this, &frmHelpBrowser::updatePageLabel);

    // A manual that cannot be shown is said so in the window instead of a blank page.
    const QFileInfo file(documentPath);
    QString problem;
    if (!file.isFile())
        problem = QStringLiteral("The help manual %1 was not found.");
    else if (file.size() == 0)
        problem = QStringLiteral("The help manual %1 is empty.");
    else if (m_document->load(documentPath) != QPdfDocument::Error::None ||
             m_document->pageCount() <= 0)
        problem = QStringLiteral("The help manual %1 is damaged and cannot be shown.");
    if (!problem.isEmpty())
        m_problem->setText(problem.arg(QDir::toNativeSeparators(documentPath)) +
                           QStringLiteral("\n\nReinstalling the program puts it back."));
    m_problem->setVisible(!problem.isEmpty());
    m_view->setVisible(problem.isEmpty());
    updatePageLabel();
    resize(760, 900);
}

frmHelpBrowser::~frmHelpBrowser() {
    // The document and the view go after this window's own part; they must not call back.
    disconnect(m_document, nullptr, this, nullptr);
    disconnect(m_view->pageNavigator(), nullptr, this, nullptr);
}

void frmHelpBrowser::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    const int inset = twipsToPixels(kBrowserInsetTwips, this);
    const QSize inner = event->size();
    m_browser->setGeometry(inset / 2, inset / 2, std::max(0, inner.width() - inset),
                           std::max(0, inner.height() - inset));
}

void frmHelpBrowser::goToPage(int page) {
    const int count = m_document->pageCount();
    if (count <= 0)
        return;
    m_view->pageNavigator()->jump(std::clamp(page, 0, count - 1), QPointF(),
                                  m_view->pageNavigator()->currentZoom());
}

void frmHelpBrowser::nextPage() {
    goToPage(m_view->pageNavigator()->currentPage() + 1);
}

void frmHelpBrowser::previousPage() {
    goToPage(m_view->pageNavigator()->currentPage() - 1);
}

void frmHelpBrowser::zoomTo(QPdfView::ZoomMode mode, double factor) {
    // The page being read stays in view whatever the zoom does to the scroll position.
    const int page = m_view->pageNavigator()->currentPage();
    m_view->setZoomMode(mode);
    if (mode == QPdfView::ZoomMode::Custom)
        m_view->setZoomFactor(factor);
    m_view->pageNavigator()->jump(page, QPointF(), m_view->zoomFactor());
}

void frmHelpBrowser::zoomIn() {
    zoomTo(QPdfView::ZoomMode::Custom, std::min(kMaxZoom, m_view->zoomFactor() * kZoomStep));
}

void frmHelpBrowser::zoomOut() {
    zoomTo(QPdfView::ZoomMode::Custom, std::max(kMinZoom, m_view->zoomFactor() / kZoomStep));
}

void frmHelpBrowser::fitWidth() {
    zoomTo(QPdfView::ZoomMode::FitToWidth, 1);
}

void frmHelpBrowser::updatePageLabel() {
    const int count = m_document->pageCount();
    m_pageLabel->setText(count > 0 ? QStringLiteral("Page %1 of %2")
                                         .arg(m_view->pageNavigator()->currentPage() + 1)
                                         .arg(count)
                                   : QString());
}

} // namespace quillon::shell

// The entry point the main window finds in this module.
extern "C" Q_DECL_EXPORT QWidget *quillonMakeHelpBrowser(const QString &documentPath) {
    return new quillon::shell::frmHelpBrowser(documentPath);
}
