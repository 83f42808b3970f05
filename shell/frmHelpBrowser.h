#pragma once

#include <QPdfView>
#include <QWidget>

class QLabel;
class QLineEdit;
class QModelIndex;
class QPdfBookmarkModel;
class QPdfDocument;
class QPdfSearchModel;
class QPdfView;
class QTreeView;

namespace quillon::shell {

// "Quillon Help": a free-standing window beside the main window showing the manual
// QL2017Help.pdf. The reader pages through it, zooms and fits it to the width, jumps to a
// chapter from the outline beside it, and searches it (Ctrl+F, then F3 / Shift+F3 or Enter for
// the next and previous find). A missing, empty or damaged manual is said so in the window
// (problemLabel()).
class frmHelpBrowser : public QWidget {
    Q_OBJECT
public:
    explicit frmHelpBrowser(const QString &documentPath, QWidget *parent = nullptr);
    ~frmHelpBrowser() override;

    QPdfView *view() const { return m_view; }
    QPdfDocument *document() const { return m_document; }
    // The reader component: inner size less 100 twips each way.
    QWidget *browser() const { return m_browser; }
    QLabel *problemLabel() const { return m_problem; }
    QTreeView *outline() const { return m_outline; }
    QLineEdit *searchField() const { return m_search; }
    QPdfSearchModel *searchResults() const { return m_found; }
    // The find now shown, from 0; -1 before the first.
    int currentFind() const { return m_currentFind; }

    void nextPage();
    void previousPage();
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void zoomTo(QPdfView::ZoomMode mode, double factor);
    void findNext();
    void findPrevious();

    static constexpr int kBrowserInsetTwips = 100;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void goToPage(int page);
    void updatePageLabel();
    void openOutlineEntry(const QModelIndex &index);
    // Shows `page` with the place `pointsDown` below its top at the top of the view.
    void jumpTo(int page, double pointsDown);
    void searchFor(const QString &text);
    void showFind(int step);
    void updateFindLabel();

    QWidget *m_browser = nullptr;
    QPdfView *m_view = nullptr;
    QPdfDocument *m_document = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLabel *m_problem = nullptr;
    QTreeView *m_outline = nullptr;
    QPdfBookmarkModel *m_chapters = nullptr;
    QLineEdit *m_search = nullptr;
    QPdfSearchModel *m_found = nullptr;
    QLabel *m_findLabel = nullptr;
    int m_currentFind = -1;
};

} // namespace quillon::shell
