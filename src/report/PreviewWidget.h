#pragma once

#include "report/PageSet.h"

#include <QAbstractScrollArea>

#include <memory>

namespace report {

// Shows one page of a page set at a time, zoomed, with scroll bars when the page is larger than
// the view. At 100 % a millimetre is 96/25.4 pixels, so an A4 page is 794 x 1123 pixels.
class PreviewWidget : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class FitMode { None, Width, WholePage };
    static constexpr double PixelsPerMmAt100 = 96.0 / 25.4;
    static constexpr int PageGap = 10; // pixels around the page

    explicit PreviewWidget(QWidget* parent = nullptr);

    void setPageSet(std::shared_ptr<const PageSet> pages);
    void clear();
    std::shared_ptr<const PageSet> pageSet() const { return m_pages; }
    int pageCount() const;

    int currentPage() const { return m_page; } // from 1; 0 when there is nothing to show
    void setCurrentPage(int page);             // limited to 1..pageCount()

    double zoom() const { return m_zoom; }     // percent
    void setZoom(double percent);              // ends any fit mode
    // Compute the zoom that fits the page width or the whole page into the view, apply it and
    // keep fitting when the view is resized.
    double fitWidth();
    double fitWholePage();
    FitMode fitMode() const { return m_fit; }

    // The page's size in pixels at the current zoom.
    QSize pagePixelSize() const;

    void scrollBy(int dx, int dy);

Q_SIGNALS:
    void pageChanged(int page);
    void zoomChanged(double percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSizeF pageSizeMm() const;
    double fitZoom(FitMode mode) const;
    void applyZoom(double percent);
    void updateScrollBars();

    std::shared_ptr<const PageSet> m_pages;
    int m_page = 0;
    double m_zoom = 100.0;
    FitMode m_fit = FitMode::None;
};

} // namespace report
