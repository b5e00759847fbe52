#include "report/PreviewWidget.h"

#include "report/PagePainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace report {

namespace {
constexpr double MinZoom = 5.0;
constexpr double MaxZoom = 1000.0;
} // namespace

PreviewWidget::PreviewWidget(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    horizontalScrollBar()->setSingleStep(25);
    verticalScrollBar()->setSingleStep(25);
    updateScrollBars();
}

void PreviewWidget::setPageSet(std::shared_ptr<const PageSet> pages)
{
    m_pages = std::move(pages);
    m_page = pageCount() > 0 ? 1 : 0;
    updateScrollBars();
    if (m_fit != FitMode::None)
        applyZoom(fitZoom(m_fit));
    viewport()->update();
    Q_EMIT pageChanged(m_page);
}

void PreviewWidget::clear()
{
    setPageSet(nullptr);
}

int PreviewWidget::pageCount() const
{
    return m_pages ? m_pages->pageCount() : 0;
}

void PreviewWidget::setCurrentPage(int page)
{
    const int count = pageCount();
    page = count == 0 ? 0 : std::clamp(page, 1, count);
    if (page == m_page)
        return;
    m_page = page;
    verticalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
    Q_EMIT pageChanged(m_page);
}

QSizeF PreviewWidget::pageSizeMm() const
{
    if (m_page > 0)
        return m_pages->pages[m_page - 1].size;
    return QSizeF(A4ShortMm, A4LongMm);
}

QSize PreviewWidget::pagePixelSize() const
{
    const QSizeF mm = pageSizeMm();
    const double k = PixelsPerMmAt100 * m_zoom / 100.0;
    return QSize(int(std::lround(mm.width() * k)), int(std::lround(mm.height() * k)));
}

void PreviewWidget::setZoom(double percent)
{
    m_fit = FitMode::None;
    applyZoom(percent);
}

double PreviewWidget::fitZoom(FitMode mode) const
{
    const QSizeF mm = pageSizeMm();
    const QSize view = viewport()->size();
    const double byWidth = (view.width() - 2.0 * PageGap) / (mm.width() * PixelsPerMmAt100) * 100.0;
    const double byHeight = (view.height() - 2.0 * PageGap) / (mm.height() * PixelsPerMmAt100) * 100.0;
    if (mode == FitMode::WholePage)
        return std::min(byWidth, byHeight);
    // Fitting the width leaves room for the vertical scroll bar the page will need.
    const double sb = verticalScrollBar()->isVisible() ? 0 : verticalScrollBar()->sizeHint().width();
    return (view.width() - 2.0 * PageGap - sb) / (mm.width() * PixelsPerMmAt100) * 100.0;
}

double PreviewWidget::fitWidth()
{
    m_fit = FitMode::Width;
    applyZoom(fitZoom(m_fit));
    return m_zoom;
}

double PreviewWidget::fitWholePage()
{
    m_fit = FitMode::WholePage;
    applyZoom(fitZoom(m_fit));
    return m_zoom;
}

void PreviewWidget::applyZoom(double percent)
{
    percent = std::clamp(percent, MinZoom, MaxZoom);
    if (std::fabs(percent - m_zoom) < 1e-9)
        return;
    m_zoom = percent;
    updateScrollBars();
    viewport()->update();
    Q_EMIT zoomChanged(m_zoom);
}

void PreviewWidget::scrollBy(int dx, int dy)
{
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
}

void PreviewWidget::updateScrollBars()
{
    const QSize page = pagePixelSize();
    const QSize view = viewport()->size();
    const int w = page.width() + 2 * PageGap;
    const int h = page.height() + 2 * PageGap;
    horizontalScrollBar()->setRange(0, std::max(0, w - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, h - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

void PreviewWidget::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_fit != FitMode::None)
        applyZoom(fitZoom(m_fit));
    updateScrollBars();
}

void PreviewWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(128, 128, 128));
    if (m_page == 0)
        return;
    const QSize page = pagePixelSize();
    const QSize view = viewport()->size();
    // A page narrower than the view is centred.
    const int x = page.width() + 2 * PageGap < view.width() ? (view.width() - page.width()) / 2
                                                            : PageGap - horizontalScrollBar()->value();
    const int y = page.height() + 2 * PageGap < view.height() ? (view.height() - page.height()) / 2
                                                              : PageGap - verticalScrollBar()->value();
    const QRect paper(x, y, page.width(), page.height());
    painter.fillRect(paper.translated(4, 4), QColor(60, 60, 60));
    painter.fillRect(paper, Qt::white);
    painter.translate(x, y);
    painter.setClipRect(QRect(QPoint(0, 0), page));
    paintPage(painter, m_pages->pages[m_page - 1], PixelsPerMmAt100 * m_zoom / 100.0);
}

} // namespace report
