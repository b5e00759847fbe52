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

} // namespace widgets
