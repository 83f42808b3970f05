#include "shell/frmHelpBrowser.h"

#include "controls/Twips.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfSearchModel>
#include <QPdfView>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QTreeView>
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
    auto *split = new QSplitter(Qt::Horizontal, m_browser);
    split->setObjectName(QStringLiteral("splHelp"));
    m_outline = new QTreeView(split);
    m_outline->setObjectName(QStringLiteral("tvOutline"));
    m_outline->setHeaderHidden(true);
    m_outline->setUniformRowHeights(true);
    m_outline->setAccessibleName(QStringLiteral("Chapters"));
    m_chapters = new QPdfBookmarkModel(this);
    m_chapters->setDocument(m_document);
    m_outline->setModel(m_chapters);
    connect(m_outline, &QTreeView::activated, this, &frmHelpBrowser::openOutlineEntry);
    connect(m_outline, &QTreeView::clicked, this, &frmHelpBrowser::openOutlineEntry);
    m_view = new QPdfView(split);
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
    bar->addSeparator();

    // Search: typing finds every match; Enter, F3 and Shift+F3 step through them.
    m_found = new QPdfSearchModel(this);
    m_found->setDocument(m_document);
    m_search = new QLineEdit(bar);
    m_search->setObjectName(QStringLiteral("txtSearch"));
    m_search->setPlaceholderText(QStringLiteral("Search (Ctrl+F)"));
    m_search->setAccessibleName(QStringLiteral("Search the manual"));
    m_search->setClearButtonEnabled(true);
    m_search->setMaximumWidth(220);
    bar->addWidget(m_search);
    connect(m_search, &QLineEdit::textChanged, this, &frmHelpBrowser::searchFor);
    connect(m_search, &QLineEdit::returnPressed, this, &frmHelpBrowser::findNext);
    add(QStringLiteral("actFindPrevious"), QStringLiteral("Previous"), QKeySequence::FindPrevious,
        &frmHelpBrowser::findPrevious);
    add(QStringLiteral("actFindNext"), QStringLiteral("Next"), QKeySequence::FindNext,
        &frmHelpBrowser::findNext);
    m_findLabel = new QLabel(bar);
    m_findLabel->setObjectName(QStringLiteral("lblFind"));
    m_findLabel->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(m_findLabel);
    auto *find = new QAction(QStringLiteral("Search"), this);
    find->setObjectName(QStringLiteral("actSearch"));
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WindowShortcut);
    addAction(find);
    connect(find, &QAction::triggered, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    // Finds arrive page by page while the model reads the manual.
    connect(m_found, &QAbstractItemModel::rowsInserted, this, &frmHelpBrowser::updateFindLabel);
    connect(m_found, &QAbstractItemModel::modelReset, this, &frmHelpBrowser::updateFindLabel);

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
    layout->addWidget(split, 1);
    split->setStretchFactor(1, 1);
    split->setSizes({210, 550});

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
    split->setVisible(problem.isEmpty());
    // A manual without an outline leaves the whole width to the pages.
    m_outline->setVisible(m_chapters->rowCount() > 0);
    updatePageLabel();
    updateFindLabel();
    resize(960, 900);
}

frmHelpBrowser::~frmHelpBrowser() {
    // The document, the view and the models go after this window's own part; they must not
    // call back.
    disconnect(m_document, nullptr, this, nullptr);
    disconnect(m_view->pageNavigator(), nullptr, this, nullptr);
    disconnect(m_found, nullptr, this, nullptr);
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

void frmHelpBrowser::openOutlineEntry(const QModelIndex &index) {
    if (!index.isValid())
        return;
    const int page = index.data(static_cast<int>(QPdfBookmarkModel::Role::Page)).toInt();
    const QPointF at = index.data(static_cast<int>(QPdfBookmarkModel::Role::Location)).toPointF();
    jumpTo(page, at.y());
}

void frmHelpBrowser::jumpTo(int page, double pointsDown) {
    m_view->pageNavigator()->jump(page, QPointF(0, pointsDown),
                                  m_view->pageNavigator()->currentZoom());
    // Qt PDF 6.4's view brings a jump's page to the top and ignores the place on it: scroll on by
    // the place's height at the scale the pages are shown (the manual's pages are all A4).
    const int count = m_document->pageCount();
    const double pageHeight = m_document->pagePointSize(page).height();
    QScrollBar *bar = m_view->verticalScrollBar();
    if (count <= 0 || pageHeight <= 0 || pointsDown <= 0 || bar->maximum() <= 0)
        return;
    const QMargins margins = m_view->documentMargins();
    const double shown = (bar->maximum() + m_view->viewport()->height() - margins.top() -
                          margins.bottom() - (count - 1) * m_view->pageSpacing()) /
                         count;
    bar->setValue(bar->value() + qRound(pointsDown * shown / pageHeight));
}

void frmHelpBrowser::searchFor(const QString &text) {
    m_currentFind = -1;
    m_found->setSearchString(text.trimmed());
    updateFindLabel();
}

void frmHelpBrowser::showFind(int step) {
    const int count = m_found->rowCount({});
    if (count == 0) {
        updateFindLabel();
        return;
    }
    m_currentFind = m_currentFind < 0 ? (step > 0 ? 0 : count - 1)
                                      : ((m_currentFind + step) % count + count) % count;
    const QPdfLink link = m_found->resultAtIndex(m_currentFind);
    // The line found comes near the top of the view, with a few lines above it.
    jumpTo(link.page(), std::max(0.0, link.location().y() - 48));
    updateFindLabel();
}

void frmHelpBrowser::findNext() {
    showFind(1);
}

void frmHelpBrowser::findPrevious() {
    showFind(-1);
}

void frmHelpBrowser::updateFindLabel() {
    const int count = m_found->rowCount({});
    if (m_search->text().trimmed().isEmpty())
        m_findLabel->clear();
    else if (count == 0)
        m_findLabel->setText(QStringLiteral("Not found"));
    else if (m_currentFind < 0)
        m_findLabel->setText(QStringLiteral("%1 found").arg(count));
    else
        m_findLabel->setText(QStringLiteral("%1 of %2").arg(m_currentFind + 1).arg(count));
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
