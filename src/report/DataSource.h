#pragma once

#include <functional>

namespace report {

// The rows a detail or sub-detail band prints, supplied by the report's author: reset() is called
// before the first row, next() moves to the next row and answers false when there is none. The
// band's fields read the current row from wherever the author keeps it.
class DataSource {
public:
    virtual ~DataSource() = default;
    virtual void reset() {}
    virtual bool next() = 0;
    // Number of rows when known (for the progress shown while rendering), otherwise -1.
    virtual int rowCount() const { return -1; }
};

// A data source made of callbacks.
class CallbackSource : public DataSource {
public:
    explicit CallbackSource(std::function<bool()> next, std::function<void()> reset = {},
                            std::function<int()> rowCount = {})
        : m_next(std::move(next)), m_reset(std::move(reset)), m_rowCount(std::move(rowCount)) {}
    void reset() override { if (m_reset) m_reset(); }
    bool next() override { return m_next ? m_next() : false; }
    int rowCount() const override { return m_rowCount ? m_rowCount() : -1; }

private:
    std::function<bool()> m_next;
    std::function<void()> m_reset;
    std::function<int()> m_rowCount;
};

// A data source of n rows numbered 0..n-1; row() is the current one.
class CountSource : public DataSource {
public:
    explicit CountSource(int rows) : m_rows(rows) {}
    void reset() override { m_row = -1; }
    bool next() override { return ++m_row < m_rows; }
    int rowCount() const override { return m_rows; }
    int row() const { return m_row; }
    void setRows(int rows) { m_rows = rows; }

private:
    int m_rows;
    int m_row = -1;
};

} // namespace report
