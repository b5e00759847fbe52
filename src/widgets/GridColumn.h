#pragma once

#include <QColor>
#include <QString>

namespace widgets {

// One column of a grid over a cursor: the field it shows and how.
struct GridColumn {
    QString field;
    QString title;    // empty: the field's name
    int width = 0;    // a width hint in average characters; 0 leaves the view's default
    bool bold = false;
    QColor color;     // the text colour; invalid leaves the view's default
};

// A column showing `field` under `title` with a width hint, in the view's default colour.
inline GridColumn gridColumn(const QString& field, const QString& title, int width, bool bold = false)
{
    GridColumn c;
    c.field = field;
    c.title = title;
    c.width = width;
    c.bold = bold;
    return c;
}

} // namespace widgets
