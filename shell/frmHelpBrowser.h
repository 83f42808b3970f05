#pragma once

#include <QPdfView>
#include <QWidget>

class QLabel;
class QPdfDocument;
class QPdfView;

namespace quillon::shell {

// "Quillon Help": a free-standing window beside the main window showing the manual
// QL2017Help.pdf. The reader pages through it, zooms and fits it to the width. A missing,
// empty or damaged manual is said so in the window (problemLabel()).
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

    void nextPage();
    void previousPage();
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void zoomTo(QPdfView::ZoomMode mode, double factor);

    static constexpr int kBrowserInsetTwips = 100;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void goToPage(int page);
    void updatePageLabel();

    QWidget *m_browser = nullptr;
    QPdfView *m_view = nullptr;
    QPdfDocument *m_document = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLabel *m_problem = nullptr;
};

} // namespace quillon::shell
